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
constexpr std::uint16_t jacksUp = 0x1E00;    // J, Q, K, A
constexpr std::uint16_t kingsUp = 0x1800;    // K, A

// The bits set in a set of ranks or of positions, looked up: the matcher counts them often, and a
// build for any x86-64 has no instruction for it.
constexpr std::array<std::uint8_t, 8192> bitCount = [] {
    std::array<std::uint8_t, 8192> count{};
    for (unsigned v = 1; v < 8192; ++v)
        count[v] = static_cast<std::uint8_t>(count[v >> 1] + (v & 1));
    return count;
}();

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

std::string wildWords(const HoldKind& k, const ChartRules& rules, const Words& w) {
    if (rules.wild == Wild::Deuces) {
        constexpr std::array<const char*, 5> deuces = {
            QT_TRANSLATE_NOOP("Strategy", "Nincs 2-es"), QT_TRANSLATE_NOOP("Strategy", "Egy 2-es"),
            QT_TRANSLATE_NOOP("Strategy", "Két 2-es"), QT_TRANSLATE_NOOP("Strategy", "Három 2-es"),
            QT_TRANSLATE_NOOP("Strategy", "Négy 2-es")};
        return w(deuces[static_cast<std::size_t>(std::clamp<int>(k.wild, 0, 4))]);
    }
    return k.wild > 0 ? w(QT_TRANSLATE_NOOP("Strategy", "Dzsókerrel"))
                      : w(QT_TRANSLATE_NOOP("Strategy", "Dzsóker nélkül"));
}

// A rank set's words after a kind's name, when it is not every rank.
std::string withRanks(std::string name, std::uint16_t ranks, const Words& w) {
    if (ranks == allRanks)
        return name;
    return w(QT_TRANSLATE_NOOP("Strategy", "%1: %2"), name, rankList(ranks, w));
}

std::string withKicker(std::string name, std::uint16_t kicker, const Words& w) {
    if (kicker == 0)
        return name;
    return w(QT_TRANSLATE_NOOP("Strategy", "%1, kísérő: %2"), name, rankList(kicker, w));
}

// The name without the words of the wild cards.
std::string plainKindName(const HoldKind& k, const ChartRules& rules, const Words& w) {
    const std::string n = std::to_string(k.cards);
    std::string name;
    switch (k.shape) {
    case HoldShape::RoyalFlush:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Royal Flös"));
    case HoldShape::StraightFlush:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Flös"));
    case HoldShape::FiveOfAKind:
        return w(QT_TRANSLATE_NOOP("Strategy", "Öt egyforma"));
    case HoldShape::FourOfAKind:
        return withKicker(withRanks(w.rules(QT_TRANSLATE_NOOP("Rules", "Póker")), k.ranks, w),
                          k.kicker, w);
    case HoldShape::FullHouse:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Full"));
    case HoldShape::Flush:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Színflös"));
    case HoldShape::Straight:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Sor"));
    case HoldShape::ThreeOfAKind:
        return withKicker(withRanks(w.rules(QT_TRANSLATE_NOOP("Rules", "Drill")), k.ranks, w),
                          k.kicker, w);
    case HoldShape::TwoPairs:
        return w.rules(QT_TRANSLATE_NOOP("Rules", "Két pár"));
    case HoldShape::Pair:
        if (k.ranks == allRanks)
            return w.rules(QT_TRANSLATE_NOOP("Rules", "Pár"));
        if (k.ranks == jacksUp)
            return w(QT_TRANSLATE_NOOP("Strategy", "Magas pár (bubi vagy jobb)"));
        if (k.ranks == (allRanks & ~jacksUp))
            return w(QT_TRANSLATE_NOOP("Strategy", "Alacsony pár (2-estől 10-esig)"));
        if (k.ranks == kingsUp)
            return w(QT_TRANSLATE_NOOP("Strategy", "Magas pár (király vagy ász)"));
        if (k.ranks == (allRanks & ~kingsUp))
            return w(QT_TRANSLATE_NOOP("Strategy", "Alacsony pár (2-estől dámáig)"));
        return w(QT_TRANSLATE_NOOP("Strategy", "Pár: %1"), rankList(k.ranks, w));
    case HoldShape::StraightOrBetter:
        return w(QT_TRANSLATE_NOOP("Strategy", "Sor vagy jobb (mind az öt lap)"));
    case HoldShape::PairedCards:
        if (rules.wild != Wild::None && k.wild > 0)
            return w(QT_TRANSLATE_NOOP("Strategy",
                                       "Drill vagy jobb (a párosított lapok a vadlapokkal)"));
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
        name = withRanks(name, k.ranks, w);
        break;
    case HoldShape::OneCard:
        name = k.ranks == allRanks
                   ? w(QT_TRANSLATE_NOOP("Strategy", "egy lap"))
                   : w(QT_TRANSLATE_NOOP("Strategy", "egy lap: %1"), rankList(k.ranks, w));
        break;
    case HoldShape::WildCards:
        if (rules.wild == Wild::Joker)
            return k.wild < 0 ? w(QT_TRANSLATE_NOOP(
                                    "Strategy", "csak a dzsóker (ha nincs, mind az öt lap csere)"))
                              : w(QT_TRANSLATE_NOOP("Strategy", "csak a dzsóker"));
        return k.wild < 0 ? w(QT_TRANSLATE_NOOP("Strategy",
                                                "csak a 2-esek (ha nincs, mind az öt lap csere)"))
                          : w(QT_TRANSLATE_NOOP("Strategy", "csak a 2-esek"));
    case HoldShape::Nothing:
        return w(QT_TRANSLATE_NOOP("Strategy", "semmi: mind az öt lap csere"));
    }
    for (const std::string& words : {straightWords(k, w), highWords(k, w)})
        if (!words.empty())
            name += ", " + words;
    return name;
}

} // namespace

