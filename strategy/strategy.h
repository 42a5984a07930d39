// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The strategy engine: the exact expected credit of each of the 32 holds of a dealt hand, and
// the exact return of the whole game under perfect play.
//
// The exchange draws the replacements of a hold of k cards uniformly, without repetition, from
// the cards not dealt (47, or 48 with the joker): C(47, 5 - k) equally likely draws. A hold's value
// is the mean credit over them. The tables hold, for every set X of at most five cards, the total
// credit of all five-card hands that contain X; the draws of a hold H of the dealt hand D are the
// hands that contain H and no other card of D, so their total is the inclusion-exclusion sum over
// the subsets of D that contain H.
#pragma once

#include "paytable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kartavo {

__extension__ typedef unsigned __int128 Wide;

// The least common multiple of the draws of every hold, C(47, 0..5) and C(48, 0..5): every
// hold's value, in either deck, is a whole number of 1 / drawsMultiple parts of a credit.
inline constexpr std::int64_t drawsMultiple = 368145360;

// The five-card hands of a deck of 52 or 53 cards: C(52, 5) or C(53, 5).
std::int64_t allDeals(int deckSize);

struct HoldValue {
    std::uint8_t kept = 0;      // bit p set: the card at position p of the dealt hand is kept
    std::int64_t creditSum = 0; // total credit over every draw
    std::int64_t draws = 0;     // C(47, 5 - kept cards), or C(48, ...) with the joker
    int keptCount() const;
    double expected() const { return static_cast<double>(creditSum) / static_cast<double>(draws); }
    // The value exactly, in 1 / drawsMultiple parts of a credit.
    std::int64_t valueUnits() const { return creditSum * (drawsMultiple / draws); }
};

// Best first: the higher expected credit (compared exactly); between equal values the hold that
// exchanges fewer cards, then the one whose kept positions, read from the left, come first
// (keeping the first and second cards before the first and third).
bool betterHold(const HoldValue& a, const HoldValue& b);
// The 32 holds (bit p: the card at position p kept) in that order of equal values.
const std::array<std::uint8_t, 32>& holdsInTieOrder();

using HoldRanking = std::array<HoldValue, 32>;

// Every draw of every hold evaluated: 2,598,960 evaluations in all (2,869,685 with the joker).
// The tables' check, and the answer while they are not built.
HoldRanking analyseDirect(const Paytable& paytable, const Hand& dealt);

class StrategyTables {
  public:
    // Builds the tables: every five-card hand of the paytable's deck is evaluated once.
    explicit StrategyTables(const Paytable& paytable);
    const Paytable& paytable() const { return paytable_; }
    HoldRanking analyse(const Hand& dealt) const;
    std::size_t memoryBytes() const;

  private:
    Paytable paytable_;
    int deckSize_;
    std::vector<std::int32_t> credit_;                   // by the index of the five-card hand
    std::array<std::vector<std::int64_t>, 5> superSums_; // [k]: by the index of the k-card set
};

// How often each caption of this game ends the draws of one hold (by Category), over every
// draw; the probability of a caption is its count over draws.
struct CaptionOdds {
    std::array<std::int64_t, 10> counts{};
    std::int64_t draws = 0;
};
CaptionOdds captionOdds(const Hand& dealt, std::uint8_t kept);

// A non-negative fraction of integers, kept reduced.
struct Fraction {
    Wide numerator = 0;
    Wide denominator = 1;
    static Fraction reduced(Wide numerator, Wide denominator);
    bool operator==(const Fraction&) const = default;
    std::string text() const; // "num/den"
    // The decimal, rounded half up to the given number of digits after the point.
    std::string decimal(int digits) const;
};

struct GameReturn {
    Fraction meanCredit;    // per deal, under perfect play
    std::int64_t stake;     // of one deal
    Fraction ratio() const; // mean credit over the stake
    std::string percent(int digits) const;
};

// Called now and then with the share of the work done so far.
using Progress = std::function<void(double done)>;

// The whole game: every one of the 2,598,960 deals (2,869,685 with the joker) played with its
// best hold. Deals that differ only by a permutation of the suits have the same best value, so
// the 134,459 classes of deals (150,891 with the joker) are analysed once each and weighted by
// their size.
GameReturn gameReturn(const StrategyTables& tables, const Progress& progress = {});
// The same over every deal one by one; the check of the classes.
GameReturn gameReturnEveryDeal(const StrategyTables& tables);

// The classes of deals under the permutations of the suits: a representative and the number of
// deals in the class. With 53 cards the joker, which has no suit, is the last card of the
// representatives that hold it.
struct DealClass {
    Hand cards;
    int weight;
};
std::vector<DealClass> dealClasses(int deckSize = 52);

// A hold's kept cards in the hand's order, as card codes separated by blanks; "-" for none.
std::string keptCodes(const Hand& dealt, std::uint8_t kept);

} // namespace kartavo
