// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "strategy_chart.h"

#include <algorithm>
#include <limits>
#include <string>
#include <unordered_map>

namespace kartavo {

namespace {

constexpr int never = std::numeric_limits<int>::max();

GameReturn returnOf(Wide totalUnits, const Paytable& paytable) {
    return {Fraction::reduced(totalUnits,
                              static_cast<Wide>(drawsMultiple) * allDeals(paytable.deckSize)),
            paytable.stake};
}

// The value of every hold of a dealt hand, by kept positions, in 1 / drawsMultiple credits.
std::array<std::int64_t, 32> holdValues(const HoldRanking& ranking) {
    std::array<std::int64_t, 32> values{};
    for (const HoldValue& v : ranking)
        values[v.kept] = v.valueUnits();
    return values;
}

// Every candidate kind's hold in every class of deals, and what it loses there against the best
// hold, times the class's weight: the whole of what the search needs.
struct Problem {
    std::vector<HoldKind> kinds;
    std::vector<bool> meetsEveryDeal;
    // By row (the classes that meet the same kinds), the kinds in ascending order and their
    // losses summed over the row's classes.
    std::vector<std::uint32_t> start;
    std::vector<std::uint16_t> kind;
    std::vector<std::int64_t> loss;
    Wide bestUnits = 0; // every deal played with its best hold
    // The losses are in units of this many: 1 but for paytables whose best play is worth so much
    // that a chart's total loss might not fit in 63 bits (pays near a million on common hands);
    // their derivation compares losses rounded down to such units.
    std::int64_t lossUnit = 1;
};

Problem buildProblem(const StrategyTables& tables, const ChartRules& rules,
                     const Progress& progress) {
    Problem p;
    p.kinds = candidateKinds(rules);
    const std::vector<DealClass> classes = dealClasses(tables.paytable().deckSize);
    p.meetsEveryDeal.assign(p.kinds.size(), true);
    // Classes that meet the same kinds have the same first and second line in every chart, and
    // every sum of the search is a sum over classes: they are summed into one row.
    std::unordered_map<std::string, std::size_t> rowOf;
    std::vector<std::string> rowKinds; // two bytes a kind
    std::vector<std::vector<Wide>> rowLoss;
    std::string kinds;
    std::vector<Wide> losses;
    for (std::size_t c = 0; c < classes.size(); ++c) {
        const HoldRanking ranking = tables.analyse(classes[c].cards);
        const std::array<std::int64_t, 32> values = holdValues(ranking);
        const std::int64_t best = ranking[0].valueUnits();
        p.bestUnits += static_cast<Wide>(best) * static_cast<Wide>(classes[c].weight);
        const HoldMatcher matcher(rules, classes[c].cards);
        kinds.clear();
        losses.clear();
        for (std::size_t k = 0; k < p.kinds.size(); ++k) {
            const std::optional<std::uint8_t> kept = matcher.match(p.kinds[k]);
            if (!kept) {
                p.meetsEveryDeal[k] = false;
                continue;
            }
            kinds += static_cast<char>(k & 0xFF);
            kinds += static_cast<char>(k >> 8);
            losses.push_back(static_cast<Wide>(best - values[*kept]) *
                             static_cast<Wide>(classes[c].weight));
        }
        const auto [row, added] = rowOf.try_emplace(kinds, rowKinds.size());
        if (added) {
            rowKinds.push_back(kinds);
            rowLoss.push_back(losses);
        } else {
            for (std::size_t e = 0; e < losses.size(); ++e)
                rowLoss[row->second][e] += losses[e];
        }
        if (progress && c % 4096 == 0)
            progress(0.3 * static_cast<double>(c) / static_cast<double>(classes.size()));
    }
    // A chart loses at most what the best holds are worth in all: below 2^62, every sum of the
    // search fits.
    constexpr Wide limit = Wide{1} << 62;
    if (p.bestUnits >= limit)
        p.lossUnit = static_cast<std::int64_t>(p.bestUnits / limit + 1);
    p.start.reserve(rowKinds.size() + 1);
    p.start.push_back(0);
    for (std::size_t r = 0; r < rowKinds.size(); ++r) {
        for (std::size_t e = 0; e < rowLoss[r].size(); ++e) {
            p.kind.push_back(static_cast<std::uint16_t>(
                static_cast<unsigned char>(rowKinds[r][2 * e]) |
                static_cast<unsigned char>(rowKinds[r][2 * e + 1]) << 8));
            p.loss.push_back(
                static_cast<std::int64_t>(rowLoss[r][e] / static_cast<Wide>(p.lossUnit)));
        }
        p.start.push_back(static_cast<std::uint32_t>(p.kind.size()));
    }
    return p;
}

// A chart under improvement: its lines (kind numbers, the last meets every deal), its total loss,
// and what every change of one line would gain.
class ChartSearch {
  public:
    ChartSearch(const Problem& problem, std::vector<int> lines) : p_(problem) {
        reset(std::move(lines));
    }
    const std::vector<int>& lines() const { return lines_; }
    void reset(std::vector<int> lines) {
        lines_ = std::move(lines);
        evaluate();
    }
    std::int64_t totalLoss() const { return total_; }
    std::int64_t removalCost(std::size_t line) const { return rem_[line]; }

