// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_window.h"

#include "accessible.h"
#include "analysis_window.h"
#include "control_table.h"
#include "game_choice.h"
#include "language.h"
#include "progress_store.h"
#include "question_keys.h"
#include "strategy_service.h"
#include "trainer_words.h"
#include "twips.h"
#include "window_role.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <functional>

namespace trainer {

namespace {

using controls::Kind;

// clang-format off
constexpr controls::ControlRow windowControls[] = {
    {"Label2",   Kind::Label,  nullptr,  QT_TRANSLATE_NOOP("trainer::ProgressWindow", "&Játék:"),   120, 150, 1080, 270, {}, -1},
    {"Frame1",   Kind::Frame,  nullptr,  QT_TRANSLATE_NOOP("trainer::ProgressWindow", "A táblázat sorai szerint"), 60, 540, 8280, 4680, {}, -1},
    {"Frame2",   Kind::Frame,  nullptr,  nullptr,                                                  60, 5280, 8280, 3000, {}, -1},
    {"Label1",   Kind::Label,  nullptr,  nullptr,                                                  120, 8400, 6600, 720, {}, 2},
    {"Command1", Kind::Button, nullptr,  QT_TRANSLATE_NOOP("trainer::ProgressWindow", "Törlés"),   6960, 8460, 1320, 375, {}, 3},
};
// clang-format on
constexpr int gamesRect[] = {1200, 90, 7080, 360};
constexpr int linesRect[] = {120, 270, 8040, 4290}; // in Frame1
constexpr int chartRect[] = {120, 270, 8040, 2610}; // in Frame2
constexpr int windowWidth = 8400, windowHeight = 9240;
constexpr int days = 30; // the chart's days, today the last

const char* const headers[] = {
    QT_TRANSLATE_NOOP("trainer::ProgressWindow", "Sor"),
    QT_TRANSLATE_NOOP("trainer::ProgressWindow", "Leosztás"),
    QT_TRANSLATE_NOOP("trainer::ProgressWindow", "Helyes"),
    QT_TRANSLATE_NOOP("trainer::ProgressWindow", "Ár/100"),
    QT_TRANSLATE_NOOP("trainer::ProgressWindow", "7 nap"),
    QT_TRANSLATE_NOOP("trainer::ProgressWindow", "Helyes"),
    QT_TRANSLATE_NOOP("trainer::ProgressWindow", "Ár/100"),
};

QRect rectOf(const int (&r)[4]) {
    return controls::pxRect(r[0], r[1], r[2], r[3]);
}

} // namespace

// The cost per 100 hands of each of the last days, as bars; a day without hands has none.
class DayChart : public QWidget {
  public:
    explicit DayChart(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::TabFocus); }
    // money: how an amount of the game is written.
    void setDays(std::vector<std::optional<double>> values, std::function<QString(double)> money) {
        values_ = std::move(values);
        money_ = std::move(money);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::gray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        double top = 0;
        for (const auto& v : values_)
            top = std::max(top, v.value_or(0));
        const QFontMetrics fm(font());
        p.setPen(Qt::black);
        p.drawText(4, fm.ascent() + 2, money_ ? money_(top) : QString());
        if (values_.empty() || top <= 0)
            return;
        const QRect area = rect().adjusted(4, fm.height() + 4, -4, -4);
        const double w = static_cast<double>(area.width()) / static_cast<double>(values_.size());
        for (std::size_t i = 0; i < values_.size(); ++i) {
            if (!values_[i])
                continue;
            const int h = static_cast<int>(area.height() * *values_[i] / top);
            p.fillRect(QRectF(area.left() + w * static_cast<double>(i) + 1, area.bottom() - h,
                              std::max(1.0, w - 2), h),
                       QColor(200, 60, 60));
        }
    }

  private:
    std::vector<std::optional<double>> values_;
    std::function<QString(double)> money_;
};

