// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_deal.h"

#include <array>
#include <numeric>

namespace kartavo {

PracticeDealer::PracticeDealer(std::uint64_t seed) : random_(seed) {}

Hand PracticeDealer::deal() {
    // The first five places of a shuffle: each card drawn from those not yet drawn.
    std::array<CardId, 53> deck{};
    std::iota(deck.begin(), deck.end(), CardId(0));
    Hand hand{};
    for (std::size_t i = 0; i < 5; ++i) {
        std::uniform_int_distribution<std::size_t> pick(i, static_cast<std::size_t>(deckSize_) - 1);
        std::swap(deck[i], deck[pick(random_)]);
        hand[i] = deck[i];
    }
    return hand;
}

std::optional<Hand> PracticeDealer::dealOfLine(const StrategyChart& chart, int line, int maxTries) {
    for (int i = 0; i < maxTries; ++i)
        if (const Hand hand = deal(); chartHold(chart, hand).line == line)
            return hand;
    return std::nullopt;
}

int PracticeDealer::weightedIndex(std::span<const double> weights) {
    double total = 0;
    for (const double w : weights)
        total += w > 0 ? w : 0;
    if (total <= 0)
        return -1;
    double at = std::uniform_real_distribution<double>(0, total)(random_);
    int last = -1;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (weights[i] <= 0)
            continue;
        last = static_cast<int>(i);
        if (at < weights[i])
            return last;
        at -= weights[i];
    }
    return last; // rounding at the very end
}

} // namespace kartavo
