// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "strategy.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <utility>

namespace kartavo {

namespace {

constexpr int largestDeck = 53;

// binomial[n][k] for n <= 53, k <= 5.
struct Binomials {
    std::int64_t c[largestDeck + 1][6] = {};
    constexpr Binomials() {
        for (int n = 0; n <= largestDeck; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
constexpr Binomials binomials;
constexpr std::int64_t choose(int n, int k) {
    return binomials.c[n][k];
}

// The index of a set of cards among the sets of its size, in colex order: the sum of
// C(card, i + 1) over its cards in ascending order.
template <class It> std::size_t setIndex(It first, It last) {
    std::int64_t index = 0;
    int i = 1;
    for (It it = first; it != last; ++it, ++i)
        index += choose(*it, i);
    return static_cast<std::size_t>(index);
}

// Visits every k-set of the deck's cards in colex order (the order of setIndex) as ascending
// cards.
template <class Visit> void forEachSet(int k, int deckSize, Visit&& visit) {
    std::array<int, 5> set{};
    for (int i = 0; i < k; ++i)
        set[static_cast<std::size_t>(i)] = i;
    if (k == 0) {
        visit(set.data());
        return;
    }
    for (;;) {
        visit(set.data());
        // Colex successor: raise the lowest card that can rise, reset the ones below it.
        int i = 0;
        while (i < k - 1 &&
               set[static_cast<std::size_t>(i)] + 1 == set[static_cast<std::size_t>(i + 1)])
            ++i;
        if (++set[static_cast<std::size_t>(i)] >= deckSize)
            return;
        for (int j = 0; j < i; ++j)
            set[static_cast<std::size_t>(j)] = j;
    }
}

// Visits every final hand of one hold: the kept cards of the dealt hand and every choice of
// replacements among the cards not dealt.
template <class Visit>
void forEachDraw(const Hand& dealt, std::uint8_t kept, int deckSize, Visit&& visit) {
    std::array<CardId, largestDeck - 5> rest{};
    std::size_t n = 0;
    for (int c = 0; c < deckSize; ++c)
        if (std::find(dealt.begin(), dealt.end(), c) == dealt.end())
            rest[n++] = static_cast<CardId>(c);
    Hand final{};
    int k = 0;
    for (int p = 0; p < 5; ++p)
        if (kept & (1u << p))
            final[static_cast<std::size_t>(k++)] = dealt[static_cast<std::size_t>(p)];
    const int need = 5 - k;
    auto recurse = [&](auto& self, int depth, std::size_t from) -> void {
        if (depth == need) {
            visit(final);
            return;
        }
        for (std::size_t i = from; i + static_cast<std::size_t>(need - depth) <= n; ++i) {
            final[static_cast<std::size_t>(k + depth)] = rest[i];
            self(self, depth + 1, i + 1);
        }
    };
    recurse(recurse, 0, 0);
}

HoldValue holdValue(std::uint8_t kept, std::int64_t creditSum, int deckSize) {
    HoldValue v;
    v.kept = kept;
    v.creditSum = creditSum;
    v.draws = choose(deckSize - 5, 5 - std::popcount(kept));
    return v;
}

} // namespace

const std::array<std::uint8_t, 32>& holdsInTieOrder() {
    static const std::array<std::uint8_t, 32> order = [] {
        std::array<std::uint8_t, 32> holds{};
        for (unsigned k = 0; k < 32; ++k)
            holds[k] = static_cast<std::uint8_t>(k);
        std::sort(holds.begin(), holds.end(), [](std::uint8_t a, std::uint8_t b) {
            if (std::popcount(a) != std::popcount(b))
                return std::popcount(a) > std::popcount(b);
            const unsigned differ = static_cast<unsigned>(a ^ b);
            return (a & (differ & -differ)) != 0;
        });
        return holds;
    }();
    return order;
}

namespace {

// The place of every hold in the order of equal values.
struct TieOrder {
    std::array<std::uint8_t, 32> place{};
    TieOrder() {
        for (unsigned i = 0; i < 32; ++i)
            place[holdsInTieOrder()[i]] = static_cast<std::uint8_t>(i);
    }
};
const TieOrder& tieOrder() {
    static const TieOrder order;
    return order;
}

static_assert([] {
    std::int64_t l = 1;
    for (int k = 0; k <= 5; ++k)
        l = std::lcm(std::lcm(l, choose(47, k)), choose(48, k));
    return l;
}() == drawsMultiple);

// Sorted by exact value through one integer per hold: its credit sum over the common
// denominator of the draws.
HoldRanking ranked(const HoldRanking& holds) {
    __extension__ typedef __int128 SignedWide;
    const TieOrder& ties = tieOrder();
    std::array<std::pair<SignedWide, std::uint8_t>, 32> keys{};
    for (std::size_t i = 0; i < 32; ++i)
        keys[i] = {static_cast<SignedWide>(holds[i].creditSum) * (drawsMultiple / holds[i].draws),
                   static_cast<std::uint8_t>(i)};
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first > b.first;
        return ties.place[holds[a.second].kept] < ties.place[holds[b.second].kept];
    });
    HoldRanking out;
    for (std::size_t i = 0; i < 32; ++i)
        out[i] = holds[keys[i].second];
    return out;
}

std::string wideText(Wide v) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    return s;
}

Wide wideGcd(Wide a, Wide b) {
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

} // namespace

int HoldValue::keptCount() const {
    return std::popcount(kept);
}

bool betterHold(const HoldValue& a, const HoldValue& b) {
    __extension__ typedef __int128 SignedWide;
    const SignedWide left = static_cast<SignedWide>(a.creditSum) * b.draws;
    const SignedWide right = static_cast<SignedWide>(b.creditSum) * a.draws;
    if (left != right)
        return left > right;
    return tieOrder().place[a.kept] < tieOrder().place[b.kept];
}

std::int64_t allDeals(int deckSize) {
    return choose(deckSize, 5);
}

HoldRanking analyseDirect(const Paytable& paytable, const Hand& dealt) {
    HoldRanking holds;
    for (unsigned kept = 0; kept < 32; ++kept) {
        std::int64_t sum = 0;
        forEachDraw(dealt, static_cast<std::uint8_t>(kept), paytable.deckSize,
                    [&](const Hand& final) { sum += paytable.credit(final); });
        holds[kept] = holdValue(static_cast<std::uint8_t>(kept), sum, paytable.deckSize);
    }
    return ranked(holds);
}

StrategyTables::StrategyTables(const Paytable& paytable)
    : paytable_(paytable), deckSize_(paytable.deckSize) {
    const int deckSize = deckSize_;
    credit_.resize(static_cast<std::size_t>(choose(deckSize, 5)));
    for (int k = 0; k < 5; ++k)
        superSums_[static_cast<std::size_t>(k)].assign(
            static_cast<std::size_t>(choose(deckSize, k)), 0);

    // Every hand once, in colex order; each credit also goes to the four-card sets it contains.
    // The set without the lowest card stays the same over the innermost loop and is summed there.
    std::vector<std::int64_t>& four = superSums_[4];
    std::size_t index = 0;
    Hand h{};
    for (int c4 = 4; c4 < deckSize; ++c4)
        for (int c3 = 3; c3 < c4; ++c3)
            for (int c2 = 2; c2 < c3; ++c2)
                for (int c1 = 1; c1 < c2; ++c1) {
                    const auto without1 =
                        static_cast<std::size_t>(choose(c2, 2) + choose(c3, 3) + choose(c4, 4));
                    const auto without2 =
                        static_cast<std::size_t>(choose(c1, 2) + choose(c3, 3) + choose(c4, 4));
                    const auto without3 =
                        static_cast<std::size_t>(choose(c1, 2) + choose(c2, 3) + choose(c4, 4));
                    const auto without4 =
                        static_cast<std::size_t>(choose(c1, 2) + choose(c2, 3) + choose(c3, 4));
                    h[1] = static_cast<CardId>(c1);
                    h[2] = static_cast<CardId>(c2);
                    h[3] = static_cast<CardId>(c3);
                    h[4] = static_cast<CardId>(c4);
                    std::int64_t withoutLowest = 0;
                    for (int c0 = 0; c0 < c1; ++c0) {
                        h[0] = static_cast<CardId>(c0);
                        const std::int32_t credit = paytable_.credit(h);
                        credit_[index++] = credit;
                        withoutLowest += credit;
                        const auto low = static_cast<std::size_t>(c0);
                        four[low + without1] += credit;
                        four[low + without2] += credit;
                        four[low + without3] += credit;
                        four[low + without4] += credit;
                    }
                    four[static_cast<std::size_t>(c1) + without1] += withoutLowest;
                }

    // The smaller sets from the larger: summing over the cards c outside a k-set X the total of
    // X + c counts every hand that contains X once for each of its 5 - k other cards.
    for (int k = 3; k >= 0; --k) {
        const std::vector<std::int64_t>& larger = superSums_[static_cast<std::size_t>(k + 1)];
        std::vector<std::int64_t>& sums = superSums_[static_cast<std::size_t>(k)];
        std::size_t setNumber = 0;
        forEachSet(k, deckSize, [&](const int* set) {
            std::int64_t total = 0;
            std::array<int, 5> withCard{};
            for (int c = 0, below = 0; c < deckSize; ++c) {
                if (below < k && set[below] == c) {
                    ++below;
                    continue;
                }
                std::copy(set, set + below, withCard.begin());
                withCard[static_cast<std::size_t>(below)] = c;
                std::copy(set + below, set + k, withCard.begin() + below + 1);
                total += larger[setIndex(withCard.begin(), withCard.begin() + k + 1)];
            }
            sums[setNumber++] = total / (5 - k);
        });
    }
}

std::size_t StrategyTables::memoryBytes() const {
    std::size_t bytes = credit_.size() * sizeof(credit_[0]);
    for (const auto& level : superSums_)
        bytes += level.size() * sizeof(level[0]);
    return bytes;
}

HoldRanking StrategyTables::analyse(const Hand& dealt) const {
    // The dealt cards in ascending order, with the position each came from.
    std::array<int, 5> order = {0, 1, 2, 3, 4};
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return dealt[static_cast<std::size_t>(a)] < dealt[static_cast<std::size_t>(b)];
    });
    // For every subset of the dealt cards (bits over the ascending order): its index and the
    // total credit of the hands that contain it. A subset's highest card is its last one.
    std::array<std::size_t, 32> index{};
    std::array<std::uint8_t, 32> positions{};
    std::array<std::int64_t, 32> sum{};
    sum[0] = superSums_[0][0];
    for (unsigned mask = 1; mask < 32; ++mask) {
        const int highest = std::bit_width(mask) - 1;
        const unsigned rest = mask ^ (1u << highest);
        const int size = std::popcount(mask);
        const int card = dealt[static_cast<std::size_t>(order[static_cast<std::size_t>(highest)])];
        index[mask] = index[rest] + static_cast<std::size_t>(choose(card, size));
        positions[mask] = static_cast<std::uint8_t>(
            positions[rest] | (1u << order[static_cast<std::size_t>(highest)]));
        sum[mask] = size == 5 ? credit_[index[mask]]
                              : superSums_[static_cast<std::size_t>(size)][index[mask]];
    }
    // Inclusion-exclusion over the supersets: the hands that contain the hold and none of the
    // other dealt cards.
    for (unsigned bit = 1; bit < 32; bit <<= 1)
        for (unsigned mask = 0; mask < 32; ++mask)
            if (!(mask & bit))
                sum[mask] -= sum[mask | bit];
    HoldRanking holds;
    for (unsigned mask = 0; mask < 32; ++mask)
        holds[mask] = holdValue(positions[mask], sum[mask], deckSize_);
    return ranked(holds);
}