ProgressWindow::ProgressWindow() {
    setObjectName(QStringLiteral("haladas"));
    setWindowIcon(QIcon(QStringLiteral(":/design/options_icon.png")));
    controls::makeFixedWindow(this, windowWidth, windowHeight);
    controls::setWindowRole(this, QAccessible::Window);
    c_ = std::make_unique<controls::ControlSet>(this, windowControls);
    const controls::ControlSet& c = *c_;
    where_ = c.get<QLabel>("Label1");
    where_->setWordWrap(true);
    where_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    where_->setFocusPolicy(Qt::TabFocus);
    reset_ = c.get<QPushButton>("Command1");
    connect(reset_, &QPushButton::clicked, this, &ProgressWindow::Command1_Click);
    games_ = new QComboBox(this);
    games_->setObjectName(QStringLiteral("Combo1"));
    games_->setGeometry(rectOf(gamesRect));
    c.get<QLabel>("Label2")->setBuddy(games_); // Alt+J
    connect(games_, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= games_->count())
            return;
        showGame(games_->itemData(index).toString());
        // The game chosen by an arrow key is read out.
        if (games_->hasFocus())
            controls::focusAndTell(games_);
    });

    lines_ = new QTableWidget(0, static_cast<int>(std::size(headers)), c["Frame1"]);
    lines_->setObjectName(QStringLiteral("Grid1"));
    lines_->setGeometry(rectOf(linesRect));
    lines_->verticalHeader()->hide();
    lines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lines_->setSelectionMode(QAbstractItemView::NoSelection);
    lines_->setFocusPolicy(Qt::TabFocus);
    lines_->setTabKeyNavigation(false);
    lines_->setWordWrap(true);
    lines_->setColumnWidth(0, controls::px(2760));
    for (int col = 1; col < lines_->columnCount(); ++col)
        lines_->setColumnWidth(col, controls::px(840));

    chart_ = new DayChart(c["Frame2"]);
    chart_->setObjectName(QStringLiteral("Chart1"));
    chart_->setGeometry(rectOf(chartRect));
    nameFixedTexts();
    setTabOrder(games_, lines_);
    setTabOrder(lines_, chart_);
    setTabOrder(chart_, where_);
    setTabOrder(where_, reset_);

    connect(&ProgressStore::instance(), &ProgressStore::changed, this, &ProgressWindow::refresh);
    refresh();
}

ProgressWindow::~ProgressWindow() = default;

// The texts that follow only the language.
void ProgressWindow::nameFixedTexts() {
    setWindowTitle(tr("Haladás"));
    games_->setAccessibleName(tr("Játék"));
    // Read for the list it names, without its colon.
    c_->get<QLabel>("Label2")->setAccessibleName(tr("Játék"));
    QStringList labels;
    for (const char* h : headers)
        labels << tr(h);
    lines_->setHorizontalHeaderLabels(labels);
    lines_->setAccessibleName(tr("A táblázat sorai szerint"));
    chart_->setAccessibleName(tr("Költség 100 leosztásonként, naponta"));
}

void ProgressWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        c_->retranslate();
        nameFixedTexts();
        refresh();
        chart_->update();
    }
    QWidget::changeEvent(event);
}

void ProgressWindow::showGame(const QString& key) {
    key_ = key;
    refresh();
}

