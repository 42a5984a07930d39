#include "fast_evaluation.h"

#include "number_text.h"
#include "payout_table.h"

#include <array>
#include <bit>

namespace kartavo {

namespace {
constexpr std::string_view rankCodes = "234567890JQKA"; // by value: the ten is "0"
constexpr std::string_view suitCodes = "cdhs";
constexpr unsigned royalRanks = 0x1F00; // ten to ace

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
    // [multiplier button 0..3][caption]
    int credit[4][10] = {};
    CreditTable() {
        for (int button = 0; button < 4; ++button)
            for (int caption = 0; caption < 10; ++caption) {
                const Credited& list = credited[static_cast<std::size_t>(caption)];
                for (int i = 0; i < list.count; ++i) {
                    const int row = payoutRow(list.categories[static_cast<std::size_t>(i)]);
                    credit[button][caption] += static_cast<int>(
                        readNumber(payoutAmountText(row, multiplierOfButton(button))));
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

std::string cardCode(CardId card) {
    return {rankCodes[static_cast<std::size_t>(rankOf(card))],
            suitCodes[static_cast<std::size_t>(suitOf(card))]};
}

Category fastCaption(const Hand& h) {
    // Bit r of seen[n] is set when rank r is held more than n times.
    unsigned once = 0, twice = 0, thrice = 0, four = 0;
    for (CardId c : h) {
        const unsigned bit = 1u << rankOf(c);
        four |= thrice & bit;
        thrice |= twice & bit;
        twice |= once & bit;
        once |= bit;
    }
    switch (std::popcount(once)) {
    case 5: {
        const bool flush =
            (((h[0] ^ h[1]) | (h[0] ^ h[2]) | (h[0] ^ h[3]) | (h[0] ^ h[4])) & 3) == 0;
        // Five consecutive ranks; the ace counts only high, so A-2-3-4-5 is no straight.
        const bool straight = once >> std::countr_zero(once) == 0x1F;
        if (straight && flush)
            return once == royalRanks ? Category::RoyalFlush : Category::StraightFlush;
        if (flush)
            return Category::Flush;
        return straight ? Category::Straight : Category::Nothing;
    }
    case 4:
        return Category::OnePair;
    case 3:
        return thrice ? Category::Drill : Category::TwoPairs;
    default:
        return four ? Category::Poker : Category::FullHouse;
    }
}

int gameCredit(Category caption, int multiplier) {
    static const CreditTable table;
    for (int button = 0; button < 4; ++button)
        if (multiplierOfButton(button) == multiplier)
            return table.credit[button][static_cast<int>(caption)];
    return 0;
}

} // namespace kartavo
