// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation.h"
#include "translatable.h"

#include "cards.h"

namespace kartavo {

namespace {
// Value 2..14 of a rank character; the ace counts only high. 0 for an unknown character.
int rankValue(char rank) {
    switch (rank) {
    case '0':
        return 10;
    case 'J':
        return 11;
    case 'Q':
        return 12;
    case 'K':
        return 13;
    case 'A':
        return 14;
    default:
        return rank >= '2' && rank <= '9' ? rank - '0' : 0;
    }
}
} // namespace

CategoryList evaluateCodes(const std::array<char, 5>& ranks, const std::array<char, 5>& suits) {
    std::array<int, 15> rankCounts{};
    std::array<int, 4> suitCounts{};
    std::array<int, 5> rankValues{};
    for (int cardIndex = 0; cardIndex < 5; ++cardIndex) {
        rankValues[cardIndex] = rankValue(ranks[cardIndex]);
        ++rankCounts[rankValues[cardIndex]];
        switch (suits[cardIndex]) {
        case 'c':
            ++suitCounts[0];
            break;
        case 'd':
            ++suitCounts[1];
            break;
        case 'h':
            ++suitCounts[2];
            break;
        case 's':
            ++suitCounts[3];
            break;
        default:
            break;
        }
    }
    int pairCount = 0, threeCount = 0, fourCount = 0;
    for (int v = 2; v <= 14; ++v) {
        pairCount += rankCounts[v] == 2;
        threeCount += rankCounts[v] == 3;
        fourCount += rankCounts[v] == 4;
    }
    std::sort(rankValues.begin(), rankValues.end());
    bool straight = true;
    for (int k = 1; k <= 4 && straight; ++k)
        straight = rankValues[k] == rankValues[k - 1] + 1;
    const bool flush = std::find(suitCounts.begin(), suitCounts.end(), 5) != suitCounts.end();

    CategoryList applied;
    if (pairCount == 1)
        applied.push(Category::OnePair);
    else if (pairCount == 2)
        applied.push(Category::TwoPairs);
    if (threeCount == 1)
        applied.push(Category::Drill);
    if (straight)
        applied.push(Category::Straight);
    if (flush)
        applied.push(Category::Flush);
    if (pairCount == 1 && threeCount == 1)
        applied.push(Category::FullHouse);
    if (fourCount == 1)
        applied.push(Category::Poker);
    const bool straightFlush = flush && straight;
    if (straightFlush)
        applied.push(Category::StraightFlush);
    if (straightFlush && rankValues[0] == 10)
        applied.push(Category::RoyalFlush);
    if (applied.size() == 0)
        applied.push(Category::Nothing);
    return applied;
}

CategoryList evaluateHand(const std::array<std::string, 5>& cardPaths) {
    std::array<char, 5> ranks{}, suits{};
    for (int p = 0; p < 5; ++p) {
        ranks[p] = rankOfCard(cardPaths[p]);
        suits[p] = suitOfCard(cardPaths[p]);
    }
    return evaluateCodes(ranks, suits);
}

std::string_view resultText(Category c) {
    switch (c) {
    case Category::OnePair:
        return QT_TRANSLATE_NOOP("Rules", "Egy pár");
    case Category::TwoPairs:
        return QT_TRANSLATE_NOOP("Rules", "Két pár");
    case Category::Drill:
        return QT_TRANSLATE_NOOP("Rules", "Drill");
    case Category::Straight:
        return QT_TRANSLATE_NOOP("Rules", "Sor");
    case Category::Flush:
        return QT_TRANSLATE_NOOP("Rules", "Színflöss");
    case Category::FullHouse:
        return QT_TRANSLATE_NOOP("Rules", "Full");
    case Category::Poker:
        return QT_TRANSLATE_NOOP("Rules", "Póker");
    case Category::StraightFlush:
        return QT_TRANSLATE_NOOP("Rules", "Flöss");
    case Category::RoyalFlush:
        return QT_TRANSLATE_NOOP("Rules", "Royal flöss");
    case Category::Nothing:
        return QT_TRANSLATE_NOOP("Rules", "Semmi");
    }
    return {};
}

int payoutRow(Category c) {
    switch (c) {
    case Category::OnePair:
        return 9;
    case Category::TwoPairs:
        return 8;
    case Category::Drill:
        return 7;
    case Category::Straight:
        return 6;
    case Category::Flush:
        return 5;
    case Category::FullHouse:
        return 4;
    case Category::Poker:
        return 3;
    case Category::StraightFlush:
        return 2;
    case Category::RoyalFlush:
        return 1;
    case Category::Nothing:
        return 0;
    }
    return 0;
}

} // namespace kartavo