void ProgressWindow::refresh() {
    const ProgressStore& store = ProgressStore::instance();
    const Progress& progress = store.progress();
    // The games with progress, and the one shown even without.
    std::vector<std::pair<QString, QString>> games = progress.games();
    if (std::none_of(games.begin(), games.end(), [this](const auto& g) { return g.first == key_; }))
        games.emplace_back(key_, QString());
    {
        const QSignalBlocker quiet(games_);
        games_->clear();
        for (const auto& [key, name] : games) {
            const std::optional<ChosenGame> game = gameOfKey(key, name);
            games_->addItem(game ? game->entry.name : key, key);
            if (key == key_)
                games_->setCurrentIndex(games_->count() - 1);
        }
        games_->setAccessibleDescription(games_->currentText());
    }
    const std::optional<ChosenGame> game = gameOfKey(key_, games_->currentText());
    const kartavo::StrategyChart* chart = nullptr;
    if (game) {
        // A player's own paytable's chart is derived once; the lines are named when it is there.
        StrategyService& service = StrategyService::of(game->setup);
        chart = service.chart();
        if (!chart) {
            service.start();
            connect(&service, &StrategyService::chartReady, this, &ProgressWindow::refresh,
                    Qt::UniqueConnection);
        }
    }
    const bool casino = game && game->setup.casino;
    const auto money = [game](double v) { return game ? Words::money(game->setup, v) : QString(); };
    c_->get<QGroupBox>("Frame2")->setTitle(
        casino ? tr("Költség 100 leosztásonként, naponta (kredit)")
               : tr("Költség 100 leosztásonként, naponta (Ft, x 1)"));

    const QDate today = QDate::currentDate();
    const int lineCount = chart ? static_cast<int>(chart->lines.size()) : 0;
    const std::vector<LineTally> all = progress.tallies({}, key_, lineCount);
    const std::vector<LineTally> week = progress.tallies(today.addDays(-6), key_, lineCount);
    lines_->setRowCount(static_cast<int>(all.size()) + 1);
    LineTally allSum, weekSum;
    const auto figures = [](const LineTally& t) {
        if (t.hands == 0)
            return QStringList{QStringLiteral("0"), QStringLiteral("–"), QStringLiteral("–")};
        return QStringList{QString::number(t.hands),
                           Words::percent(QString::number(t.rightShare() * 100, 'f', 0)),
                           texts::decimal(t.costPer100(), 2)};
    };
    for (int row = 0; row <= static_cast<int>(all.size()); ++row) {
        const bool total = row == static_cast<int>(all.size());
        const LineTally a = total ? allSum : all[static_cast<std::size_t>(row)];
        const LineTally w = total ? weekSum : week[static_cast<std::size_t>(row)];
        if (!total) {
            allSum.add(a);
            weekSum.add(w);
        }
        const QStringList cells =
            QStringList{total ? tr("Összesen")
                              : tr("%1. %2").arg(row + 1).arg(chart || key_ == thisGame
                                                                  ? Words::chartLineName(row, chart)
                                                                  : QString())} +
            figures(a) + figures(w);
        for (int col = 0; col < cells.size(); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            item->setFlags(Qt::ItemIsEnabled);
            if (col > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            else
                item->setData(Qt::AccessibleTextRole, Words::spoken(cells[col]));
            lines_->setItem(row, col, item);
        }
    }
    lines_->resizeRowsToContents();

    std::vector<std::optional<double>> values(days);
    const std::map<QDate, LineTally> totals = progress.dayTotals(key_);
    for (int i = 0; i < days; ++i)
        if (const auto it = totals.find(today.addDays(i - days + 1));
            it != totals.end() && it->second.hands > 0)
            values[static_cast<std::size_t>(i)] = it->second.costPer100();
    chart_->setDays(values, money);
    chart_->setAccessibleDescription(
        values.back() && game
            ? tr("Ma %1 100 leosztásonként.").arg(Words::spokenMoney(game->setup, *values.back()))
            : tr("Ma még nincs leosztás."));

    const QString path = store.path();
    where_->setText(store.keeping() ? tr("A haladás fájlja: %1").arg(path)
                                    : tr("A haladás nem marad meg (a fájl: %1).").arg(path));
    where_->setAccessibleName(store.keeping() ? tr("A haladás fájlja, %1").arg(path)
                                              : tr("A haladás nem marad meg, a fájl %1").arg(path));
}

void ProgressWindow::Command1_Click() {
    auto* ask = new QMessageBox(QMessageBox::Question, tr("Haladás"),
                                tr("Törlöd ennek a játéknak az eddigi haladását: %1? Minden "
                                   "sor számai és a hibáid elvesznek, és elölről kezdődik.")
                                    .arg(games_->currentText()),
                                QMessageBox::Yes | QMessageBox::No, this);
    ask->setObjectName(QStringLiteral("torlesKerdes"));
    ask->setDefaultButton(QMessageBox::No);
    ask->button(QMessageBox::Yes)->setText(tr("Igen"));
    ask->button(QMessageBox::No)->setText(tr("Nem"));
    ask->setAttribute(Qt::WA_DeleteOnClose);
    connect(ask, &QMessageBox::finished, this, [ask, key = key_](int) {
        if (ask->clickedButton() == ask->button(QMessageBox::Yes))
            ProgressStore::instance().clear(key);
    });
    ask->open();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (!controls::closeOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace trainer
