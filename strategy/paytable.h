// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The payout of a final hand, as data: the strategy engine analyses any paytable through it.
#pragma once

#include "fast_evaluation.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kartavo {

struct Paytable {
    std::string name;
    std::string unit;   // of the stake and the credits, for printing ("Ft")
    std::int64_t stake; // what one deal costs
    // The credit of five distinct cards of the deck, at most 1,000,000. It may depend on the
    // suits only through which cards share a suit (true of every poker paytable), and not on the
    // order of the cards: the game's return relies on it.
    std::function<std::int32_t(const Hand&)> credit;
    int deckSize = 52; // the cards of the deck: 52, or 53 with the joker
};

// This game at multiplier 1, 2, 5 or 10: stake 2 x multiplier, every credited row paid.
// Every amount and the stake are the x 1 amounts times the multiplier, so every hold's value
// grows by that same factor: the best hold of every deal, and the return as a share of the
// stake, are the same at every multiplier.
Paytable gamePaytable(int multiplier);

// Standard 9/6 Jacks or Better, for one coin: only the best category pays; a pair pays from
// jacks up; the ace also counts low (A-2-3-4-5 is a straight). The game "job96" of
// casino_games.h.
Paytable jacksOrBetter96();

} // namespace kartavo
