// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis_window.h"

#include "trainer_words.h"

#include "accessible.h"
#include "balance_chart.h"
#include "cards.h"
#include "language.h"
#include "payout_table.h"
#include "question_keys.h"
#include "strategy_chart.h"
#include "twips.h"
#include "window_role.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <cmath>

namespace trainer {

namespace {

using controls::Kind;

// Three pages, so that the window stands beside the table on a laptop's screen: the hand on the
// table with its holds, the verdict and the chart's line for it; the game so far; the chart.
const char* const pageCaptions[] = {
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Leosztás"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Játékmenet"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Stratégiai táblázat")};
// clang-format off
// Twips relative to the container; the pages' children relative to the page.
constexpr controls::ControlRow windowControls[] = {
    {"Frame1",  Kind::Frame, "Page1",
     QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Az asztalon lévő leosztás"),
                                                                 60,   60, 6480, 4320},
    {"Label1",  Kind::Label, "Frame1", nullptr,                 120,  270, 6240,  270},
    {"Label2",  Kind::Label, "Page1",  nullptr,                 120, 4500, 6360, 1080},
    {"Label4",  Kind::Label, "Page1",  nullptr,                 120, 5700, 6360, 1620},
    {"Frame2",  Kind::Frame, "Page2",
     QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "A játékmenet eddig"),
                                                                 60,   60, 6480, 2640},
    {"Frame3",  Kind::Frame, "Page2",
     QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Az összeg osztásról osztásra"),
                                                                 60, 2820, 6480, 3840},
    {"Label3",  Kind::Label, "Page3",  nullptr,                  60, 4680, 6480,  600},
};
// The tables and the chart, by hand: the control table knows no plain grid.
constexpr int pagesRect[]   = {60,    60, 6720, 7980}; // the pages with their tabs
constexpr int holdsRect[]   = {120,  600, 6240, 3600}; // in Frame1: header and ten rows
constexpr int figuresRect[] = {120,  270, 3720, 2250}; // in Frame2
constexpr int captionsRect[]= {3960, 270, 2400, 2250}; // in Frame2
constexpr int chartRect[]   = {120,  270, 6240, 3450}; // in Frame3
constexpr int linesRect[]   = {60,    60, 6480, 4500}; // in Page3: header and the chart's lines
// clang-format on
constexpr int windowWidth = 6840, windowHeight = 8100;

const char* const figureNames[] = {
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Osztások"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Cserék"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Összes tét"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Összes nyeremény"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Nettó eredmény"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Visszatérítés eddig"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Tökéletes játékkal"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Nem a legjobb csere"),
    QT_TRANSLATE_NOOP("trainer::AnalysisWindow", "Ezek ára (várható)")};

// Captions from the highest to "Semmi", by kartavo::Category.
constexpr int captionOrder[] = {8, 7, 6, 5, 4, 3, 2, 1, 0, 9};

QRect rectOf(const int (&r)[4]) {
    return controls::pxRect(r[0], r[1], r[2], r[3]);
}

QTableWidget* makeTable(QWidget* parent, const char* name, const int (&r)[4], int columns) {
    auto* t = new QTableWidget(0, columns, parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(rectOf(r));
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::TabFocus);
    // One Tab stop for the table; the arrows move inside it.
    t->setTabKeyNavigation(false);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->horizontalHeader()->setMinimumSectionSize(8);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setMinimumSectionSize(8);
    return t;
}

// The first column as wide as given, the second filling the rest of the table.
void setFirstColumn(QTableWidget* t, int twips) {
    t->setColumnWidth(0, controls::px(twips));
    t->setColumnWidth(1, t->width() - 2 * t->frameWidth() - controls::px(twips));
}

void setRow(QTableWidget* t, int row, const QString& a, const QString& b, bool bold = false) {
    for (int c = 0; c < 2; ++c) {
        auto* item = new QTableWidgetItem(c == 0 ? a : b);
        item->setFlags(Qt::ItemIsEnabled);
        if (c == 1)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont f = t->font();
        f.setBold(bold);
        item->setFont(f);
        t->setItem(row, c, item);
    }
}

QString signedForints(std::int64_t v) {
    return (v > 0 ? QStringLiteral("+") : QString()) + QString::number(v) + QStringLiteral(" Ft");
}

} // namespace

