// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The strategy engine: the fast evaluation over every hand, the analysis of one dealt hand, the
// one-time tables and the exact return of the whole game, for this game and the casino games.
#include "casino_games.h"
#include "practice_deal.h"
#include "strategy.h"
#include "strategy_chart.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace kartavo;

namespace {

template <class Visit> void forEveryHandOfIds(Visit visit) {
    Hand h{};
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e) {
                        h = {CardId(a), CardId(b), CardId(c), CardId(d), CardId(e)};
                        visit(h);
                    }
}

std::vector<Hand> randomDeals(std::size_t count) {
    std::mt19937 random(2026);
    std::vector<Hand> deals;
    std::array<CardId, 52> deck{};
    for (int i = 0; i < 52; ++i)
        deck[static_cast<std::size_t>(i)] = CardId(i);
    while (deals.size() < count) {
        std::shuffle(deck.begin(), deck.end(), random);
        deals.push_back({deck[0], deck[1], deck[2], deck[3], deck[4]});
    }
    return deals;
}

const StrategyTables& gameTables() {
    static const StrategyTables tables(gamePaytable(1));
    return tables;
}

} // namespace

static void fastEvaluationOfEveryHand(benchmark::State& state) {
    std::int64_t hands = 0, credit = 0;
    for (auto _ : state) {
        forEveryHandOfIds([&](const Hand& h) {
            credit += fastEvaluate(h).credit;
            ++hands;
        });
        benchmark::DoNotOptimize(credit);
    }
    state.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(fastEvaluationOfEveryHand)->Unit(benchmark::kMillisecond);

// One dealt hand's 32 holds, over a thousand random deals in turn; the tables are built before.
static void analyseOneDeal(benchmark::State& state) {
    const StrategyTables& tables = gameTables();
    const std::vector<Hand> deals = randomDeals(1000);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tables.analyse(deals[i]));
        i = (i + 1) % deals.size();
    }
}
BENCHMARK(analyseOneDeal)->Repetitions(9)->ReportAggregatesOnly(true);

static void buildTables(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        const StrategyTables tables(gamePaytable(1));
        bytes = tables.memoryBytes();
    }
    state.counters["MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(buildTables)->Unit(benchmark::kMillisecond);

// What kartavo-analyze --game does: the tables, then every class of deals.
static void wholeGameReturn(benchmark::State& state) {
    for (auto _ : state) {
        const StrategyTables tables(gamePaytable(1));
        benchmark::DoNotOptimize(gameReturn(tables));
    }
}
BENCHMARK(wholeGameReturn)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same analysis without the tables: every draw of every hold evaluated.
static void analyseOneDealDirectly(benchmark::State& state) {
    const Paytable paytable = gamePaytable(1);
    const std::vector<Hand> deals = randomDeals(16);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(analyseDirect(paytable, deals[i]));
        i = (i + 1) % deals.size();
    }
}
BENCHMARK(analyseOneDealDirectly)->Unit(benchmark::kMillisecond);

// What the chart keeps of one dealt hand (no tables), over a thousand random deals in turn.
static void chartHoldOfOneDeal(benchmark::State& state) {
    const std::vector<Hand> deals = randomDeals(1000);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chartHold(gameChart(), deals[i]));
        i = (i + 1) % deals.size();
    }
}
BENCHMARK(chartHoldOfOneDeal);

// A practice hand of one line of the game's chart: fresh deals until that line decides one. The
// argument is the line's index; the first line (a straight or better, 0.72 % of the deals) is
// the rarest.
static void practiceHandOfOneLine(benchmark::State& state) {
    PracticeDealer dealer(2026);
    const int line = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(dealer.dealOfLine(gameChart(), line));
}
BENCHMARK(practiceHandOfOneLine)->DenseRange(0, 10)->Unit(benchmark::kMicrosecond);

// The game's chart priced exactly over every class of deals; the tables are built before.
static void priceTheGameChart(benchmark::State& state) {
    const StrategyTables& tables = gameTables();
    for (auto _ : state)
        benchmark::DoNotOptimize(priceChart(tables, gameChart()));
}
BENCHMARK(priceTheGameChart)->Unit(benchmark::kMillisecond);

// The game's chart derived anew (what kartavo-analyze --strategy --derive does after the tables).
static void deriveTheGameChart(benchmark::State& state) {
    const StrategyTables& tables = gameTables();
    for (auto _ : state)
        benchmark::DoNotOptimize(deriveChart(tables, gameChartRules(), gameChartGoal()));
}
BENCHMARK(deriveTheGameChart)->Unit(benchmark::kMillisecond)->Iterations(1);

static void deriveTheJacksOrBetterChart(benchmark::State& state) {
    const StrategyTables tables(jacksOrBetter96());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            deriveChart(tables, jacksOrBetterChartRules(), jacksOrBetterChartGoal()));
}
BENCHMARK(deriveTheJacksOrBetterChart)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every built-in game by its index in builtInGames() (0: this game, 1: 9/6 Jacks or Better, ...,
// 7: Joker Poker): the tables, the whole game's return from nothing as kartavo-analyze --game
// computes it, a hand's 32 holds, and the chart derived.
namespace {
GameSetup builtIn(const benchmark::State& state) {
    const BuiltInGame& g = builtInGames()[static_cast<std::size_t>(state.range(0))];
    return *builtInGame(g.id);
}
void nameGame(benchmark::State& state) {
    state.SetLabel(builtInGames()[static_cast<std::size_t>(state.range(0))].id);
}
// Deals of the game's deck, the joker among them where it has one.
std::vector<Hand> randomDealsOf(int deckSize, std::size_t count) {
    std::mt19937 random(2026);
    std::vector<CardId> deck;
    for (int i = 0; i < deckSize; ++i)
        deck.push_back(CardId(i));
    std::vector<Hand> deals;
    while (deals.size() < count) {
        std::shuffle(deck.begin(), deck.end(), random);
        deals.push_back({deck[0], deck[1], deck[2], deck[3], deck[4]});
    }
    return deals;
}
} // namespace

static void tablesOfEachGame(benchmark::State& state) {
    const GameSetup game = builtIn(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(StrategyTables(game.paytable).memoryBytes());
    nameGame(state);
}
BENCHMARK(tablesOfEachGame)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->UseRealTime();

static void gameReturnFromNothing(benchmark::State& state) {
    const GameSetup game = builtIn(state);
    for (auto _ : state) {
        const StrategyTables tables(game.paytable);
        benchmark::DoNotOptimize(gameReturn(tables));
    }
    nameGame(state);
}
BENCHMARK(gameReturnFromNothing)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->UseRealTime();

static void gameHoldsOfOneDeal(benchmark::State& state) {
    const GameSetup game = builtIn(state);
    const StrategyTables tables(game.paytable);
    const std::vector<Hand> deals = randomDealsOf(game.paytable.deckSize, 1000);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tables.analyse(deals[i]));
        i = (i + 1) % deals.size();
    }
    nameGame(state);
}
BENCHMARK(gameHoldsOfOneDeal)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

// What kartavo-analyze --strategy --derive does after the tables.
static void gameChartDerived(benchmark::State& state) {
    const GameSetup game = builtIn(state);
    const StrategyTables tables(game.paytable);
    for (auto _ : state)
        benchmark::DoNotOptimize(deriveChart(tables, game.rules, game.goal));
    nameGame(state);
}
BENCHMARK(gameChartDerived)
    ->DenseRange(1, 7)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