    // Makes the change that lowers the loss most; false when none does. Inserting a line is
    // allowed while the chart is shorter than maxLines.
    bool improve(int maxLines);
    // Removes the line whose removal costs least (never the last line).
    void removeCheapest();
    // Swaps neighbouring lines into the order of the kinds wherever no deal meets both with the
    // upper one first: the chart then keeps the same cards of every deal.
    void tidy();

  private:
    void evaluate();
    std::size_t n() const { return lines_.size(); }
    std::int64_t& gainAt(std::size_t kind, std::size_t first) { return g_[kind * n() + first]; }
    std::int64_t& secondAt(std::size_t kind, std::size_t first, std::size_t second) {
        return b_[(kind * n() + first) * n() + second];
    }

    const Problem& p_;
    std::vector<int> lines_;
    std::vector<int> position_; // by kind: its line, or never
    std::int64_t total_ = 0;
    // By the first line f that a class meets and its second line s: g_[j][f], what kind j's hold
    // gains over the first line's; b_[j][f][s], what it gains over the second line's; rem_[f],
    // what removing line f costs.
    std::vector<std::int64_t> g_, b_, rem_;
    std::vector<bool> sharedWithNext_; // [f]: some deal meets line f first and line f + 1 next
};

// One pass over every class: its first and second line, and what each kind it meets would gain.
void ChartSearch::evaluate() {
    position_.assign(p_.kinds.size(), never);
    for (std::size_t i = 0; i < n(); ++i)
        position_[static_cast<std::size_t>(lines_[i])] = static_cast<int>(i);
    g_.assign(p_.kinds.size() * n(), 0);
    b_.assign(p_.kinds.size() * n() * n(), 0);
    rem_.assign(n(), 0);
    sharedWithNext_.assign(n(), false);
    total_ = 0;
    for (std::size_t c = 0; c + 1 < p_.start.size(); ++c) {
        int first = never, second = never;
        std::int64_t cur = 0, next = 0;
        for (std::uint32_t e = p_.start[c]; e < p_.start[c + 1]; ++e) {
            const int q = position_[p_.kind[e]];
            if (q < first) {
                second = first;
                next = cur;
                first = q;
                cur = p_.loss[e];
            } else if (q < second) {
                second = q;
                next = p_.loss[e];
            }
        }
        total_ += cur;
        const auto f = static_cast<std::size_t>(first);
        if (second == never) {
            for (std::uint32_t e = p_.start[c]; e < p_.start[c + 1]; ++e)
                gainAt(p_.kind[e], f) += cur - p_.loss[e];
            continue;
        }
        const auto s = static_cast<std::size_t>(second);
        rem_[f] += next - cur;
        if (s == f + 1)
            sharedWithNext_[f] = true;
        for (std::uint32_t e = p_.start[c]; e < p_.start[c + 1]; ++e) {
            const std::size_t j = p_.kind[e];
            gainAt(j, f) += cur - p_.loss[e];
            secondAt(j, f, s) += next - p_.loss[e];
        }
    }
}

bool ChartSearch::improve(int maxLines) {
    const std::size_t last = n() - 1;
    enum class Change { None, Remove, Fallback, Replace, Insert };
    Change change = Change::None;
    std::int64_t bestGain = 0;
    std::size_t at = 0, kind = 0, to = 0;
    // Inserting a new line before line t (first: of equal gains, a longer chart keeps more
    // lines to build on). A kind that meets every deal serves only as the last line.
    if (static_cast<int>(n()) < maxLines)
        for (std::size_t j = 0; j < p_.kinds.size(); ++j) {
            if (position_[j] != never || p_.meetsEveryDeal[j])
                continue;
            std::int64_t gain = 0;
            for (std::size_t t = last + 1; t-- > 0;) {
                gain += gainAt(j, t);
                if (gain > bestGain) {
                    bestGain = gain;
                    change = Change::Insert;
                    kind = j;
                    to = t;
                }
            }
        }
    // Removing a line.
    for (std::size_t r = 0; r < last; ++r)
        if (-rem_[r] > bestGain) {
            bestGain = -rem_[r];
            change = Change::Remove;
            at = r;
        }
    // Another last line among the kinds that meet every deal.
    for (std::size_t j = 0; j < p_.kinds.size(); ++j)
        if (p_.meetsEveryDeal[j] && position_[j] == never && gainAt(j, last) > bestGain) {
            bestGain = gainAt(j, last);
            change = Change::Fallback;
            kind = j;
        }
    // Removing line r and putting kind j (a new one, or the removed one elsewhere) before line t.
    for (std::size_t r = 0; r < last; ++r)
        for (std::size_t j = 0; j < p_.kinds.size(); ++j) {
            if ((position_[j] != never && position_[j] != static_cast<int>(r)) ||
                p_.meetsEveryDeal[j])
                continue;
            // Classes whose first line is r take j's hold when j comes before their second
            // line; the others when j comes before their first.
            std::int64_t others = 0, fromSecond = 0;
            for (std::size_t t = last + 1; t-- > 0;) {
                if (t != r)
                    others += gainAt(j, t);
                if (t > r)
                    fromSecond += secondAt(j, r, t);
                const std::int64_t gain = others + fromSecond - rem_[r];
                if (gain > bestGain) {
                    bestGain = gain;
                    change = Change::Replace;
                    at = r;
                    kind = j;
                    to = t;
                }
            }
        }
    switch (change) {
    case Change::None:
        return false;
    case Change::Remove:
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
        break;
    case Change::Fallback:
        lines_[last] = static_cast<int>(kind);
        break;
    case Change::Replace: {
        // Before line `to` of the current chart, then line `at` goes.
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(to), static_cast<int>(kind));
        const std::size_t old = to <= at ? at + 1 : at;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(old));
        break;
    }
    case Change::Insert:
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(to), static_cast<int>(kind));
        break;
    }
    evaluate();
    return true;
}

