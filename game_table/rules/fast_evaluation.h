// The fast evaluation: five cards held as small integers, ranked by bit operations. It gives the
// same caption and the same total credit as the fixed-order evaluation that the game table runs
// (proven on every hand by the tests); the strategy engine uses it, the table keeps its own.
#pragma once

#include "evaluation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kartavo {

// A card as a small integer 0..51: rank * 4 + suit, with rank 0 (the two) .. 12 (the ace) in
// the order of value and suit 0..3 for "c", "d", "h", "s".
using CardId = std::uint8_t;
using Hand = std::array<CardId, 5>;

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
std::string cardCode(CardId card);

// The caption that the fixed-order evaluation leaves for five distinct cards.
Category fastCaption(const Hand& cards);
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
