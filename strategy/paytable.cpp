// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paytable.h"

#include "payout_table.h"

#include <algorithm>
#include <array>
#include <bit>

namespace kartavo {

Paytable gamePaytable(int multiplier) {
    return {"Kartavo x " + std::to_string(multiplier), "Ft", baseStake * multiplier,
            [multiplier](const Hand& h) { return gameCredit(fastCaption(h), multiplier); }};
}

namespace {
// 9/6 Jacks or Better, reckoned on its own (not through this game's evaluation).
std::int32_t jacksOrBetterCredit(const Hand& h) {
    std::array<int, 13> count{};
    bool flush = true;
    unsigned ranks = 0;
    for (CardId c : h) {
        ++count[static_cast<std::size_t>(rankOf(c))];
        ranks |= 1u << rankOf(c);
        flush = flush && suitOf(c) == suitOf(h[0]);
    }
    std::array<int, 13> sorted = count;
    std::sort(sorted.rbegin(), sorted.rend());
    const bool distinct = sorted[0] == 1;
    const bool wheel = ranks == 0x100F; // A-2-3-4-5
    const bool straight = distinct && (ranks >> std::countr_zero(ranks) == 0x1F || wheel);
    if (straight && flush)
        return ranks == 0x1F00 ? 800 : 50;
    if (sorted[0] == 4)
        return 25;
    if (sorted[0] == 3 && sorted[1] == 2)
        return 9;
    if (flush)
        return 6;
    if (straight)
        return 4;
    if (sorted[0] == 3)
        return 3;
    if (sorted[0] == 2 && sorted[1] == 2)
        return 2;
    if (sorted[0] == 2)
        for (int r = 9; r <= 12; ++r) // jack .. ace
            if (count[static_cast<std::size_t>(r)] == 2)
                return 1;
    return 0;
}
} // namespace

Paytable jacksOrBetter96() {
    return {"9/6 Jacks or Better", "kredit", 1, jacksOrBetterCredit};
}

} // namespace kartavo
