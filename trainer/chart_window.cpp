// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_window.h"

#include "accessible.h"
#include "control_table.h"
#include "game_card.h"
#include "key_commands.h"
#include "language.h"
#include "payout_table.h"
#include "question_keys.h"
#include "strategy_service.h"
#include "trainer_words.h"
#include "twips.h"
#include "window_role.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>

namespace trainer {

namespace {

using controls::Kind;

// clang-format off
constexpr controls::ControlRow windowControls[] = {
    {"Label1",   Kind::Label,  nullptr, nullptr,                                                   120,  120, 8160,  300, {nullptr, 0, true}, -1},
    {"Frame1",   Kind::Frame,  nullptr, QT_TRANSLATE_NOOP("trainer::ChartWindow", "Kifizetési tábla"), 60, 480, 4320, 4200, {}, -1},
    {"Label2",   Kind::Label,  nullptr, nullptr,                                                   4500,  600, 3780, 1440, {}, 2},
    {"Label3",   Kind::Label,  nullptr, nullptr,                                                   4500, 2100, 3780,  840, {}, 3},
    {"Command1", Kind::Button, nullptr, QT_TRANSLATE_NOOP("trainer::ChartWindow", "&Stratégiakártya…"), 4500, 3960, 2400, 375, {}, 4},
    {"Frame2",   Kind::Frame,  nullptr, QT_TRANSLATE_NOOP("trainer::ChartWindow", "Stratégiai táblázat: tartsd meg, amit az első illő sor mond"), 60, 4800, 8280, 4680, {}, -1},
};
// clang-format on
constexpr int paytableRect[] = {120, 270, 4080, 3810}; // in Frame1
constexpr int progressRect[] = {4500, 3000, 3780, 300};
constexpr int linesRect[] = {120, 270, 8040, 4290}; // in Frame2
constexpr int windowWidth = 8400, windowHeight = 9600;

QRect rectOf(const int (&r)[4]) {
    return controls::pxRect(r[0], r[1], r[2], r[3]);
}

QTableWidget* makeTable(QWidget* parent, const char* name, const int (&r)[4]) {
    auto* t = new QTableWidget(0, 2, parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(rectOf(r));
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::TabFocus);
    t->setTabKeyNavigation(false);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setWordWrap(true);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
    t->horizontalHeader()->setStretchLastSection(false);
    return t;
}

void setRow(QTableWidget* t, int row, const QString& a, const QString& b) {
    for (int c = 0; c < 2; ++c) {
        auto* item = new QTableWidgetItem(c == 0 ? a : b);
        item->setFlags(Qt::ItemIsEnabled);
        if (c == 0)
            item->setData(Qt::AccessibleTextRole, Words::spoken(a));
        else
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setItem(row, c, item);
    }
}

// The second column as wide as given, the first taking the rest of the table's width beside
// a scroll bar (known now, before the window is laid out, so that rows take their height at
// once).
void setSecondColumn(QTableWidget* t, int twips) {
    const int second = controls::px(twips);
    t->setColumnWidth(1, second);
    t->setColumnWidth(0, t->width() - 2 * t->frameWidth() -
                             t->verticalScrollBar()->sizeHint().width() - second);
}

} // namespace

ChartWindow::ChartWindow() {
    setObjectName(QStringLiteral("strategia"));
    setWindowIcon(QIcon(QStringLiteral(":/design/options_icon.png")));
    controls::makeFixedWindow(this, windowWidth, windowHeight);
    controls::setWindowRole(this, QAccessible::Window);
    c_ = std::make_unique<controls::ControlSet>(this, windowControls);
    const controls::ControlSet& c = *c_;
    title_ = c.get<QLabel>("Label1");
    returns_ = c.get<QLabel>("Label2");
    status_ = c.get<QLabel>("Label3");
    for (QLabel* label : {returns_, status_}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFocusPolicy(Qt::TabFocus);
    }
    save_ = c.get<QPushButton>("Command1");
    connect(save_, &QPushButton::clicked, this, &ChartWindow::Command1_Click);
    // Its letter as a key press, so that a screen reader hears it first, as the table's keys.
    (new controls::KeyCommands(this))->addMnemonic(save_);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("Progress1"));
    progress_->setGeometry(rectOf(progressRect));
    progress_->setRange(0, 100);
    paytable_ = makeTable(c["Frame1"], "Grid1", paytableRect);
    lines_ = makeTable(c["Frame2"], "Grid2", linesRect);
    lines_->setTextElideMode(Qt::ElideNone);
    setSecondColumn(paytable_, 960);
    setSecondColumn(lines_, 1080);
    // Read as laid out: the returns, how far the work is, the card, the paytable, the chart.
    setTabOrder(returns_, status_);
    setTabOrder(status_, save_);
    setTabOrder(save_, paytable_);
    setTabOrder(paytable_, lines_);
    nameFixedTexts();
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::nameFixedTexts() {
    setWindowTitle(tr("Stratégia"));
    paytable_->setHorizontalHeaderLabels({tr("Kéz"), tr("Fizet")});
    paytable_->setAccessibleName(tr("Kifizetési tábla"));
    lines_->setHorizontalHeaderLabels({tr("Sor"), tr("Gyakoriság")});
    lines_->setAccessibleName(tr("Stratégiai táblázat"));
    progress_->setAccessibleName(tr("A táblázat számolása"));
}

void ChartWindow::showGame(const ChosenGame& game) {
    for (const QMetaObject::Connection& connection : serviceConnections_)
        disconnect(connection);
    serviceConnections_.clear();
    game_ = game;
    service_ = &StrategyService::of(game.setup);
    service_->start();
    serviceConnections_
        << connect(service_, &StrategyService::chartProgressed, this, &ChartWindow::refresh)
        << connect(service_, &StrategyService::chartReady, this, &ChartWindow::refresh)
        << connect(service_, &StrategyService::becameReady, this, &ChartWindow::refresh);
    refresh();
}

bool ChartWindow::complete() const {
    return service_ && service_->chart() && !service_->chartFigures().chartReturn.isEmpty();
}

void ChartWindow::refresh() {
    if (!service_)
        return;
    const kartavo::GameSetup& setup = game_.setup;
    title_->setText(
        game_.entry.file.isEmpty()
            ? game_.entry.name
            : tr("%1 (%2)").arg(game_.entry.name, QDir::toNativeSeparators(game_.entry.file)));

    // The paytable: per coin in a casino game, this game's rows at x 1.
    if (setup.casino) {
        const auto rows = kartavo::paytableLines(*setup.casino, texts::keyTranslator());
        paytable_->setRowCount(static_cast<int>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i)
            setRow(paytable_, static_cast<int>(i), QString::fromStdString(rows[i].name),
                   QString::number(rows[i].pay));
        c_->get<QGroupBox>("Frame1")->setTitle(tr("Kifizetési tábla (kredit érménként)"));
    } else {
        paytable_->setRowCount(9);
        for (int row = 1; row <= 9; ++row) {
            const std::string_view amount = kartavo::payoutAmountText(row, 1);
            setRow(paytable_, row - 1, texts::fromKey("Payout", kartavo::payoutLabel(row)),
                   QString::fromUtf8(amount.data(), static_cast<qsizetype>(amount.size())));
        }
        c_->get<QGroupBox>("Frame1")->setTitle(tr("Kifizetési tábla (x 1, minden illő sor fizet)"));
    }

    // The chart and its figures, as far as the engine has them.
    const kartavo::StrategyChart* chart = service_->chart();
    const ChartFigures figures = service_->chartFigures();
    const QString perfect = service_->perfectReturn();
    lines_->setRowCount(chart ? static_cast<int>(chart->lines.size()) : 0);
    for (int row = 0; chart && row < lines_->rowCount(); ++row)
        setRow(lines_, row, tr("%1. %2").arg(row + 1).arg(Words::chartLineName(row, chart)),
               row < figures.shares.size() ? Words::percent(figures.shares[row]) : QString());
    lines_->resizeRowsToContents();

    const auto figure = [](const QString& f) {
        return f.isEmpty() ? tr("számolás…") : Words::percent(f);
    };
    returns_->setText(tr("A táblázat szerinti játék visszatérítése: %1\nTökéletes játékkal: %2")
                          .arg(figure(figures.chartReturn), figure(perfect)));
    returns_->setAccessibleName(
        tr("A táblázat szerinti játék visszatérítése %1, tökéletes játékkal %2.")
            .arg(figure(figures.chartReturn), figure(perfect)));
    const bool done = complete();
    progress_->setVisible(!done);
    if (!chart) {
        progress_->setValue(static_cast<int>(service_->chartProgress() * 100));
        status_->setText(tr("A táblázat levezetése folyik: a program a játék minden "
                            "leosztásából választja ki a legjobb sorokat."));
    } else if (!done) {
        progress_->setRange(0, 0); // the price has no steps to show: busy
        status_->setText(tr("A táblázat pontos árának számolása…"));
    } else {
        progress_->setRange(0, 100);
        status_->setText(tr("%n sor.", nullptr, static_cast<int>(chart->lines.size())));
    }
    if (!chart)
        progress_->setRange(0, 100);
    status_->setAccessibleName(status_->text());
    save_->setEnabled(done);
}

void ChartWindow::Command1_Click() {
    if (!complete())
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = game_.entry.name;
    name.replace(QRegularExpression(QStringLiteral("[^\\w.-]+")), QStringLiteral("-"));
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Stratégiakártya mentése"),
        QDir(folder).filePath(tr("strategia-%1.pdf").arg(name)), tr("PDF-dokumentum (*.pdf)"));
    if (path.isEmpty())
        return;
    saveCard(path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path : path + ".pdf");
}

bool ChartWindow::saveCard(const QString& fileName) {
    if (!complete())
        return false;
    const printing::StrategyCard card = printing::GameCard::of(
        game_.setup, *service_->chart(), service_->perfectReturn(),
        service_->chartFigures().chartReturn, QStringLiteral(KARTAVO_VERSION));
    const printing::WriteResult result = printing::writeStrategyCard(card, fileName);
    if (!result.written()) {
        auto* box =
            new QMessageBox(QMessageBox::Warning, tr("Stratégia"),
                            printing::GameCard::failure(result, fileName), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("mentesHiba"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return false;
    }
    status_->setText(tr("A stratégiakártya elmentve: %1").arg(QDir::toNativeSeparators(fileName)));
    status_->setAccessibleName(status_->text());
    controls::focusAndTell(status_);
    return true;
}

void ChartWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        c_->retranslate();
        nameFixedTexts();
        refresh();
    }
    QWidget::changeEvent(event);
}

void ChartWindow::keyPressEvent(QKeyEvent* event) {
    if (!controls::closeOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace trainer
