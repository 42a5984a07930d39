// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainer.h"

#include "board.h"
#include "cards.h"
#include "exchange_warning.h"
#include "number_text.h"
#include "payout_table.h"
#include "practice_window.h"
#include "progress_store.h"
#include "progress_window.h"
#include "strategy_chart.h"
#include "strategy_service.h"
#include "trainer_words.h"
#include "window_dock.h"

#include <QEvent>
#include <QMessageBox>
#include <QRandomGenerator>
#include <algorithm>

namespace trainer {

namespace {
bool warning = false;
}

bool Trainer::warnsOfCostlyExchange() {
    return warning;
}

void Trainer::setWarnsOfCostlyExchange(bool on) {
    warning = on;
}

Trainer::Trainer(board* table) : QObject(table), table_(table) {
    connect(table, &board::dealt, this, &Trainer::onDealt);
    connect(table, &board::multiplierChanged, this, &Trainer::onMultiplierChanged);
    connect(table, &board::exchanged, this, &Trainer::onExchanged);
    connect(&StrategyService::instance(), &StrategyService::becameReady, this, [this] {
        session_.weighPending(
            [](const kartavo::Hand& h) { return StrategyService::instance().analyse(h); });
        refresh();
    });
    // A problem with the progress file is told once, beside the table.
    connect(&ProgressStore::instance(), &ProgressStore::trouble, this, [this](const QString& text) {
        auto* box =
            new QMessageBox(QMessageBox::Warning, tr("Haladás"), text, QMessageBox::Ok, table_);
        box->setObjectName(QStringLiteral("haladasUzenet"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    table->installEventFilter(this);
    table->addOption([] { return tr("Figyelmeztetés rossz cserénél"); }, warnsOfCostlyExchange,
                     [this](bool on) {
                         setWarnsOfCostlyExchange(on);
                         if (on)
                             use();
                     });
    table->setExchangeGuard([this] { return allowExchange(); });
}

void Trainer::use() {
    StrategyService::instance().start();
    ProgressStore::instance().load();
}

Trainer::~Trainer() {
    delete window_.data();
    delete practice_.data();
    delete progress_.data();
    delete chart_.data();
}

bool Trainer::eventFilter(QObject* watched, QEvent* event) {
    // The analysis window goes with the table.
    // The trainer's windows go with the table, and the progress is written.
    if (watched == table_ && event->type() == QEvent::Close) {
        for (QWidget* w :
             {static_cast<QWidget*>(window_.data()), static_cast<QWidget*>(practice_.data()),
              static_cast<QWidget*>(progress_.data()), static_cast<QWidget*>(chart_.data())})
            if (w)
                w->close();
        if (ProgressStore::instance().loaded())
            ProgressStore::instance().flush();
    }
    return QObject::eventFilter(watched, event);
}

kartavo::Hand Trainer::handOnTable() const {
    kartavo::Hand h{};
    const TableView view = table_->view();
    for (std::size_t p = 0; p < 5; ++p) {
        const std::string& path = view.cards[p];
        h[p] = kartavo::parseCardCode(
                   std::string{kartavo::rankOfCard(path), kartavo::suitOfCard(path)})
                   .value_or(0);
    }
    return h;
}

const kartavo::HoldRanking& Trainer::ranking() {
    if (!ranking_)
        ranking_ = StrategyService::instance().analyse(*session_.dealtHand());
    return *ranking_;
}

std::optional<kartavo::HoldValue> Trainer::bestHold() {
    if (!session_.dealtHand())
        return std::nullopt;
    return ranking()[0];
}

void Trainer::giveTip() {
    use();
    if (const std::optional<kartavo::HoldValue> best = bestHold())
        table_->showTip(best->kept);
}

bool Trainer::allowExchange() {
    if (!warning || !session_.dealtHand())
        return true;
    const TableView view = table_->view();
    std::uint8_t kept = 0;
    for (std::size_t p = 0; p < 5; ++p)
        if (!view.marked[p])
            kept = static_cast<std::uint8_t>(kept | (1u << p));
    const kartavo::HoldRanking& holds = ranking();
    const kartavo::HoldValue& best = holds[0];
    const auto marked = std::find_if(
        holds.begin(), holds.end(), [kept](const kartavo::HoldValue& v) { return v.kept == kept; });
    // A hold worth exactly as much as the best is no mistake.
    if (marked == holds.end() || marked->valueUnits() == best.valueUnits())
        return true;
    const kartavo::Hand dealt = *session_.dealtHand();
    const double loss = (best.expected() - marked->expected()) * view.multiplier;
    const std::uint8_t bestKept = best.kept;
    // Said again in the language in force when it changes while the question shows.
    auto* question = new ExchangeWarning(table_, [dealt, loss, bestKept] {
        const QString bestText = bestKept == 0
                                     ? tr("cseréld mind az öt lapot")
                                     : tr("tartsd meg: %1").arg(Words::keptText(dealt, bestKept));
        return WarningTexts{
            tr("Ez a csere várhatóan %1-tal kevesebbet ér a legjobbnál.\n"
               "A legjobb: %2.")
                .arg(Words::forints(loss), bestText),
            tr("Ez a csere várhatóan %1tal kevesebbet ér a legjobbnál. A legjobb csere, %2.")
                .arg(Words::spokenForints(loss), Words::spokenKept(dealt, bestKept))};
    });
    question->show();
    return false;
}

void Trainer::onDealt() {
    const TableView view = table_->view();
    session_.dealt(handOnTable(), kartavo::baseStake * view.multiplier,
                   kartavo::toMoney(view.balance()));
    ranking_.reset();
    chosen_.reset();
    refresh();
}

void Trainer::onMultiplierChanged() {
    const TableView view = table_->view();
    session_.multiplierPressed(view.balanceAfterDeal, kartavo::toMoney(view.balance()));
    refresh();
}

void Trainer::onExchanged() {
    if (!session_.dealtHand())
        return;
    const kartavo::Hand dealt = *session_.dealtHand();
    const kartavo::Hand final = handOnTable();
    const TableView view = table_->view();
    // Weighed now only once the trainer is in use; until then the exchange waits for the tables.
    session_.exchanged(final, view.multiplier, kartavo::toMoney(view.balance()),
                       StrategyService::instance().started() ? &ranking() : nullptr);
    chosen_ = keptPositions(dealt, final);
    // Once the engine is on, every exchange counts for the player's progress, at x 1.
    if (const auto& v = session_.lastVerdict(); v && StrategyService::instance().started())
        ProgressStore::instance().record(
            kartavo::chartHold(kartavo::gameChart(), dealt).line, dealt, v->chosen.kept,
            static_cast<double>(v->best.valueUnits() - v->chosen.valueUnits()) /
                static_cast<double>(kartavo::drawsMultiple));
    refresh();
}

void Trainer::openWindow() {
    use();
    if (!window_)
        window_ = new AnalysisWindow;
    refresh(true);
    window_->focusLead();
    controls::showBeside(window_, table_, table_->playArea());
}

namespace {
std::optional<std::uint64_t> practiceSeed;
} // namespace

void Trainer::setPracticeSeed(std::optional<std::uint64_t> seed) {
    practiceSeed = seed;
}

void Trainer::openPractice() {
    use();
    if (!practice_) {
        practice_ =
            new PracticeWindow(practiceSeed.value_or(QRandomGenerator::global()->generate64()));
        connect(practice_, &PracticeWindow::chartWanted, this, &Trainer::openChart);
        // An open chart window follows the game practised.
        connect(practice_, &PracticeWindow::gameChanged, this, [this](const ChosenGame& game) {
            if (chart_ && controls::isOpen(chart_))
                chart_->showGame(game);
        });
    }
    controls::showBeside(practice_, table_, table_->playArea());
}

void Trainer::openChart(const ChosenGame& game) {
    use();
    if (!chart_)
        chart_ = new ChartWindow;
    chart_->showGame(game);
    controls::showBeside(chart_, table_, table_->playArea());
}

void Trainer::openProgress() {
    use();
    if (!progress_)
        progress_ = new ProgressWindow;
    if (!controls::isOpen(progress_))
        // At first the game practised.
        progress_->showGame(practice_ ? practice_->game().entry.key
                                      : GameChoice().currentEntry().key);
    progress_->refresh();
    controls::showBeside(progress_, table_, table_->playArea());
}

void Trainer::refresh(bool force) {
    if (!window_ || (!force && !controls::isOpen(window_)))
        return;
    HandView view;
    view.multiplier = table_->view().multiplier;
    if (session_.dealtHand()) {
        view.dealt = session_.dealtHand();
        view.ranking = ranking();
    } else if (const auto& v = session_.lastVerdict(); v && chosen_) {
        // Opened first after the exchange: the holds of the hand just played all the same.
        if (!ranking_)
            ranking_ = StrategyService::instance().analyse(v->dealt);
        view.dealt = v->dealt;
        view.ranking = ranking_;
        view.chosen = chosen_;
        view.multiplier = v->multiplier;
    }
    window_->display(view, session_, StrategyService::instance().perfectReturn(),
                     StrategyService::instance().chartFigures());
}

} // namespace trainer
