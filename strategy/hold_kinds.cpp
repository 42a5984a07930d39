// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hold_kinds.h"
#include "strategy.h"
#include "translatable.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string_view>

namespace kartavo {

namespace {

constexpr std::uint16_t allRanks = 0x1FFF;
constexpr std::uint16_t royalRanks = 0x1F00; // 10, J, Q, K, A
constexpr std::uint16_t wheel = 0x100F;      // A-2-3-4-5

// "2-es" .. "10-es", then the faces; with the endings "-tól/-től" and "-ig".
constexpr std::array<const char*, 13> rankWords = {
    QT_TRANSLATE_NOOP("Strategy", "2-es"),  QT_TRANSLATE_NOOP("Strategy", "3-as"),
    QT_TRANSLATE_NOOP("Strategy", "4-es"),  QT_TRANSLATE_NOOP("Strategy", "5-ös"),
    QT_TRANSLATE_NOOP("Strategy", "6-os"),  QT_TRANSLATE_NOOP("Strategy", "7-es"),
    QT_TRANSLATE_NOOP("Strategy", "8-as"),  QT_TRANSLATE_NOOP("Strategy", "9-es"),
    QT_TRANSLATE_NOOP("Strategy", "10-es"), QT_TRANSLATE_NOOP("Strategy", "bubi"),
    QT_TRANSLATE_NOOP("Strategy", "dáma"),  QT_TRANSLATE_NOOP("Strategy", "király"),
    QT_TRANSLATE_NOOP("Strategy", "ász")};
constexpr std::array<const char*, 13> rankFrom = {
    QT_TRANSLATE_NOOP("Strategy", "2-estől"),  QT_TRANSLATE_NOOP("Strategy", "3-astól"),
    QT_TRANSLATE_NOOP("Strategy", "4-estől"),  QT_TRANSLATE_NOOP("Strategy", "5-östől"),
    QT_TRANSLATE_NOOP("Strategy", "6-ostól"),  QT_TRANSLATE_NOOP("Strategy", "7-estől"),
    QT_TRANSLATE_NOOP("Strategy", "8-astól"),  QT_TRANSLATE_NOOP("Strategy", "9-estől"),
    QT_TRANSLATE_NOOP("Strategy", "10-estől"), QT_TRANSLATE_NOOP("Strategy", "bubitól"),
    QT_TRANSLATE_NOOP("Strategy", "dámától"),  QT_TRANSLATE_NOOP("Strategy", "királytól"),
    QT_TRANSLATE_NOOP("Strategy", "ásztól")};
constexpr std::array<const char*, 13> rankTo = {
    QT_TRANSLATE_NOOP("Strategy", "2-esig"),  QT_TRANSLATE_NOOP("Strategy", "3-asig"),
    QT_TRANSLATE_NOOP("Strategy", "4-esig"),  QT_TRANSLATE_NOOP("Strategy", "5-ösig"),
    QT_TRANSLATE_NOOP("Strategy", "6-osig"),  QT_TRANSLATE_NOOP("Strategy", "7-esig"),
    QT_TRANSLATE_NOOP("Strategy", "8-asig"),  QT_TRANSLATE_NOOP("Strategy", "9-esig"),
    QT_TRANSLATE_NOOP("Strategy", "10-esig"), QT_TRANSLATE_NOOP("Strategy", "bubiig"),
    QT_TRANSLATE_NOOP("Strategy", "dámáig"),  QT_TRANSLATE_NOOP("Strategy", "királyig"),
    QT_TRANSLATE_NOOP("Strategy", "ászig")};

// The words of a name, each a key of "Strategy" (or of "Rules" for the payout table's names).
class Words {
  public:
    explicit Words(const Translate& translate) : translate_(translate) {}
    std::string operator()(const char* key) const {
        return translated(translate_, "Strategy", key);
    }
    std::string rules(const char* key) const { return translated(translate_, "Rules", key); }
    std::string operator()(const char* pattern, std::string_view part) const {
        return fillIn((*this)(pattern), {part});
    }
    std::string operator()(const char* pattern, std::string_view a, std::string_view b) const {
        return fillIn((*this)(pattern), {a, b});
    }

