// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The language of a strategy chart: kinds of holds that a player recognises by eye ("Pár",
// "4 lap színhez", "4 lap sorhoz, nyitott", "egy lap: 6-ostól 10-esig", ...). A kind,
// matched against five cards, says which of them to keep, or that the hand has no such cards.
//
// The words of the kinds:
// - A straight ("sor") is one of the paytable's runs of five ranks: in this game 2-6 .. 10-A (the
//   ace counts only high), in the casino games also A-2-3-4-5. Kept cards of distinct ranks "lie
//   in w straights" ("w sorba illik") when w of these runs hold all their ranks. It is what makes
//   one straight draw better than another: four cards in two straights are open ("nyitott", two
//   ranks complete them), four in one straight are inside ("belső", one rank completes them: in
//   this game 2-3-4-5 and J-Q-K-A are inside draws too, as 5-6-8-9). A single 6..10 lies in five
//   straights, a 2 or an ace in one.
// - High cards ("magas lap") are the ranks whose pairs alone are paid: J, Q, K, A in Jacks or
//   Better, K and A in Joker Poker. This game and Deuces Wild have no high cards.
// - Wild cards (the 2s of Deuces Wild, the joker): a kind of a game with wild cards names how many
//   the hand holds ("Egy 2-es: ...", "Dzsókerrel: ...") and meets only hands with that many; it
//   keeps them all, and the other words of the kind speak of the natural cards that it keeps with
//   them ("4 lap színsorhoz" with one deuce: the deuce and three suited cards whose ranks lie in a
//   straight). A draw's number of cards counts the wild cards too. The last line of such a chart
//   keeps the wild cards alone, whatever their number (none: all five exchanged).
// - Rank sets: a pair, three or four of a kind of the ranks given ("Pár: ász"); a kicker
//   ("kísérő") is a fifth card of the ranks given kept beside four of a kind, or a fourth beside
//   three of a kind.
// - A draw "toward" a category keeps that many cards of it: "3 lap színsorhoz" keeps three suited
//   cards of distinct ranks that lie in at least one straight; "2 lap royal flöshöz" keeps two
//   suited cards of 10, J, Q, K, A.
//
// Which cards, when a kind is met by more than one set of cards of the hand (compared in turn):
//  1. the cards that lie in more straights;
//  2. the more high cards;
//  3. suited cards (a single card too) before cards of mixed suits, and of suited cards those
//     whose suit has fewer cards among the discards;
//  4. the higher ranks, compared from the highest kept card down (of two pairs the higher, of
//     two kickers the higher: three aces with a 3 and a 4 keep the 4);
//  5. the suit whose discarded cards are lower.
// With wild cards every set compared keeps them all, and the rules speak of its natural cards.
// Sets that are still equal are worth exactly the same (they hold the same ranks, and their suits
// stand alike to the rest of the hand); the one that comes first from the left is kept.
#pragma once

#include "fast_evaluation.h"
#include "translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kartavo {

// What the kinds need of a paytable's rules.
struct ChartRules {
    bool aceLow = false;         // A-2-3-4-5 is a straight too
    std::uint16_t highRanks = 0; // bit r: rank r is a high card
    Wild wild = Wild::None;
    // The ranks whose four of a kind pays apart from the others (aces; 2s-4s), and the kicker
    // ranks that pay more beside them (0: none). Only the choice of candidate kinds uses them.
    std::array<std::uint16_t, 2> quadGroups{};
    std::array<std::uint16_t, 2> quadKickers{};
    bool operator==(const ChartRules&) const = default;
};
ChartRules gameChartRules();          // this game: the ace only high, every pair paid
ChartRules jacksOrBetterChartRules(); // 9/6 Jacks or Better