void ChartSearch::removeCheapest() {
    std::size_t cheapest = 0;
    for (std::size_t r = 1; r + 1 < n(); ++r)
        if (rem_[r] < rem_[cheapest])
            cheapest = r;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(cheapest));
    evaluate();
}

void ChartSearch::tidy() {
    for (bool swapped = true; swapped;) {
        swapped = false;
        // Swaps of lines f, f + 1 that do not overlap leave one another's deals alone.
        for (std::size_t f = 0; f + 2 < n(); ++f)
            if (!sharedWithNext_[f] && lines_[f + 1] < lines_[f]) {
                std::swap(lines_[f], lines_[f + 1]);
                swapped = true;
                ++f;
            }
        if (swapped)
            evaluate();
    }
}

StrategyChart chartOf(const Problem& p, const ChartRules& rules, const std::vector<int>& lines) {
    StrategyChart chart{rules, {}};
    for (int k : lines)
        chart.lines.push_back(p.kinds[static_cast<std::size_t>(k)]);
    return chart;
}

// Whether a chart that loses that much in all (in weighted units) reaches the goal. As shares of
// the stake, the return is (best - loss) / scale and the shortfall loss / scale.
bool reaches(const ChartGoal& goal, Wide bestUnits, Wide loss, const Paytable& paytable) {
    const Wide scale = static_cast<Wide>(drawsMultiple) * allDeals(paytable.deckSize) *
                       static_cast<Wide>(paytable.stake);
    const auto l = static_cast<Wide>(loss);
    return l * goal.maxShortfall.denominator <= goal.maxShortfall.numerator * scale &&
           (bestUnits - l) * goal.minReturn.denominator >= goal.minReturn.numerator * scale;
}

} // namespace