AnalysisWindow::AnalysisWindow() {
    setObjectName(QStringLiteral("elemzes"));
    setWindowIcon(QIcon(QStringLiteral(":/design/options_icon.png")));
    controls::makeFixedWindow(this, windowWidth, windowHeight);
    controls::setWindowRole(this, QAccessible::Window);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Tabs1"));
    pages_->setGeometry(rectOf(pagesRect));
    if (auto* stack = pages_->findChild<QStackedWidget*>())
        controls::setControlRole(stack, QAccessible::Grouping);
    QHash<QString, QWidget*> pages;
    for (int i = 0; i < int(std::size(pageCaptions)); ++i) {
        auto* page = new QWidget;
        const QString name = QStringLiteral("Page%1").arg(i + 1);
        page->setObjectName(name);
        pages_->addTab(page, QString());
        pages.insert(name, page);
    }
    c_ = std::make_unique<controls::ControlSet>(this, windowControls, pages);
    const controls::ControlSet& c = *c_;
    handLabel_ = c.get<QLabel>("Label1");
    verdict_ = c.get<QLabel>("Label2");
    verdict_->setWordWrap(true);
    verdict_->setFocusPolicy(Qt::TabFocus);
    handLabel_->setFocusPolicy(Qt::TabFocus);

    holds_ = makeTable(c["Frame1"], "Grid1", holdsRect, 2);
    setFirstColumn(holds_, 4080);
    holds_->setColumnWidth(1, holds_->columnWidth(1) - 16); // beside the scroll bar

    figures_ = makeTable(c["Frame2"], "Grid2", figuresRect, 2);
    figures_->horizontalHeader()->hide();
    setFirstColumn(figures_, 2280);
    figures_->setRowCount(std::size(figureNames));
    captions_ = makeTable(c["Frame2"], "Grid3", captionsRect, 2);
    captions_->horizontalHeader()->hide();
    setFirstColumn(captions_, 1560);
    captions_->setRowCount(std::size(captionOrder));
    // Every figure and every caption in view, without scrolling.
    for (QTableWidget* t : {figures_, captions_}) {
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int rowHeight = (t->height() - 2 * t->frameWidth()) / t->rowCount();
        for (int row = 0; row < t->rowCount(); ++row)
            t->setRowHeight(row, rowHeight);
    }

    // The strategy chart: every line, whole, the one that applies to the hand on the table marked.
    lines_ = makeTable(c["Page3"], "Grid4", linesRect, 2);
    setFirstColumn(lines_, linesRect[2] - 1200);
    lines_->setWordWrap(true);
    lines_->setTextElideMode(Qt::ElideNone);
    lines_->setRowCount(static_cast<int>(kartavo::gameChart().lines.size()));
    chartPrice_ = c.get<QLabel>("Label3");
    chartPrice_->setWordWrap(true);
    chartVerdict_ = c.get<QLabel>("Label4");
    chartVerdict_->setWordWrap(true);
    chartVerdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chartVerdict_->setFocusPolicy(Qt::TabFocus);

    // Tab reads the first page as it is laid out: the hand, its holds, the verdict, the chart's
    // line.
    setTabOrder(handLabel_, holds_);
    setTabOrder(holds_, verdict_);
    setTabOrder(verdict_, chartVerdict_);

    chart_ = new BalanceChart(c["Frame3"]);
    chart_->setObjectName(QStringLiteral("Chart1"));
    chart_->setGeometry(rectOf(chartRect));
    nameFixedTexts();
}

void AnalysisWindow::nameFixedTexts() {
    setWindowTitle(tr("Elemzés"));
    pages_->setAccessibleName(tr("Az elemzés lapjai"));
    for (int i = 0; i < pages_->count(); ++i) {
        const QString caption = tr(pageCaptions[i]);
        pages_->setTabText(i, caption);
        pages_->widget(i)->setAccessibleName(caption);
    }
    holds_->setHorizontalHeaderLabels({tr("Megtartott lapok"), tr("Várható nyeremény")});
    holds_->setAccessibleName(tr("Cserék a legjobbtól"));
    figures_->setAccessibleName(tr("A játékmenet számai"));
    captions_->setAccessibleName(tr("Végső lapok"));
    lines_->setHorizontalHeaderLabels(
        {tr("Tartsd meg, ami az első illő sor szerint"), tr("Gyakoriság")});
    lines_->setAccessibleName(tr("Stratégiai táblázat"));
    chart_->setAccessibleName(tr("Az összeg alakulása"));
    // Until the first display: the names of the labels that display fills.
    verdict_->setAccessibleName(tr("A csere értékelése"));
    chartVerdict_->setAccessibleName(tr("A táblázat szerint"));
}

void AnalysisWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        c_->retranslate();
        nameFixedTexts();
        // Qt names its tab bar's scroll buttons when it makes them, and not again; their names
        // are Qt's own texts (translated by Qt's file, so not listed in the program's).
        const auto qtText = [](const char* source) {
            return QCoreApplication::translate("QTabBar", source);
        };
        for (auto* bar : findChildren<QTabBar*>())
            for (auto* button : bar->findChildren<QToolButton*>())
                if (button->objectName() == QLatin1String("ScrollLeftButton"))
                    button->setAccessibleName(qtText("Scroll Left"));
                else if (button->objectName() == QLatin1String("ScrollRightButton"))
                    button->setAccessibleName(qtText("Scroll Right"));
        if (session_) {
            const Session session = *session_;
            display(hand_, session, perfectReturn_, chartFigures_);
        }
    }
    QWidget::changeEvent(event);
}