ChartRules gameChartRules() {
    return {false, 0};
}

ChartRules jacksOrBetterChartRules() {
    return {true, jacksUp};
}

HoldKind holdKind(HoldShape shape, int cards, int minStraights, int maxStraights, int minHighCards,
                  std::uint16_t ranks, int wild, std::uint16_t kicker) {
    return {shape,
            static_cast<std::int8_t>(cards),
            static_cast<std::int8_t>(minStraights),
            static_cast<std::int8_t>(maxStraights),
            static_cast<std::int8_t>(minHighCards),
            ranks,
            static_cast<std::int8_t>(wild),
            kicker};
}

bool isMadeHand(const HoldKind& k) {
    return k.shape <= HoldShape::Pair || (k.shape == HoldShape::WildCards && k.wild == 4);
}

std::string kindName(const HoldKind& k, const Translate& translate) {
    return kindName(k, ChartRules{}, translate);
}

std::string kindName(const HoldKind& k, const ChartRules& rules, const Translate& translate) {
    const Words w(translate);
    if (rules.wild == Wild::None || k.wild < 0)
        return plainKindName(k, rules, w);
    if (k.shape == HoldShape::WildCards && k.wild == 4)
        return w(QT_TRANSLATE_NOOP("Strategy", "Négy 2-es"));
    return w(QT_TRANSLATE_NOOP("Strategy", "%1: %2"), wildWords(k, rules, w),
             plainKindName(k, rules, w));
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
        if (isWild(hand[static_cast<std::size_t>(p)], rules.wild))
            wild_ = static_cast<std::uint8_t>(wild_ | (1u << p));
    for (int p = 0; p < 5; ++p)
        for (int q = 0; q < 5; ++q)
            if (p != q && !(wild_ >> p & 1) && !(wild_ >> q & 1) &&
                rankOf(hand[static_cast<std::size_t>(p)]) ==
                    rankOf(hand[static_cast<std::size_t>(q)]))
                paired_ = static_cast<std::uint8_t>(paired_ | (1u << p));
    for (unsigned mask = 0; mask < 32; ++mask) {
        Subset& s = subsets_[mask];
        s.size = bitCount[mask];
        s.wilds = bitCount[mask & wild_];
        const unsigned natural = mask & ~static_cast<unsigned>(wild_);
        const int naturals = bitCount[natural];
        std::array<int, 13> count{};
        std::array<int, 5> kept = {-1, -1, -1, -1, -1}; // ranks, -1 where none
        int suits = 0;
        for (int p = 0, k = 0; p < 5; ++p)
            if (natural & (1u << p)) {
                const CardId c = hand[static_cast<std::size_t>(p)];
                s.ranks = static_cast<std::uint16_t>(s.ranks | (1u << rankOf(c)));
                ++count[static_cast<std::size_t>(rankOf(c))];
                suits |= 1 << suitOf(c);
                kept[static_cast<std::size_t>(k++)] = rankOf(c);
                s.highCards =
                    static_cast<std::uint8_t>(s.highCards + ((rules.highRanks >> rankOf(c)) & 1u));
            }
        s.distinctRanks = bitCount[s.ranks];
        s.distinct = s.distinctRanks == naturals;
        s.suited = bitCount[static_cast<unsigned>(suits)] <= 1;
        for (int r = 0; r < 13; ++r)
            if (count[static_cast<std::size_t>(r)] > 0 &&
                count[static_cast<std::size_t>(r)] >= s.largestGroup) {
                s.largestGroup = static_cast<std::uint8_t>(count[static_cast<std::size_t>(r)]);
                s.groupRank = static_cast<std::int8_t>(r);
            }
        if (s.distinct && naturals > 0)
            for (int i = 0; i < runCount; ++i)
                s.straights = static_cast<std::uint8_t>(
                    s.straights + ((runs[static_cast<std::size_t>(i)] & s.ranks) == s.ranks));

        // The preference among sets of one kind, as one number: higher is kept.
        const bool oneSuit = s.suited && naturals > 0;
        std::array<int, 4> discarded = {-1, -1, -1, -1}; // of the kept suit, -1 where none
        int n = 0;
        for (int p = 0; oneSuit && p < 5; ++p) {
            const CardId c = hand[static_cast<std::size_t>(p)];
            if (!(mask & (1u << p)) && !(wild_ >> p & 1) && (suits >> suitOf(c) & 1))
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
// How many cards a kind keeps (PairedCards, WildCards: as many as the hand has).
int keptSize(const HoldKind& k) {
    switch (k.shape) {
    case HoldShape::RoyalFlush:
    case HoldShape::StraightFlush:
    case HoldShape::FiveOfAKind:
    case HoldShape::FullHouse:
    case HoldShape::Flush:
    case HoldShape::Straight:
    case HoldShape::StraightOrBetter:
        return 5;
    case HoldShape::FourOfAKind:
        return k.kicker ? 5 : 4;
    case HoldShape::TwoPairs:
        return 4;
    case HoldShape::ThreeOfAKind:
        return k.kicker ? 4 : 3;
    case HoldShape::Pair:
        return 2;
    case HoldShape::OneCard:
        return 1;
    case HoldShape::Nothing:
    case HoldShape::PairedCards:
    case HoldShape::WildCards:
        return 0;
    default:
        return std::clamp<int>(k.cards, 0, 5);
    }
}

bool hasRank(std::uint16_t ranks, int rank) {
    return rank >= 0 && (ranks >> rank & 1u);
}
} // namespace

bool HoldMatcher::meets(const HoldKind& k, unsigned mask) const {
    const Subset& s = subsets_[mask];
    const int naturals = s.size - s.wilds;
    const int distinctRanks = s.distinctRanks;
    // Three or four of a kind with a kicker: the group of its ranks and one card of the kicker's.
    auto kicked = [&](int group) {
        return s.wilds == 0 && s.largestGroup == group && distinctRanks == 2 &&
               hasRank(k.ranks, s.groupRank) && (s.ranks & k.kicker & ~(1u << s.groupRank)) != 0;
    };
    auto drawFits = [&] {
        return naturals > 0 && s.straights >= k.minStraights && s.straights <= k.maxStraights &&
               s.highCards >= k.minHighCards;
    };
    switch (k.shape) {
    case HoldShape::RoyalFlush:
        return s.size == 5 && s.suited && s.distinct && (s.ranks & ~royalRanks) == 0;
    case HoldShape::StraightFlush:
        return s.size == 5 && s.suited && s.straights > 0;
    case HoldShape::FiveOfAKind:
        return s.size == 5 && s.wilds > 0 && distinctRanks == 1;
    case HoldShape::FourOfAKind:
        if (k.kicker)
            return s.size == 5 && kicked(4);
        return s.size == 4 && distinctRanks == 1 && s.largestGroup + s.wilds == 4 &&
               (s.ranks & k.ranks) != 0;
    case HoldShape::FullHouse:
        return s.size == 5 && distinctRanks == 2 && s.largestGroup + s.wilds == 3;
    case HoldShape::Flush:
        return s.size == 5 && s.suited;
    case HoldShape::Straight:
        return s.size == 5 && s.straights > 0;
    case HoldShape::ThreeOfAKind:
        if (k.kicker)
            return s.size == 4 && kicked(3);
        return s.size == 3 && distinctRanks == 1 && s.largestGroup + s.wilds == 3 &&
               (s.ranks & k.ranks) != 0;
    case HoldShape::TwoPairs:
        return s.size == 4 && s.wilds == 0 && s.largestGroup == 2 && distinctRanks == 2;
    case HoldShape::Pair:
        return s.size == 2 && s.wilds == 0 && s.largestGroup == 2 && (s.ranks & k.ranks) != 0;
    case HoldShape::StraightOrBetter:
        return s.size == 5 && (s.suited || s.straights > 0 || distinctRanks <= 2);
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
        return s.size == k.cards && s.distinct && s.highCards == naturals &&
               (s.ranks & ~k.ranks) == 0 && drawFits();
    case HoldShape::OneCard:
        return s.size == 1 && s.wilds == 0 && (s.ranks & k.ranks) != 0;
    case HoldShape::Nothing:
        return s.size == 0;
    case HoldShape::PairedCards:
    case HoldShape::WildCards:
        return false; // matched as a whole
    }
    return false;
}

std::optional<std::uint8_t> HoldMatcher::match(const HoldKind& kind) const {
    // A kind of a game with wild cards meets the hands with its number of them, and keeps them.
    const int wilds = bitCount[wild_];
    if (kind.wild >= 0 && kind.wild != wilds)
        return std::nullopt;
    if (kind.shape == HoldShape::PairedCards) {
        const auto kept = static_cast<std::uint8_t>(paired_ | wild_);
        return bitCount[paired_] >= 2 && bitCount[kept] >= 3 ? std::optional<std::uint8_t>(kept)
                                                             : std::nullopt;
    }
    if (kind.shape == HoldShape::WildCards)
        return kind.wild < 0 || wilds > 0 ? std::optional<std::uint8_t>(wild_) : std::nullopt;
    // The sets of the kind's size, positions read from the left: of equal keys the first stays.
    constexpr std::array<std::size_t, 6> begin = {31, 26, 16, 6, 1, 0},
                                         end = {32, 31, 26, 16, 6, 1};
    const auto size = static_cast<std::size_t>(keptSize(kind));
    std::optional<std::uint8_t> best;
    std::uint64_t bestKey = 0;
    for (std::size_t i = begin[size]; i < end[size]; ++i) {
        const unsigned mask = holdsInTieOrder()[i];
        if ((mask & wild_) == wild_ && meets(kind, mask) &&
            (!best || subsets_[mask].preference > bestKey)) {
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

namespace {

using S = HoldShape;

class KindList {
  public:
    void add(HoldShape shape, int cards = 0, int minStraights = 0, int maxStraights = 10,
             int minHigh = 0, std::uint16_t ranks = allRanks, int wild = 0,
             std::uint16_t kicker = 0) {
        const HoldKind kind =
            holdKind(shape, cards, minStraights, maxStraights, minHigh, ranks, wild, kicker);
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
            kinds.push_back(kind);
    }
    // Draws toward a straight: by the least number of straights the natural ranks lie in (and
    // four cards in exactly one: inside), and where high cards matter by their number.
    void straightDraws(HoldShape shape, int cards, int wild, int maxHigh) {
        const int naturals = cards - wild;
        const int most = 6 - naturals; // the most straights that hold that many ranks
        for (int high = 0; high <= std::min(naturals, maxHigh); ++high) {
            if (shape == S::HighCards && high > 0)
                break;
            for (int low = 1; low <= most; ++low) {
                add(shape, cards, low, 10, high, allRanks, wild);
                if (cards == 4 && low == 1)
                    add(shape, cards, 1, 1, high, allRanks, wild);
            }
        }
    }
    std::vector<HoldKind> kinds;
};

// Every union of neighbouring groups of ranks, where the rules split the ranks.
std::vector<std::uint16_t> rankSets(const ChartRules& rules) {
    std::vector<std::uint16_t> cuts = {rules.highRanks, rules.quadGroups[0], rules.quadGroups[1]};
    // The atoms: the ranks that every cut puts on the same side, lowest first.
    std::vector<std::uint16_t> atoms;
    for (int r = 0; r < 13; ++r) {
        std::uint16_t atom = 0;
        for (int q = 0; q < 13; ++q) {
            bool same = true;
            for (std::uint16_t cut : cuts)
                same = same && ((cut >> r & 1) == (cut >> q & 1));
            if (same)
                atom = static_cast<std::uint16_t>(atom | (1u << q));
        }
        if (std::find(atoms.begin(), atoms.end(), atom) == atoms.end())
            atoms.push_back(atom);
    }
    std::vector<std::uint16_t> sets;
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        std::uint16_t set = 0;
        for (std::size_t j = i; j < atoms.size(); ++j) {
            set = static_cast<std::uint16_t>(set | atoms[j]);
            if (set != allRanks)
                sets.push_back(set);
        }
    }
    return sets;
}

// The kinds of the games without wild cards.
std::vector<HoldKind> naturalKinds(const ChartRules& rules) {
    KindList list;
    auto add = [&](auto... args) { list.add(args...); };
    for (S made : {S::RoyalFlush, S::StraightFlush, S::FourOfAKind, S::FullHouse, S::Flush,
                   S::Straight, S::ThreeOfAKind, S::TwoPairs, S::StraightOrBetter, S::PairedCards})
        add(made);
    // Where fours of a kind pay by their ranks: three and four of a kind of each group, with
    // the kickers that pay more.
    const bool bonus = rules.quadGroups[0] != 0;
    if (bonus) {
        const std::uint16_t others =
            static_cast<std::uint16_t>(allRanks & ~rules.quadGroups[0] & ~rules.quadGroups[1]);
        for (std::size_t g = 0; g < 2; ++g) {
            const std::uint16_t group = rules.quadGroups[g], kicker = rules.quadKickers[g];
            add(S::FourOfAKind, 0, 0, 10, 0, group);
            if (kicker)
                add(S::FourOfAKind, 0, 0, 10, 0, group, 0, kicker);
            add(S::ThreeOfAKind, 0, 0, 10, 0, group);
            if (kicker)
                add(S::ThreeOfAKind, 0, 0, 10, 0, group, 0, kicker);
        }
        add(S::FourOfAKind, 0, 0, 10, 0, others);
        add(S::ThreeOfAKind, 0, 0, 10, 0, others);
    }
    const bool highCards = rules.highRanks != 0;
    if (highCards) {
        add(S::Pair, 0, 0, 10, 0, rules.highRanks);
        add(S::Pair, 0, 0, 10, 0, static_cast<std::uint16_t>(allRanks & ~rules.highRanks));
    } else {
        add(S::Pair);
    }
    if (bonus)
        for (std::uint16_t set : rankSets(rules))
            add(S::Pair, 0, 0, 10, 0, set);
    const int maxHigh = highCards ? 4 : 0;
    for (S shape : {S::ToRoyalFlush, S::ToStraightFlush, S::ToStraight, S::HighCards})
        for (int cards = shape == S::HighCards ? 1 : 2; cards <= 4; ++cards) {
            if (shape == S::HighCards && !highCards)
                break;
            list.straightDraws(shape, cards, 0, maxHigh);
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
    if (bonus) {
        // High cards without the ace, and the ace alone.
        const auto faces = static_cast<std::uint16_t>(rules.highRanks & ~rules.quadGroups[0]);
        for (int cards = 1; cards <= 3; ++cards)
            add(S::HighCards, cards, 1, 10, 0, faces);
        add(S::OneCard, 1, 0, 10, 0, rules.quadGroups[0]);
    }
    add(S::Nothing);
    return list.kinds;
}

// The kinds of the games with wild cards: for every number of them in the hand, the made hands,
// the draws and the wild cards alone; last, the wild cards alone whatever their number.
std::vector<HoldKind> wildKinds(const ChartRules& rules) {
    KindList list;
    const int mostWild = rules.wild == Wild::Deuces ? 4 : 1;
    const bool highCards = rules.highRanks != 0;
    for (int w = mostWild; w >= 0; --w) {
        if (w == 4) {
            list.add(S::WildCards, 0, 0, 10, 0, allRanks, w);
            continue;
        }
        list.add(S::RoyalFlush, 0, 0, 10, 0, allRanks, w);
        if (w > 0)
            list.add(S::FiveOfAKind, 0, 0, 10, 0, allRanks, w);
        for (S made : {S::StraightFlush, S::FourOfAKind, S::FullHouse, S::Flush, S::Straight,
                       S::ThreeOfAKind, S::TwoPairs, S::StraightOrBetter, S::PairedCards}) {
            if ((made == S::FullHouse && w > 1) || (made == S::ThreeOfAKind && w > 2) ||
                (made == S::TwoPairs && w > 0))
                continue;
            list.add(made, 0, 0, 10, 0, allRanks, w);
        }
        if (w == 0) {
            if (highCards) {
                list.add(S::Pair, 0, 0, 10, 0, rules.highRanks);
                list.add(S::Pair, 0, 0, 10, 0,
                         static_cast<std::uint16_t>(allRanks & ~rules.highRanks));
            } else {
                list.add(S::Pair);
            }
        } else {
            list.add(S::WildCards, 0, 0, 10, 0, allRanks, w);
        }
        const int maxHigh = highCards ? 2 : 0;
        for (S shape : {S::ToRoyalFlush, S::ToStraightFlush, S::ToStraight, S::HighCards})
            for (int cards = std::max(shape == S::HighCards ? 1 : 2, w + 1); cards <= 4; ++cards) {
                if (shape == S::HighCards && (!highCards || cards - w > 2))
                    break;
                list.straightDraws(shape, cards, w, maxHigh);
            }
        for (int cards = std::max(2, w + 1); cards <= 4; ++cards)
            for (int high = 0; high <= std::min(cards - w, maxHigh); ++high)
                list.add(S::ToFlush, cards, 0, 10, high, allRanks, w);
        if (w == 0) {
            for (int s = 1; s <= 5; ++s) {
                std::uint16_t ranks = 0;
                for (int r = 0; r < 13; ++r)
                    if (std::min(r, 8) - std::max(r - 4, 0) + 1 >= s)
                        ranks = static_cast<std::uint16_t>(ranks | (1u << r));
                list.add(S::OneCard, 1, 0, 10, 0, ranks);
            }
            list.add(S::Nothing);
        }
    }
    list.add(S::WildCards, 0, 0, 10, 0, allRanks, -1);
    return list.kinds;
}

} // namespace

std::vector<HoldKind> candidateKinds(const ChartRules& rules) {
    return rules.wild == Wild::None ? naturalKinds(rules) : wildKinds(rules);
}

} // namespace kartavo