CaptionOdds captionOdds(const Hand& dealt, std::uint8_t kept) {
    CaptionOdds odds;
    forEachDraw(dealt, kept, 52, [&](const Hand& final) {
        ++odds.counts[static_cast<std::size_t>(fastCaption(final))];
        ++odds.draws;
    });
    return odds;
}

Fraction Fraction::reduced(Wide numerator, Wide denominator) {
    const Wide g = wideGcd(numerator, denominator);
    return {numerator / g, denominator / g};
}

std::string Fraction::text() const {
    return wideText(numerator) + "/" + wideText(denominator);
}

std::string Fraction::decimal(int digits) const {
    Wide scale = 1;
    for (int i = 0; i < digits; ++i)
        scale *= 10;
    // Rounded half up on the whole scaled value, so a carry reaches the integer part.
    const Wide scaled = (numerator * scale + denominator / 2) / denominator;
    std::string text = wideText(scaled / scale);
    if (digits > 0) {
        std::string fraction = wideText(scaled % scale);
        text +=
            "." + std::string(static_cast<std::size_t>(digits) - fraction.size(), '0') + fraction;
    }
    return text;
}

Fraction GameReturn::ratio() const {
    return Fraction::reduced(meanCredit.numerator,
                             meanCredit.denominator * static_cast<Wide>(stake));
}

