// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What the trainer keeps of the session since the program started: told of every deal,
// multiplier press and exchange, it sums stakes and credits, weighs each exchange against the
// best one, and keeps the balance after every deal. It lives as long as the program; nothing of
// it is saved.
#pragma once

#include "strategy.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace trainer {

// One exchange weighed against the best hold of its deal, at the deal's multiplier.
struct ExchangeVerdict {
    kartavo::Hand dealt;
    kartavo::HoldValue chosen;
    kartavo::HoldValue best;
    int multiplier;
    double chosenFt() const { return chosen.expected() * multiplier; }
    double bestFt() const { return best.expected() * multiplier; }
    // Exactly zero when the chosen hold was worth as much as the best.
    double lossFt() const { return bestFt() - chosenFt(); }
    bool wasBest() const;
};

class Session {
  public:
    // A deal has taken its stake; the balance is what the table shows now.
    void dealt(const kartavo::Hand& cards, int stake, std::int64_t balance);
    // A multiplier button recomputed the balance from the balance after the deal: the charge
    // on top of the deal's stake is the difference.
    void multiplierPressed(std::int64_t balanceAfterDeal, std::int64_t balance);
    // The exchange settled the hand; ranking is the dealt hand's holds at x 1. Without a ranking
    // (the engine not in use yet) the exchange waits to be weighed until weighPending.
    void exchanged(const kartavo::Hand& finalCards, int multiplier, std::int64_t balance,
                   const kartavo::HoldRanking* ranking);
    // Weighs the exchanges that waited, in their order, with the holds analyse gives.
    void weighPending(const std::function<kartavo::HoldRanking(const kartavo::Hand&)>& analyse);

    int deals() const { return deals_; }
    int exchanges() const { return exchanges_; }
    std::int64_t stakes() const { return dealStakes_ + committedCharges_ + openCharge_; }
    std::int64_t credits() const { return credits_; }
    std::int64_t net() const { return credits() - stakes(); }
    // Credits over stakes; nothing before the first stake.
    std::optional<double> returnShare() const;
    int notBest() const { return notBest_; }
    // The expected Ft that the exchanges that were not the best gave away.
    double notBestCost() const;
    // How many exchanges ended with each caption, by kartavo::Category.
    const std::array<int, 10>& captions() const { return captions_; }
    // The balance after every deal: one point a deal, updated until the next deal.
    const std::vector<std::int64_t>& balances() const { return balances_; }
    // The deal on the table and, once exchanged, its verdict.
    const std::optional<kartavo::Hand>& dealtHand() const { return dealtHand_; }
    const std::optional<ExchangeVerdict>& lastVerdict() const { return verdict_; }

  private:
    struct Unweighed {
        kartavo::Hand dealt;
        std::uint8_t kept;
        int multiplier;
    };
    ExchangeVerdict weigh(const Unweighed& exchange, const kartavo::HoldRanking& ranking);

    int deals_ = 0, exchanges_ = 0, notBest_ = 0;
    std::int64_t dealStakes_ = 0, committedCharges_ = 0, openCharge_ = 0, credits_ = 0;
    std::int64_t balanceBeforeExchange_ = 0;
    // The cost, exactly, in units of 1 / (the common multiple of the draws) Ft.
    std::int64_t notBestCostUnits_ = 0;
    std::array<int, 10> captions_{};
    std::vector<std::int64_t> balances_;
    std::optional<kartavo::Hand> dealtHand_;
    std::optional<ExchangeVerdict> verdict_;
    std::vector<Unweighed> pending_;
    // The latest exchange waits among them, and no deal came after it.
    bool lastPending_ = false;
};

// The hold the player chose: the positions whose card the exchange left in place (a
// replacement is never a card of the deal).
std::uint8_t keptPositions(const kartavo::Hand& dealt, const kartavo::Hand& finalCards);

} // namespace trainer
