// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice deals: five cards drawn as the game draws them, from a generator of their own (the
// table's deck is never touched). A hand of one line of a chart is a fresh deal kept only when
// that line decides it, so a line's hands come in the proportions the game deals them.
#pragma once

#include "strategy_chart.h"

#include <cstdint>
#include <optional>
#include <random>
#include <span>

namespace kartavo {

class PracticeDealer {
  public:
    explicit PracticeDealer(std::uint64_t seed);

    // The deck dealt from: 52 cards (the default), or 53 with the joker.
    void setDeckSize(int deckSize) { deckSize_ = deckSize == 53 ? 53 : 52; }
    // Five distinct cards of the deck, every deal and every order of its cards equally likely.
    Hand deal();
    // A deal that the chart's line decides (the first line it meets), drawn again until one
    // comes; none after maxTries deals (a line that no deal reaches).
    std::optional<Hand> dealOfLine(const StrategyChart& chart, int line, int maxTries = 1'000'000);
    // An index drawn with a chance proportional to its weight; -1 when no weight is above zero.
    int weightedIndex(std::span<const double> weights);

  private:
    std::mt19937_64 random_;
    int deckSize_ = 52;
};

} // namespace kartavo
