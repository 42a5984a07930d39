#include "trainer.h"

#include "board.h"
#include "cards.h"
#include "number_text.h"
#include "payout_table.h"
#include "strategy_service.h"

#include <QEvent>
#include <QTimer>

namespace trainer {

Trainer::Trainer(board* table) : QObject(table), table_(table) {
    connect(table, &board::dealt, this, &Trainer::onDealt);
    connect(table, &board::multiplierChanged, this, &Trainer::onMultiplierChanged);
    connect(table, &board::exchanged, this, &Trainer::onExchanged);
    connect(&StrategyService::instance(), &StrategyService::becameReady, this,
            [this] { refresh(); });
    table->installEventFilter(this);
}

Trainer::~Trainer() {
    delete window_.data();
}

bool Trainer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_) {
        // The tables are built once the table is on the screen, so they never delay it.
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, &StrategyService::instance(), &StrategyService::start);
        // The analysis window goes with the table.
        if (event->type() == QEvent::Close && window_)
            window_->close();
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
    if (const std::optional<kartavo::HoldValue> best = bestHold())
        table_->showTip(best->kept);
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
    session_.exchanged(final, view.multiplier, kartavo::toMoney(view.balance()), ranking());
    chosen_ = keptPositions(dealt, final);
    refresh();
}

void Trainer::openWindow() {
    if (!window_) {
        window_ = new AnalysisWindow;
        window_->placeBeside(table_);
    }
    refresh(true);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void Trainer::refresh(bool force) {
    if (!window_ || (!force && !window_->isVisible()))
        return;
    HandView view;
    view.multiplier = table_->view().multiplier;
    if (session_.dealtHand()) {
        view.dealt = session_.dealtHand();
        view.ranking = ranking();
    } else if (const auto& v = session_.lastVerdict(); v && chosen_) {
        view.dealt = v->dealt;
        view.ranking = ranking_;
        view.chosen = chosen_;
        view.multiplier = v->multiplier;
    }
    window_->display(view, session_, StrategyService::instance().perfectReturn());
}

} // namespace trainer