void AnalysisWindow::display(const HandView& hand, const Session& session,
                             const QString& perfectReturn, const ChartFigures& chartFigures) {
    hand_ = hand;
    session_ = session;
    perfectReturn_ = perfectReturn;
    chartFigures_ = chartFigures;
    // The hand on the table and its holds, best first.
    holds_->setRowCount(0);
    if (!hand.dealt) {
        handLabel_->setText(tr("Még nincs osztás: a Keverés oszt öt lapot."));
        handLabel_->setAccessibleName(tr("Még nincs osztás. A Keverés oszt öt lapot."));
    } else {
        handLabel_->setText(tr("Osztás: %1   (szorzó: x %2)")
                                .arg(Words::keptText(*hand.dealt, 31))
                                .arg(hand.multiplier));
        QString spokenHand = tr("Osztás, %1, szorzó x %2")
                                 .arg(Words::spokenCards(*hand.dealt, 31))
                                 .arg(hand.multiplier);
        // Before the exchange, read with the hand: its best hold, as the table of holds shows it
        // first.
        if (hand.ranking && !hand.chosen) {
            const kartavo::HoldValue& best = (*hand.ranking)[0];
            spokenHand += QStringLiteral(". ") +
                          tr("A legjobb csere, %1, várható nyeremény %2. ")
                              .arg(Words::spokenKept(*hand.dealt, best.kept),
                                   Words::spokenForints(best.expected() * hand.multiplier))
                              .trimmed();
        }
        handLabel_->setAccessibleName(spokenHand);
        if (hand.ranking) {
            holds_->setRowCount(32);
            for (int i = 0; i < 32; ++i) {
                const kartavo::HoldValue& v = (*hand.ranking)[static_cast<std::size_t>(i)];
                QString kept = Words::keptText(*hand.dealt, v.kept);
                if (hand.chosen && *hand.chosen == v.kept)
                    kept = tr("%1   ◀ a te cseréd").arg(kept);
                setRow(holds_, i, kept, Words::forints(v.expected() * hand.multiplier), i == 0);
                if (i == 0)
                    for (int col = 0; col < 2; ++col)
                        holds_->item(0, col)->setBackground(QColor(200, 240, 200));
                // Spoken: the cards by name.
                QString spoken = Words::spokenKept(*hand.dealt, v.kept);
                if (hand.chosen && *hand.chosen == v.kept)
                    spoken = tr("%1, a te cseréd").arg(spoken);
                holds_->item(i, 0)->setData(Qt::AccessibleTextRole, spoken);
                holds_->item(i, 1)->setData(Qt::AccessibleTextRole,
                                            Words::spokenForints(v.expected() * hand.multiplier));
            }
        }
    }

    // The verdict on the exchange.
    const std::optional<ExchangeVerdict>& v = session.lastVerdict();
    QString spokenVerdict;
    if (!v || !hand.chosen) {
        verdict_->setText(hand.dealt ? tr("A Csere után itt áll, mennyit ért a cseréd.")
                                     : QString());
        spokenVerdict = verdict_->text();
    } else {
        QString text =
            tr("A te cseréd: %1, várható nyeremény %2.\n")
                .arg(Words::keptText(v->dealt, v->chosen.kept), Words::forints(v->chosenFt()));
        spokenVerdict = tr("A te cseréd, %1, várható nyeremény %2. ")
                            .arg(Words::spokenKept(v->dealt, v->chosen.kept),
                                 Words::spokenForints(v->chosenFt()));
        if (v->wasBest()) {
            text += tr("Ez volt a legjobb csere. Szép játék!");
            spokenVerdict += tr("Ez volt a legjobb csere. Szép játék!");
        } else {
            text += tr("A legjobb csere: %1, várható nyeremény %2.\n")
                        .arg(Words::keptText(v->dealt, v->best.kept), Words::forints(v->bestFt()));
            text += v->lossFt() < 0.005
                        ? tr("A legjobb csere kevesebb mint %1-tal többet ért.")
                              .arg(Words::forints(0.01))
                        : tr("A legjobb csere %1-tal többet ért.").arg(Words::forints(v->lossFt()));
            spokenVerdict +=
                tr("A legjobb csere, %1, várható nyeremény %2. ")
                    .arg(Words::spokenKept(v->dealt, v->best.kept),
                         Words::spokenForints(v->bestFt())) +
                (v->lossFt() < 0.005 ? tr("A legjobb csere kevesebb mint %1tal többet ért.")
                                           .arg(Words::spokenForints(0.01))
                                     : tr("A legjobb csere %1tal többet ért.")
                                           .arg(Words::spokenForints(v->lossFt())));
        }
        verdict_->setText(text);
    }
    // Focused, a label is read by its name: the verdict in words.
    verdict_->setAccessibleName(spokenVerdict.isEmpty() ? tr("A csere értékelése") : spokenVerdict);

    // The session's figures.
    const std::optional<double> share = session.returnShare();
    const QString values[] = {
        QString::number(session.deals()),
        QString::number(session.exchanges()),
        QString::number(session.stakes()) + QStringLiteral(" Ft"),
        QString::number(session.credits()) + QStringLiteral(" Ft"),
        signedForints(session.net()),
        share ? Words::percent(QString::number(*share * 100, 'f', 2)) : QStringLiteral("–"),
        perfectReturn.isEmpty() ? tr("számolás…") : Words::percent(perfectReturn),
        QString::number(session.notBest()),
        Words::forints(session.notBestCost()),
    };
    for (int row = 0; row < figures_->rowCount(); ++row)
        setRow(figures_, row, tr(figureNames[row]), values[row]);
    for (int row = 0; row < captions_->rowCount(); ++row) {
        const int caption = captionOrder[row];
        setRow(captions_, row,
               texts::fromKey("Rules", kartavo::resultText(kartavo::Category(caption))),
               QString::number(session.captions()[static_cast<std::size_t>(caption)]));
    }
    chart_->setSeries(session.balances(), kartavo::startBalance);
    displayChart(hand, perfectReturn, chartFigures);
}