  private:
    const Translate& translate_;
};

std::string rankList(std::uint16_t ranks, const Words& w) {
    std::vector<int> list;
    for (int r = 0; r < 13; ++r)
        if (ranks & (1u << r))
            list.push_back(r);
    const bool run = !list.empty() && list.back() - list.front() + 1 == int(list.size());
    if (run && list.size() > 3)
        return w(QT_TRANSLATE_NOOP("Strategy", "%1 %2"),
                 w(rankFrom[static_cast<std::size_t>(list.front())]),
                 w(rankTo[static_cast<std::size_t>(list.back())]));
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string word = w(rankWords[static_cast<std::size_t>(list[i])]);
        if (i == 0)
            text = word;
        else if (i + 1 == list.size())
            text = w(QT_TRANSLATE_NOOP("Strategy", "%1 vagy %2"), text, word);
        else
            text += ", " + word;
    }
    return text;
}

std::string straightWords(const HoldKind& k, const Words& w) {
    const int low = k.minStraights, high = k.maxStraights;
    if (low <= 1 && high >= 10)
        return {};
    if (k.cards == 4 && low >= 2)
        return w(QT_TRANSLATE_NOOP("Strategy", "nyitott"));
    if (k.cards == 4 && high == 1)
        return w(QT_TRANSLATE_NOOP("Strategy", "belső"));
    // One straight is a word of its own where a language says "straight" and "straights".
    if (low == high)
        return low == 1 ? w(QT_TRANSLATE_NOOP("Strategy", "1 sorba illik"))
                        : w(QT_TRANSLATE_NOOP("Strategy", "%1 sorba illik"), std::to_string(low));
    if (high >= 10)
        return w(QT_TRANSLATE_NOOP("Strategy", "legalább %1 sorba illik"), std::to_string(low));
    return high == 1 ? w(QT_TRANSLATE_NOOP("Strategy", "legfeljebb 1 sorba illik"))
                     : w(QT_TRANSLATE_NOOP("Strategy", "legfeljebb %1 sorba illik"),
                         std::to_string(high));
}

std::string highWords(const HoldKind& k, const Words& w) {
    if (k.minHighCards <= 0 || k.shape == HoldShape::HighCards)
        return {};
    if (k.minHighCards >= k.cards)
        return w(QT_TRANSLATE_NOOP("Strategy", "csupa magas lap"));
    return k.minHighCards == 1 ? w(QT_TRANSLATE_NOOP("Strategy", "legalább 1 magas lappal"))
                               : w(QT_TRANSLATE_NOOP("Strategy", "legalább %1 magas lappal"),
                                   std::to_string(k.minHighCards));
}

} // namespace

ChartRules gameChartRules() {
    return {false, 0};
}

ChartRules jacksOrBetterChartRules() {
    return {true, 0x1E00};
}