std::string GameReturn::percent(int digits) const {
    const Fraction r = ratio();
    return Fraction::reduced(r.numerator * 100, r.denominator).decimal(digits) + " %";
}

std::vector<DealClass> dealClasses(int deckSize) {
    // A deal is its four suits' rank masks; a permutation of the suits permutes the masks, so
    // the masks in descending order name the class, and the class holds as many deals as there
    // are distinct orders of its masks. A deal with the joker: the same of its other four cards.
    std::array<std::vector<unsigned>, 6> masksBySize;
    for (unsigned m = 0; m < (1u << 13); ++m)
        if (std::popcount(m) <= 5)
            masksBySize[static_cast<std::size_t>(std::popcount(m))].push_back(m);
    std::vector<DealClass> classes;
    std::array<unsigned, 4> masks{};
    bool joker = false;
    auto recurse = [&](auto& self, int suit, int left, unsigned bound) -> void {
        if (suit == 4) {
            if (left != 0)
                return;
            DealClass d{};
            int n = 0;
            if (joker)
                d.cards[4] = jokerCard;
            for (int s = 0; s < 4; ++s)
                for (int r = 0; r < 13; ++r)
                    if (masks[static_cast<std::size_t>(s)] & (1u << r))
                        d.cards[static_cast<std::size_t>(n++)] = cardId(r, s);
            int orders = 24;
            for (int s = 1, run = 1; s < 4; ++s) {
                run = masks[static_cast<std::size_t>(s)] == masks[static_cast<std::size_t>(s - 1)]
                          ? run + 1
                          : 1;
                orders /= run; // a run of n equal masks divides by n!
            }
            d.weight = orders;
            classes.push_back(d);
            return;
        }
        const int lowest = suit == 3 ? left : 0;
        for (int size = lowest; size <= left; ++size)
            for (unsigned m : masksBySize[static_cast<std::size_t>(size)]) {
                if (m > bound)
                    break;
                masks[static_cast<std::size_t>(suit)] = m;
                self(self, suit + 1, left - size, m);
            }
    };
    recurse(recurse, 0, 5, (1u << 13) - 1);
    if (deckSize == 53) {
        joker = true;
        recurse(recurse, 0, 4, (1u << 13) - 1);
    }
    return classes;
}