ChartHold chartHold(const StrategyChart& chart, const Hand& dealt) {
    const HoldMatcher matcher(chart.rules, dealt);
    for (std::size_t i = 0; i < chart.lines.size(); ++i)
        if (const std::optional<std::uint8_t> kept = matcher.match(chart.lines[i]))
            return {*kept, static_cast<int>(i)};
    return {};
}

double ChartLinePrice::share() const {
    return static_cast<double>(deals) / static_cast<double>(allDeals);
}

double ChartLinePrice::cost() const {
    return static_cast<double>(costUnits) / static_cast<double>(drawsMultiple);
}

double ChartLinePrice::returnPoints(std::int64_t stake) const {
    return 100 * cost() / static_cast<double>(allDeals) / static_cast<double>(stake);
}

ChartPrice priceChart(const StrategyTables& tables, const StrategyChart& chart,
                      const Progress& progress) {
    const std::vector<DealClass> classes = dealClasses(tables.paytable().deckSize);
    ChartPrice price;
    price.lines.resize(chart.lines.size());
    for (ChartLinePrice& line : price.lines)
        line.allDeals = allDeals(tables.paytable().deckSize);
    price.classValues.resize(classes.size());
    Wide chartUnits = 0, bestUnits = 0;
    for (std::size_t c = 0; c < classes.size(); ++c) {
        const DealClass& d = classes[c];
        const HoldRanking ranking = tables.analyse(d.cards);
        const ChartHold hold = chartHold(chart, d.cards);
        const std::int64_t best = ranking[0].valueUnits();
        const std::int64_t value = holdValues(ranking)[hold.kept];
        price.classValues[c] = value;
        chartUnits += static_cast<Wide>(value) * static_cast<Wide>(d.weight);
        bestUnits += static_cast<Wide>(best) * static_cast<Wide>(d.weight);
        if (hold.line >= 0) {
            ChartLinePrice& line = price.lines[static_cast<std::size_t>(hold.line)];
            line.deals += d.weight;
            if (value < best) {
                line.wrongDeals += d.weight;
                line.costUnits += static_cast<Wide>(best - value) * static_cast<Wide>(d.weight);
            }
        }
        if (progress && c % 4096 == 0)
            progress(static_cast<double>(c) / static_cast<double>(classes.size()));
    }
    price.chartReturn = returnOf(chartUnits, tables.paytable());
    price.perfectReturn = returnOf(bestUnits, tables.paytable());
    return price;
}

ChartGoal gameChartGoal() {
    return {};
}

ChartGoal jacksOrBetterChartGoal() {
    return {
        {1,   1   },
        {995, 1000},
        40
    };
}