std::string kindName(const HoldKind& k, const Translate& translate) {
    const Words w(translate);
    const std::string n = std::to_string(k.cards);
    std::string name;
    switch (k.shape) {
    case HoldShape::RoyalFlush:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Royal Flös"));
    case HoldShape::StraightFlush:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Flös"));
    case HoldShape::FourOfAKind:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Póker"));
    case HoldShape::FullHouse:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Full"));
    case HoldShape::Flush:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Színflös"));
    case HoldShape::Straight:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Sor"));
    case HoldShape::ThreeOfAKind:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Drill"));
    case HoldShape::TwoPairs:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Két pár"));
    case HoldShape::Pair:
        if (k.ranks == allRanks)
            return w.rules(QT_TRANSLATE_NOOP("Rules", "Pár"));
        if (k.ranks == jacksOrBetterChartRules().highRanks)
            return w(QT_TRANSLATE_NOOP("Strategy", "Magas pár (bubi vagy jobb)"));
        if (k.ranks == (allRanks & ~jacksOrBetterChartRules().highRanks))
            return w(QT_TRANSLATE_NOOP("Strategy", "Alacsony pár (2-estől 10-esig)"));
        return w(QT_TRANSLATE_NOOP("Strategy", "Pár: %1"), rankList(k.ranks, w));
    case HoldShape::StraightOrBetter:
        return w(QT_TRANSLATE_NOOP("Strategy", "Sor vagy jobb (mind az öt lap)"));
    case HoldShape::PairedCards:
        return w(
            QT_TRANSLATE_NOOP("Strategy", "Két pár, Drill, Full vagy Póker (a párosított lapok)"));
    case HoldShape::ToRoyalFlush:
        name = w(QT_TRANSLATE_NOOP("Strategy", "%1 lap royal flöshöz"), n);
        break;
    case HoldShape::ToStraightFlush:
        name = w(QT_TRANSLATE_NOOP("Strategy", "%1 lap színsorhoz"), n);
        break;
    case HoldShape::ToFlush:
        name = w(QT_TRANSLATE_NOOP("Strategy", "%1 lap színhez"), n);
        break;
    case HoldShape::ToStraight:
        name = w(QT_TRANSLATE_NOOP("Strategy", "%1 lap sorhoz"), n);
        break;
    case HoldShape::HighCards:
        name = k.cards == 1 ? w(QT_TRANSLATE_NOOP("Strategy", "egy magas lap"))
                            : w(QT_TRANSLATE_NOOP("Strategy", "%1 magas lap"), n);
        break;
    case HoldShape::OneCard:
        name = k.ranks == allRanks
                   ? w(QT_TRANSLATE_NOOP("Strategy", "egy lap"))
                   : w(QT_TRANSLATE_NOOP("Strategy", "egy lap: %1"), rankList(k.ranks, w));
        break;
    case HoldShape::Nothing:
        return w(QT_TRANSLATE_NOOP("Strategy", "semmi: mind az öt lap csere"));
    }
    for (const std::string& words : {straightWords(k, w), highWords(k, w)})
        if (!words.empty())
            name += ", " + words;
    return name;
}

HoldMatcher::HoldMatcher(const ChartRules& rules, const Hand& hand) {
    // The rank runs that make a straight under these rules.
    std::array<std::uint16_t, 10> runs{};
    int runCount = 0;
    for (int low = 0; low + 4 < 13; ++low)
        runs[static_cast<std::size_t>(runCount++)] = static_cast<std::uint16_t>(0x1F << low);
    if (rules.aceLow)
        runs[static_cast<std::size_t>(runCount++)] = wheel;

    for (int p = 0; p < 5; ++p)
        for (int q = 0; q < 5; ++q)
            if (p != q && rankOf(hand[static_cast<std::size_t>(p)]) ==
                              rankOf(hand[static_cast<std::size_t>(q)]))
                paired_ = static_cast<std::uint8_t>(paired_ | (1u << p));
    for (unsigned mask = 0; mask < 32; ++mask) {
        Subset& s = subsets_[mask];
        s.size = static_cast<std::uint8_t>(std::popcount(mask));
        std::array<int, 13> count{};
        std::array<int, 5> kept = {-1, -1, -1, -1, -1}; // ranks, -1 where none
        int suits = 0;
        for (int p = 0, k = 0; p < 5; ++p)
            if (mask & (1u << p)) {
                const CardId c = hand[static_cast<std::size_t>(p)];
                s.ranks = static_cast<std::uint16_t>(s.ranks | (1u << rankOf(c)));
                ++count[static_cast<std::size_t>(rankOf(c))];
                suits |= 1 << suitOf(c);
                kept[static_cast<std::size_t>(k++)] = rankOf(c);
                s.highCards =
                    static_cast<std::uint8_t>(s.highCards + ((rules.highRanks >> rankOf(c)) & 1u));
            }
        s.distinct = std::popcount(s.ranks) == s.size;
        s.suited = std::popcount(static_cast<unsigned>(suits)) <= 1;
        s.largestGroup = static_cast<std::uint8_t>(*std::max_element(count.begin(), count.end()));
        if (s.distinct && s.size > 0)
            for (int i = 0; i < runCount; ++i)
                s.straights = static_cast<std::uint8_t>(
                    s.straights + ((runs[static_cast<std::size_t>(i)] & s.ranks) == s.ranks));

        // The preference among sets of one kind, as one number: higher is kept.
        const bool oneSuit = s.suited && s.size > 0;
        std::array<int, 4> discarded = {-1, -1, -1, -1}; // of the kept suit, -1 where none
        int n = 0;
        for (int p = 0; oneSuit && p < 5; ++p) {
            const CardId c = hand[static_cast<std::size_t>(p)];
            if (!(mask & (1u << p)) && (suits >> suitOf(c) & 1))
                discarded[static_cast<std::size_t>(n++)] = rankOf(c);
        }
        std::sort(kept.begin(), kept.end(), std::greater<>());
        std::sort(discarded.begin(), discarded.end(), std::greater<>());
        std::uint64_t key = s.straights;
        key = key << 3 | s.highCards;
        key = key << 1 | oneSuit;
        key = key << 3 | static_cast<std::uint64_t>(oneSuit ? 7 - n : 0);
        for (int r : kept)
            key = key << 4 | static_cast<std::uint64_t>(r + 1);
        for (int r : discarded)
            key = key << 4 | static_cast<std::uint64_t>(oneSuit ? 14 - r : 0);
        s.preference = key;
    }
}

