// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The fast evaluation: five cards held as small integers, ranked by bit operations. It gives the
// same caption and the same total credit as the fixed-order evaluation that the game table runs
// (proven on every hand by the tests); the strategy engine uses it, the table keeps its own.
#pragma once

#include "evaluation.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kartavo {

// A card as a small integer 0..51: rank * 4 + suit, with rank 0 (the two) .. 12 (the ace) in
// the order of value and suit 0..3 for "c", "d", "h", "s"; 52 is the joker of a 53-card deck,
// which has no rank or suit of its own (rankOf and suitOf of it mean nothing).
using CardId = std::uint8_t;
using Hand = std::array<CardId, 5>;
inline constexpr CardId jokerCard = 52;

// The cards that stand for any card in a game.
enum class Wild : std::uint8_t {
    None,
    Deuces, // the four 2s
    Joker,  // the joker, the 53rd card
};
constexpr bool isWild(CardId card, Wild wild) {
    return wild == Wild::Deuces ? card < 4 : wild == Wild::Joker && card == jokerCard;
}

constexpr CardId cardId(int rank, int suit) {
    return static_cast<CardId>(rank * 4 + suit);
}
constexpr int rankOf(CardId card) {
    return card >> 2;
}
constexpr int suitOf(CardId card) {
    return card & 3;
}

// A card code as the game writes it: the rank character ("2".."9", "0" for the ten, "J", "Q",
// "K", "A") and the suit letter. Nothing else is a card code.
std::optional<CardId> parseCardCode(std::string_view code);
// The same in a deck of deckSize cards: with 53, "Jk" is the joker too.
std::optional<CardId> parseCardCode(std::string_view code, int deckSize);
// The code of a card; "Jk" for the joker.
std::string cardCode(CardId card);

// The caption that the fixed-order evaluation leaves for five distinct cards.
namespace detail {
// For every set of ranks (bit r for rank r): how many ranks it holds, and whether they are five
// consecutive ones (bit 3), ten to ace (bit 4). The ace counts only high: A-2-3-4-5 is no
// straight.
constexpr std::array<std::uint8_t, 8192> rankSetInfo = [] {
    std::array<std::uint8_t, 8192> info{};
    for (unsigned set = 1; set < 8192; ++set) {
        const auto lowest = static_cast<unsigned>(std::countr_zero(set));
        const bool run = set >> lowest == 0x1F;
        info[set] = static_cast<std::uint8_t>(std::popcount(set) | (run ? 8 : 0) |
                                              (set == 0x1F00 ? 16 : 0));
    }
    return info;
}();
} // namespace detail

inline Category fastCaption(const Hand& h) {
    const unsigned r0 = rankOf(h[0]), r1 = rankOf(h[1]), r2 = rankOf(h[2]), r3 = rankOf(h[3]),
                   r4 = rankOf(h[4]);
    const unsigned ranks = (1u << r0) | (1u << r1) | (1u << r2) | (1u << r3) | (1u << r4);
    // Four bits a rank: how many cards of each rank are held.
    const std::uint64_t counts = (1ull << (4 * r0)) + (1ull << (4 * r1)) + (1ull << (4 * r2)) +
                                 (1ull << (4 * r3)) + (1ull << (4 * r4));
    const unsigned info = detail::rankSetInfo[ranks];
    switch (info & 7) {
    case 5: {
        const bool flush =
            (((h[0] ^ h[1]) | (h[0] ^ h[2]) | (h[0] ^ h[3]) | (h[0] ^ h[4])) & 3) == 0;
        const bool straight = info & 8;
        if (straight && flush)
            return info & 16 ? Category::RoyalFlush : Category::StraightFlush;
        if (flush)
            return Category::Flush;
        return straight ? Category::Straight : Category::Nothing;
    }
    case 4:
        return Category::OnePair;
    case 3: // three of a kind has a rank held three times (count 0b0011), two pairs has none
        return counts & (counts >> 1) & 0x1111111111111ull ? Category::Drill : Category::TwoPairs;
    default: // four of a kind has a rank held four times (count 0b0100)
        return counts & 0x4444444444444ull ? Category::Poker : Category::FullHouse;
    }
}

// The total credit of a hand with that caption at multiplier 1, 2, 5 or 10: the amounts of every
// row that the hand is credited (a full house collects the pair, the three and the full house).
// The amounts are read from the payout table's texts.
int gameCredit(Category caption, int multiplier);

struct FastResult {
    Category caption;
    int credit;
};
inline FastResult fastEvaluate(const Hand& cards, int multiplier = 1) {
    const Category caption = fastCaption(cards);
    return {caption, gameCredit(caption, multiplier)};
}

} // namespace kartavo