namespace {
void addBest(Wide& total, const HoldValue& best, int weight) {
    total += static_cast<Wide>(weight) * static_cast<Wide>(best.creditSum) *
             static_cast<Wide>(drawsMultiple / best.draws);
}
} // namespace

GameReturn gameReturn(const StrategyTables& tables, const Progress& progress) {
    const std::vector<DealClass> classes = dealClasses(tables.paytable().deckSize);
    Wide total = 0;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        addBest(total, tables.analyse(classes[i].cards)[0], classes[i].weight);
        if (progress && i % 4096 == 0)
            progress(static_cast<double>(i) / static_cast<double>(classes.size()));
    }
    return {Fraction::reduced(total, static_cast<Wide>(drawsMultiple) *
                                         allDeals(tables.paytable().deckSize)),
            tables.paytable().stake};
}

GameReturn gameReturnEveryDeal(const StrategyTables& tables) {
    Wide total = 0;
    forEachSet(5, tables.paytable().deckSize, [&](const int* set) {
        Hand h{};
        std::copy(set, set + 5, h.begin());
        addBest(total, tables.analyse(h)[0], 1);
    });
    return {Fraction::reduced(total, static_cast<Wide>(drawsMultiple) *
                                         allDeals(tables.paytable().deckSize)),
            tables.paytable().stake};
}

std::string keptCodes(const Hand& dealt, std::uint8_t kept) {
    std::string text;
    for (int p = 0; p < 5; ++p)
        if (kept & (1u << p)) {
            if (!text.empty())
                text += ' ';
            text += cardCode(dealt[static_cast<std::size_t>(p)]);
        }
    return text.empty() ? "-" : text;
}

} // namespace kartavo