namespace {
// How many cards a kind keeps (PairedCards: as many as are paired).
int keptSize(const HoldKind& k) {
    switch (k.shape) {
    case HoldShape::RoyalFlush:
    case HoldShape::StraightFlush:
    case HoldShape::FullHouse:
    case HoldShape::Flush:
    case HoldShape::Straight:
    case HoldShape::StraightOrBetter:
        return 5;
    case HoldShape::FourOfAKind:
    case HoldShape::TwoPairs:
        return 4;
    case HoldShape::ThreeOfAKind:
        return 3;
    case HoldShape::Pair:
        return 2;
    case HoldShape::OneCard:
        return 1;
    case HoldShape::Nothing:
    case HoldShape::PairedCards:
        return 0;
    default:
        return std::clamp<int>(k.cards, 0, 5);
    }
}
} // namespace

bool HoldMatcher::meets(const HoldKind& k, unsigned mask) const {
    const Subset& s = subsets_[mask];
    auto drawFits = [&] {
        return s.straights >= k.minStraights && s.straights <= k.maxStraights &&
               s.highCards >= k.minHighCards;
    };
    switch (k.shape) {
    case HoldShape::RoyalFlush:
        return s.size == 5 && s.suited && s.ranks == royalRanks;
    case HoldShape::StraightFlush:
        return s.size == 5 && s.suited && s.straights > 0;
    case HoldShape::FourOfAKind:
        return s.size == 4 && s.largestGroup == 4;
    case HoldShape::FullHouse:
        return s.size == 5 && s.largestGroup == 3 && std::popcount(s.ranks) == 2;
    case HoldShape::Flush:
        return s.size == 5 && s.suited;
    case HoldShape::Straight:
        return s.size == 5 && s.straights > 0;
    case HoldShape::ThreeOfAKind:
        return s.size == 3 && s.largestGroup == 3;
    case HoldShape::TwoPairs:
        return s.size == 4 && s.largestGroup == 2 && std::popcount(s.ranks) == 2;
    case HoldShape::Pair:
        return s.size == 2 && s.largestGroup == 2 && (s.ranks & k.ranks) != 0;
    case HoldShape::StraightOrBetter:
        return s.size == 5 && (s.suited || s.straights > 0 || std::popcount(s.ranks) == 2);
    case HoldShape::PairedCards:
        return mask == paired_ && s.size >= 3;
    case HoldShape::ToRoyalFlush:
        return s.size == k.cards && s.suited && s.distinct && (s.ranks & ~royalRanks) == 0 &&
               drawFits();
    case HoldShape::ToStraightFlush:
        return s.size == k.cards && s.suited && s.straights > 0 && drawFits();
    case HoldShape::ToFlush:
        return s.size == k.cards && s.suited && drawFits();
    case HoldShape::ToStraight:
        return s.size == k.cards && s.straights > 0 && drawFits();
    case HoldShape::HighCards:
        return s.size == k.cards && s.distinct && s.highCards == s.size && drawFits();
    case HoldShape::OneCard:
        return s.size == 1 && (s.ranks & k.ranks) != 0;
    case HoldShape::Nothing:
        return s.size == 0;
    }
    return false;
}