void AnalysisWindow::focusLead() {
    pages_->setCurrentIndex(0);
    const bool exchanged = session_ && session_->lastVerdict() && hand_.chosen;
    // In a window not yet active the control becomes the one that gets the focus with it, and a
    // screen reader reads it once, after the window's name.
    (exchanged ? verdict_ : handLabel_)->setFocus(Qt::OtherFocusReason);
}

void AnalysisWindow::displayChart(const HandView& hand, const QString& perfectReturn,
                                  const ChartFigures& figures) {
    const kartavo::StrategyChart& chart = kartavo::gameChart();
    // No line applies (-1) before the first deal.
    const kartavo::ChartHold applies =
        hand.dealt ? kartavo::chartHold(chart, *hand.dealt) : kartavo::ChartHold{};
    for (int row = 0; row < lines_->rowCount(); ++row) {
        const bool on = applies.line == row;
        const QString name = QStringLiteral("%1. %2").arg(row + 1).arg(Words::chartLineName(row));
        setRow(lines_, row, name,
               row < figures.shares.size() ? Words::percent(figures.shares[row]) : QString(), on);
        lines_->item(row, 0)->setData(Qt::AccessibleTextRole, Words::spoken(name));
        if (on)
            for (int col = 0; col < 2; ++col)
                lines_->item(row, col)->setBackground(QColor(200, 240, 200));
    }
    // Long lines wrap, and the marked one is bold: each row as high as its text.
    lines_->resizeRowsToContents();
    chartPrice_->setText(
        figures.chartReturn.isEmpty()
            ? tr("A táblázat szerinti játék visszatérítése: számolás…")
            : tr("A táblázat szerinti játék visszatérítése: %1 (tökéletes játékkal: %2).")
                  .arg(Words::percent(figures.chartReturn), Words::percent(perfectReturn)));

    QString text, spoken;
    if (hand.dealt) {
        const QString name = Words::chartLineName(applies.line);
        const QString keep = Words::keptText(*hand.dealt, applies.kept);
        lines_->setCurrentCell(applies.line, 0);
        text =
            tr("Erre a leosztásra a %1. sor illik (%2): %3.").arg(applies.line + 1).arg(name, keep);
        spoken = tr("Erre a leosztásra a %1. sor illik, %2, %3.")
                     .arg(applies.line + 1)
                     .arg(Words::spoken(name), Words::spokenKept(*hand.dealt, applies.kept));
        if (hand.chosen && *hand.chosen != applies.kept) {
            text += tr("\nA cseréd eltért tőle: %1. A táblázat ezt mondta volna: %2.")
                        .arg(Words::keptText(*hand.dealt, *hand.chosen), keep);
            spoken +=
                tr(" A cseréd eltért tőle, %1.").arg(Words::spokenKept(*hand.dealt, *hand.chosen));
        } else if (hand.chosen) {
            text += tr("\nA cseréd ezt követte.");
            spoken += tr(" A cseréd ezt követte.");
        }
    }
    chartVerdict_->setText(text);
    // A screen reader reads the line that applies, in words, with the label and the chart.
    chartVerdict_->setAccessibleName(spoken.isEmpty() ? tr("A táblázat szerint") : spoken);
    lines_->setAccessibleDescription(spoken);
}

void AnalysisWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes it, as it does the other windows; the figures stay.
    if (!controls::closeOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace trainer
