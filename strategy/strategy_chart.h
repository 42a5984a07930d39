// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Strategy charts: a short list of hold kinds, best first; for a dealt hand the first line that it
// meets says what to keep, and the last line meets every hand. The engine derives a chart from
// the exact values of every deal and prices it exactly against perfect play.
#pragma once

#include "hold_kinds.h"
#include "strategy.h"

#include <cstdint>
#include <vector>

namespace kartavo {

struct StrategyChart {
    ChartRules rules;
    std::vector<HoldKind> lines; // the last one meets every hand
};

struct ChartHold {
    std::uint8_t kept = 0; // bit p: the card at position p is kept
    int line = -1;         // the index of the line that applies
};
// What the chart keeps of a dealt hand, and by which line. Needs no tables.
ChartHold chartHold(const StrategyChart& chart, const Hand& dealt);

// The charts that come with the program, as deriveChart gives them for the goals below
// ("kartavo-analyze --strategy --derive" prints them as the source holds them; the tests derive
// the game's again and price both): this game's, and 9/6 Jacks or Better's.
const StrategyChart& gameChart();
const StrategyChart& jacksOrBetterChart();

// What playing every deal by a chart is worth.
struct ChartLinePrice {
    std::int64_t allDeals = 2598960; // of the deck: 2,598,960, or 2,869,685 with the joker
    std::int64_t deals = 0;          // of all deals, those on which this line applies
    std::int64_t wrongDeals = 0; // of them, those where its hold is worth less than the best one
    // What those lose in all against the best holds, each deal once, in 1 / drawsMultiple
    // credits.
    Wide costUnits = 0;
    double share() const; // of all deals, where the line applies
    double cost() const;  // costUnits in credits
    // What the line's wrong deals take from the return, in percentage points of the stake.
    double returnPoints(std::int64_t stake) const;
};
struct ChartPrice {
    GameReturn chartReturn;   // every deal played by the chart
    GameReturn perfectReturn; // every deal played with its best hold
    std::vector<ChartLinePrice> lines;
    // By the classes of dealClasses(): the value of the chart's hold, in 1 / drawsMultiple
    // credits, for one deal of the class.
    std::vector<std::int64_t> classValues;
};
// Over the classes of deals, exactly. The tables must belong to the chart's paytable.
ChartPrice priceChart(const StrategyTables& tables, const StrategyChart& chart,
                      const Progress& progress = {});

// What a derived chart must reach: a return at most maxShortfall below perfect play's and at
// least minReturn (both as shares of the stake), in at most maxLines lines.
struct ChartGoal {
    Fraction maxShortfall{1, 1000}; // 0.10 percentage points
    Fraction minReturn{0, 1};
    int maxLines = 40;
};
ChartGoal gameChartGoal();          // within 0.10 percentage points of perfect play
ChartGoal jacksOrBetterChartGoal(); // at least 99.50 %

struct ChartDerivation {
    StrategyChart chart; // the shortest that reaches the goal, else the best of maxLines lines
    bool goalReached = false;
    GameReturn perfectReturn;
    // The best chart found for every length from one line up, with its return.
    std::vector<StrategyChart> byLength;
    std::vector<GameReturn> returnByLength;
};

// Chooses lines among candidateKinds(rules) and their order. Over the classes of deals, every
// candidate kind's hold and what it loses against the best hold are known exactly, and one pass
// over them tells what each change of one line would gain. A chart is improved one change at a
// time (insert a kind anywhere, move a line, replace one, remove one, change the last line among
// the kinds that meet every deal), always the change that gains most, until none gains:
//  1. grown from the made hands one by one above each kind that meets every deal, the best kept;
//  2. pruned to one line: the line whose removal costs least goes, and the shorter chart is
//     improved without growing; every length's best chart is kept;
//  3. below the shortest chart that reaches the goal, each of its lines in turn (the cheapest
//     first) removed and the rest improved, until a shorter chart reaches the goal, and again;
//  4. the chosen chart's neighbouring lines put in the order of the kinds wherever no deal
//     meets both (it keeps the same cards of every deal).
// Exact integer sums throughout and no clock: the same tables always give the same chart.
// Some seconds of work and some tens of megabytes, on the calling thread.
ChartDerivation deriveChart(const StrategyTables& tables, const ChartRules& rules,
                            const ChartGoal& goal, const Progress& progress = {});

} // namespace kartavo
