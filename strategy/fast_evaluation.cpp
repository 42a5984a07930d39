// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fast_evaluation.h"

#include "number_text.h"
#include "payout_table.h"

#include <array>
#include <bit>

namespace kartavo {

namespace {
constexpr std::string_view rankCodes = "234567890JQKA"; // by value: the ten is "0"
constexpr std::string_view suitCodes = "cdhs";

// Every category that a hand with a caption is credited, in the order of the evaluation; by
// caption, in the order of Category.
struct Credited {
    std::array<Category, 4> categories;
    int count;
};
using C = Category;
// clang-format off
constexpr std::array<Credited, 10> credited = {{
    {{C::OnePair},                                             1}, // "Egy pár"
    {{C::TwoPairs},                                            1},
    {{C::Drill},                                               1},
    {{C::Straight},                                            1},
    {{C::Flush},                                               1},
    {{C::OnePair, C::Drill, C::FullHouse},                     3},
    {{C::Poker},                                               1},
    {{C::Straight, C::Flush, C::StraightFlush},                3},
    {{C::Straight, C::Flush, C::StraightFlush, C::RoyalFlush}, 4},
    {{},                                                       0}, // "Semmi"
}};
// clang-format on

struct CreditTable {
    // [multiplier 0..10][caption]; zero for a multiplier that no button sets.
    int credit[11][10] = {};
    CreditTable() {
        for (int button = 0; button < 4; ++button) {
            const int multiplier = multiplierOfButton(button);
            for (int caption = 0; caption < 10; ++caption) {
                const Credited& list = credited[static_cast<std::size_t>(caption)];
                for (int i = 0; i < list.count; ++i) {
                    const int row = payoutRow(list.categories[static_cast<std::size_t>(i)]);
                    credit[multiplier][caption] +=
                        static_cast<int>(readNumber(payoutAmountText(row, multiplier)));
                }
            }
        }
    }
};
} // namespace

std::optional<CardId> parseCardCode(std::string_view code) {
    if (code.size() != 2)
        return std::nullopt;
    const auto rank = rankCodes.find(code[0]);
    const auto suit = suitCodes.find(code[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos)
        return std::nullopt;
    return cardId(static_cast<int>(rank), static_cast<int>(suit));
}

std::optional<CardId> parseCardCode(std::string_view code, int deckSize) {
    if (deckSize == 53 && code == "Jk")
        return jokerCard;
    return parseCardCode(code);
}

std::string cardCode(CardId card) {
    if (card == jokerCard)
        return "Jk";
    return {rankCodes[static_cast<std::size_t>(rankOf(card))],
            suitCodes[static_cast<std::size_t>(suitOf(card))]};
}

int gameCredit(Category caption, int multiplier) {
    static const CreditTable creditTable;
    return multiplier >= 0 && multiplier <= 10
               ? creditTable.credit[multiplier][static_cast<int>(caption)]
               : 0;
}

} // namespace kartavo