ChartDerivation deriveChart(const StrategyTables& tables, const ChartRules& rules,
                            const ChartGoal& goal, const Progress& progress) {
    const Problem p = buildProblem(tables, rules, progress);
    const Paytable& paytable = tables.paytable();

    // Grown from the made hands one by one in the order of their payouts above each kind that
    // meets every deal; the best grown chart stays. (Grown from nothing, a chart gets stuck where
    // a made hand's line covers a better draw: the draw can go above it only once a line for the
    // better made hand is there, and that line alone gains nothing.)
    constexpr int longest = 80;
    std::vector<int> made;
    for (std::size_t k = 0; k < p.kinds.size(); ++k)
        if (isMadeHand(p.kinds[k]))
            made.push_back(static_cast<int>(k));
    std::vector<int> grown;
    std::int64_t grownLoss = std::numeric_limits<std::int64_t>::max();
    for (std::size_t k = 0; k < p.kinds.size(); ++k) {
        if (!p.meetsEveryDeal[k])
            continue;
        std::vector<int> lines = made;
        lines.push_back(static_cast<int>(k));
        ChartSearch start(p, lines);
        while (start.improve(longest)) {
        }
        if (start.totalLoss() < grownLoss) {
            grownLoss = start.totalLoss();
            grown = start.lines();
        }
    }
    if (progress)
        progress(0.5);

    // The best chart found of at most so many lines, for every length.
    std::vector<std::vector<int>> best(grown.size() + 1);
    std::vector<std::int64_t> bestLoss(best.size(), std::numeric_limits<std::int64_t>::max());
    ChartSearch search(p, grown);
    auto record = [&] {
        for (std::size_t length = search.lines().size(); length < best.size(); ++length)
            if (search.totalLoss() < bestLoss[length]) {
                bestLoss[length] = search.totalLoss();
                best[length] = search.lines();
            }
    };
    auto shortestReaching = [&]() -> std::size_t {
        for (std::size_t length = 1; length < best.size(); ++length)
            if (static_cast<int>(length) <= goal.maxLines &&
                reaches(goal, p.bestUnits, static_cast<Wide>(bestLoss[length]) * p.lossUnit,
                        paytable))
                return length;
        return 0;
    };

    // Pruned down to one line: the line whose removal costs least goes, then the shorter chart
    // is improved without growing.
    record();
    while (search.lines().size() > 1) {
        search.removeCheapest();
        const int length = static_cast<int>(search.lines().size());
        while (search.improve(length)) {
        }
        record();
        if (progress)
            progress(0.5 + 0.25 * (1.0 - static_cast<double>(length) /
                                             static_cast<double>(grown.size())));
    }
    // Below the shortest chart that reaches the goal, more thoroughly: each of its lines in turn
    // (the cheapest to remove first) removed and the shorter chart improved, until one reaches
    // the goal too; then the same one line shorter.
    for (std::size_t length = shortestReaching(); length > 1;) {
        const std::vector<int> from = best[length];
        search.reset(from);
        std::vector<std::size_t> order(from.size() - 1);
        for (std::size_t r = 0; r < order.size(); ++r)
            order[r] = r;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return search.removalCost(a) < search.removalCost(b);
        });
        for (std::size_t r : order) {
            std::vector<int> lines = from;
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(r));
            search.reset(lines);
            while (search.improve(static_cast<int>(length - 1))) {
            }
            record();
            if (shortestReaching() < length)
                break;
        }
        if (shortestReaching() == length)
            break;
        length = shortestReaching();
    }
    if (progress)
        progress(0.95);

    ChartDerivation d;
    d.perfectReturn = returnOf(p.bestUnits, paytable);
    for (std::size_t length = 1; length < best.size(); ++length) {
        d.byLength.push_back(chartOf(p, rules, best[length]));
        d.returnByLength.push_back(
            returnOf(p.bestUnits - static_cast<Wide>(bestLoss[length]) * p.lossUnit, paytable));
    }
    std::size_t chosen = shortestReaching();
    d.goalReached = chosen != 0;
    if (!d.goalReached)
        chosen = std::min(best.size() - 1, static_cast<std::size_t>(std::max(goal.maxLines, 1)));
    // In the order of the kinds wherever two neighbouring lines never meet the same deal first.
    search.reset(best[chosen]);
    search.tidy();
    d.chart = chartOf(p, rules, search.lines());
    return d;
}