std::optional<std::uint8_t> HoldMatcher::match(const HoldKind& kind) const {
    if (kind.shape == HoldShape::PairedCards)
        return std::popcount(paired_) >= 3 ? std::optional<std::uint8_t>(paired_) : std::nullopt;
    // The sets of the kind's size, positions read from the left: of equal keys the first stays.
    constexpr std::array<std::size_t, 6> begin = {31, 26, 16, 6, 1, 0},
                                         end = {32, 31, 26, 16, 6, 1};
    const auto size = static_cast<std::size_t>(keptSize(kind));
    std::optional<std::uint8_t> best;
    std::uint64_t bestKey = 0;
    for (std::size_t i = begin[size]; i < end[size]; ++i) {
        const unsigned mask = holdsInTieOrder()[i];
        if (meets(kind, mask) && (!best || subsets_[mask].preference > bestKey)) {
            best = static_cast<std::uint8_t>(mask);
            bestKey = subsets_[mask].preference;
        }
    }
    return best;
}

std::optional<std::uint8_t> matchKind(const HoldKind& kind, const ChartRules& rules,
                                      const Hand& hand) {
    return HoldMatcher(rules, hand).match(kind);
}

std::vector<HoldKind> candidateKinds(const ChartRules& rules) {
    using S = HoldShape;
    std::vector<HoldKind> kinds;
    auto add = [&](HoldShape shape, int cards = 0, int minStraights = 0, int maxStraights = 10,
                   int minHigh = 0, std::uint16_t ranks = allRanks) {
        const HoldKind kind{shape,
                            static_cast<std::int8_t>(cards),
                            static_cast<std::int8_t>(minStraights),
                            static_cast<std::int8_t>(maxStraights),
                            static_cast<std::int8_t>(minHigh),
                            ranks};
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
            kinds.push_back(kind);
    };
    for (S made : {S::RoyalFlush, S::StraightFlush, S::FourOfAKind, S::FullHouse, S::Flush,
                   S::Straight, S::ThreeOfAKind, S::TwoPairs, S::StraightOrBetter, S::PairedCards})
        add(made);
    const bool highCards = rules.highRanks != 0;
    if (highCards) {
        add(S::Pair, 0, 0, 10, 0, rules.highRanks);
        add(S::Pair, 0, 0, 10, 0, static_cast<std::uint16_t>(allRanks & ~rules.highRanks));
    } else {
        add(S::Pair);
    }
    const int maxHigh = highCards ? 4 : 0;
    // Draws toward a straight: by the least number of straights the kept ranks lie in (and four
    // cards in exactly one: inside), and where high cards matter by their number.
    for (S shape : {S::ToRoyalFlush, S::ToStraightFlush, S::ToStraight, S::HighCards})
        for (int cards = shape == S::HighCards ? 1 : 2; cards <= 4; ++cards) {
            if (shape == S::HighCards && !highCards)
                break;
            const int most = 6 - cards; // the most straights that hold that many ranks
            for (int high = 0; high <= std::min(cards, maxHigh); ++high) {
                if (shape == S::HighCards && high > 0)
                    break;
                for (int low = 1; low <= most; ++low) {
                    add(shape, cards, low, 10, high);
                    if (cards == 4 && low == 1)
                        add(shape, cards, 1, 1, high);
                }
            }
        }
    for (int cards = 2; cards <= 4; ++cards)
        for (int high = 0; high <= std::min(cards, maxHigh); ++high)
            add(S::ToFlush, cards, 0, 10, high);
    // Single cards: the ranks that lie in at least w straights (in this game 6..10 in five,
    // 5..J in four, 4..Q in three, 3..K in two, all in one).
    for (int w = 1; w <= 5; ++w) {
        std::uint16_t ranks = 0;
        for (int r = 0; r < 13; ++r)
            if (std::min(r, 8) - std::max(r - 4, 0) + 1 >= w)
                ranks = static_cast<std::uint16_t>(ranks | (1u << r));
        add(S::OneCard, 1, 0, 10, 0, ranks);
    }
    add(S::Nothing);
    return kinds;
}

} // namespace kartavo