enum class HoldShape : std::uint8_t {
    // Made hands: the cards that make the category.
    RoyalFlush,    // "Royal Flös": all five (with wild cards: a wild royal flush)
    StraightFlush, // "Flös": all five (a royal flush is one too)
    FiveOfAKind,   // "Öt egyforma": all five (wild cards only)
    FourOfAKind,   // "Póker": the four, of the ranks given (and the kicker)
    FullHouse,     // "Full": all five
    Flush,         // "Színflös": all five
    Straight,      // "Sor": all five
    ThreeOfAKind,  // "Drill": the three, of the ranks given (and the kicker)
    TwoPairs,      // "Két pár": the four
    Pair,          // "Pár": the two, of the ranks given
    // Made hands taken together.
    StraightOrBetter, // "Sor vagy jobb": a straight, flush, full house, four of a kind or
                      // straight flush: all five (with four of a kind the kicker is worth
                      // nothing either way)
    PairedCards,      // "Két pár, Drill, Full vagy Póker": every card that has a partner of
                      // its rank (a lone pair is not enough without a wild card), and the wild
                      // cards
    // Draws: the given number of cards toward a category.
    ToRoyalFlush,    // suited, of 10, J, Q, K, A
    ToStraightFlush, // suited, distinct ranks in at least one straight
    ToFlush,         // suited
    ToStraight,      // distinct ranks in at least one straight
    HighCards,       // distinct high ranks, of the ranks given
    OneCard,         // one card of the ranks given
    WildCards,       // the wild cards alone (four deuces are a made hand)
    Nothing,         // all five exchanged
};

struct HoldKind {
    HoldShape shape = HoldShape::Nothing;
    std::int8_t cards = 0;         // draws: how many cards are kept
    std::int8_t minStraights = 0;  // draws: the kept ranks lie in at least this many straights
    std::int8_t maxStraights = 10; // ... and in at most this many
    std::int8_t minHighCards = 0;  // draws: at least this many kept cards are high
    std::uint16_t ranks = 0x1FFF;  // Pair, three and four of a kind, high cards, OneCard: bit r,
                                   // rank r qualifies
    // Games with wild cards: how many the hand holds (all kept); -1 with WildCards: any number.
    std::int8_t wild = 0;
    std::uint16_t kicker = 0; // three and four of a kind: a kicker of these ranks is kept too
    bool operator==(const HoldKind&) const = default;
};
// A kind from its fields, the last ones left as they are by default.
HoldKind holdKind(HoldShape shape, int cards = 0, int minStraights = 0, int maxStraights = 10,
                  int minHighCards = 0, std::uint16_t ranks = 0x1FFF, int wild = 0,
                  std::uint16_t kicker = 0);
// Made hands: a line that keeps a paying hand as it is dealt.
bool isMadeHand(const HoldKind& kind);

// The name a player reads: Hungarian, or its words translated by translate (keys of the contexts
// "Strategy" and "Rules", see translatable.h). The rules tell which cards are wild.
std::string kindName(const HoldKind& kind, const Translate& translate = {});
std::string kindName(const HoldKind& kind, const ChartRules& rules,
                     const Translate& translate = {});

// A hand's 32 sets of cards described once, for matching many kinds against it.
class HoldMatcher {
  public:
    HoldMatcher(const ChartRules& rules, const Hand& hand);
    // The cards the kind keeps (bit p: the card at position p), or none.
    std::optional<std::uint8_t> match(const HoldKind& kind) const;

  private:
    // What a set of kept cards is; all but size speak of its natural cards.
    struct Subset {
        std::uint8_t size = 0;   // wild cards included
        std::uint8_t wilds = 0;  // the wild cards kept
        std::uint16_t ranks = 0; // bit r: a kept card has rank r
        std::uint8_t distinctRanks = 0;
        bool distinct = false;         // no two kept cards of one rank
        bool suited = false;           // at most one suit among the kept cards
        std::uint8_t largestGroup = 0; // the most kept cards of one rank
        std::int8_t groupRank = -1;    // their rank (the higher of two equal groups)
        std::uint8_t straights = 0;    // the straights that hold the kept ranks (distinct ones)
        std::uint8_t highCards = 0;
        std::uint64_t preference = 0; // among sets of one kind: the higher is kept
    };
    bool meets(const HoldKind& kind, unsigned mask) const;
    std::array<Subset, 32> subsets_{};
    std::uint8_t paired_ = 0; // the natural cards that have a partner of their rank
    std::uint8_t wild_ = 0;   // the wild cards of the hand
};

// The cards the kind keeps of a hand (bit p: the card at position p), or none when the hand has
// no such cards. Depends on the suits only through which cards share a suit, and not on the
// order of the cards, beyond which of two equal sets is kept.
std::optional<std::uint8_t> matchKind(const HoldKind& kind, const ChartRules& rules,
                                      const Hand& hand);

// The kinds a chart for these rules is chosen from.
std::vector<HoldKind> candidateKinds(const ChartRules& rules);

} // namespace kartavo