// The lines below are what "kartavo-analyze --strategy --derive" prints for the goals above; the
// tests derive the game's chart again and price both.
using S = HoldShape;

const StrategyChart& gameChart() {
    static const StrategyChart chart{
        gameChartRules(),
        {
            // Sor vagy jobb (mind az öt lap)
            {S::StraightOrBetter, 0, 0, 10, 0, 0x1fff},
            // Két pár, Drill, Full vagy Póker (a párosított lapok)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff},
            // 4 lap színhez
            {S::ToFlush, 4, 0, 10, 0, 0x1fff},
            // Pár
            {S::Pair, 0, 0, 10, 0, 0x1fff},
            // 4 lap sorhoz, nyitott
            {S::ToStraight, 4, 2, 10, 0, 0x1fff},
            // 3 lap színsorhoz
            {S::ToStraightFlush, 3, 1, 10, 0, 0x1fff},
            // 4 lap sorhoz
            {S::ToStraight, 4, 1, 10, 0, 0x1fff},
            // 3 lap színhez
            {S::ToFlush, 3, 0, 10, 0, 0x1fff},
            // 3 lap sorhoz, legalább 3 sorba illik
            {S::ToStraight, 3, 3, 10, 0, 0x1fff},
            // 2 lap színsorhoz
            {S::ToStraightFlush, 2, 1, 10, 0, 0x1fff},
            // egy lap
            {S::OneCard, 1, 0, 10, 0, 0x1fff},
            }
    };
    return chart;
}

const StrategyChart& jacksOrBetterChart() {
    static const StrategyChart chart{
        jacksOrBetterChartRules(),
        {
            // Flös
            {S::StraightFlush, 0, 0, 10, 0, 0x1fff},
            // 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff},
            // Sor vagy jobb (mind az öt lap)
            {S::StraightOrBetter, 0, 0, 10, 0, 0x1fff},
            // Két pár, Drill, Full vagy Póker (a párosított lapok)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff},
            // 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff},
            // Magas pár (bubi vagy jobb)
            {S::Pair, 0, 0, 10, 0, 0x1e00},
            // 3 lap royal flöshöz, legalább 1 magas lappal
            {S::ToRoyalFlush, 3, 1, 10, 1, 0x1fff},
            // 4 lap színhez
            {S::ToFlush, 4, 0, 10, 0, 0x1fff},
            // Alacsony pár (2-estől 10-esig)
            {S::Pair, 0, 0, 10, 0, 0x01ff},
            // 4 lap sorhoz, nyitott
            {S::ToStraight, 4, 2, 10, 0, 0x1fff},
            // 3 lap színsorhoz
            {S::ToStraightFlush, 3, 1, 10, 0, 0x1fff},
            // 4 lap sorhoz, csupa magas lap
            {S::ToStraight, 4, 1, 10, 4, 0x1fff},
            // 2 lap royal flöshöz, csupa magas lap
            {S::ToRoyalFlush, 2, 1, 10, 2, 0x1fff},
            // 4 lap sorhoz, legalább 3 magas lappal
            {S::ToStraight, 4, 1, 10, 3, 0x1fff},
            // 3 lap sorhoz, legalább 2 sorba illik, csupa magas lap
            {S::ToStraight, 3, 2, 10, 3, 0x1fff},
            // 2 lap sorhoz, csupa magas lap
            {S::ToStraight, 2, 1, 10, 2, 0x1fff},
            // 2 lap royal flöshöz, legalább 2 sorba illik
            {S::ToRoyalFlush, 2, 2, 10, 0, 0x1fff},
            // egy magas lap
            {S::HighCards, 1, 1, 10, 0, 0x1fff},
            // semmi: mind az öt lap csere
            {S::Nothing, 0, 0, 10, 0, 0x1fff},
            }
    };
    return chart;
}

} // namespace kartavo
