// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

namespace trainer {

bool ExchangeVerdict::wasBest() const {
    return chosen.valueUnits() == best.valueUnits();
}

std::uint8_t keptPositions(const kartavo::Hand& dealt, const kartavo::Hand& finalCards) {
    std::uint8_t kept = 0;
    for (std::size_t p = 0; p < 5; ++p)
        if (dealt[p] == finalCards[p])
            kept = static_cast<std::uint8_t>(kept | (1u << p));
    return kept;
}

void Session::dealt(const kartavo::Hand& cards, int stake, std::int64_t balance) {
    ++deals_;
    dealStakes_ += stake;
    committedCharges_ += openCharge_;
    openCharge_ = 0;
    balanceBeforeExchange_ = balance;
    balances_.push_back(balance);
    dealtHand_ = cards;
    verdict_.reset();
    lastPending_ = false;
}

void Session::multiplierPressed(std::int64_t balanceAfterDeal, std::int64_t balance) {
    openCharge_ = balanceAfterDeal - balance;
    balanceBeforeExchange_ = balance;
    if (!balances_.empty())
        balances_.back() = balance;
}

void Session::exchanged(const kartavo::Hand& finalCards, int multiplier, std::int64_t balance,
                        const kartavo::HoldRanking* ranking) {
    ++exchanges_;
    credits_ += balance - balanceBeforeExchange_;
    balanceBeforeExchange_ = balance;
    if (!balances_.empty())
        balances_.back() = balance;
    ++captions_[static_cast<std::size_t>(kartavo::fastCaption(finalCards))];
    if (!dealtHand_)
        return;
    const Unweighed exchange{*dealtHand_, keptPositions(*dealtHand_, finalCards), multiplier};
    dealtHand_.reset();
    if (ranking) {
        verdict_ = weigh(exchange, *ranking);
    } else {
        pending_.push_back(exchange);
        lastPending_ = true;
    }
}

ExchangeVerdict Session::weigh(const Unweighed& exchange, const kartavo::HoldRanking& ranking) {
    ExchangeVerdict v{exchange.dealt, ranking[0], ranking[0], exchange.multiplier};
    for (const kartavo::HoldValue& hold : ranking)
        if (hold.kept == exchange.kept)
            v.chosen = hold;
    if (!v.wasBest()) {
        ++notBest_;
        notBestCostUnits_ += (v.best.valueUnits() - v.chosen.valueUnits()) * exchange.multiplier;
    }
    return v;
}

void Session::weighPending(
    const std::function<kartavo::HoldRanking(const kartavo::Hand&)>& analyse) {
    for (const Unweighed& exchange : pending_) {
        const ExchangeVerdict v = weigh(exchange, analyse(exchange.dealt));
        if (lastPending_ && &exchange == &pending_.back())
            verdict_ = v;
    }
    pending_.clear();
    lastPending_ = false;
}

std::optional<double> Session::returnShare() const {
    if (stakes() <= 0)
        return std::nullopt;
    return static_cast<double>(credits()) / static_cast<double>(stakes());
}

double Session::notBestCost() const {
    return static_cast<double>(notBestCostUnits_) / static_cast<double>(kartavo::drawsMultiple);
}

} // namespace trainer
