// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation over all 2,598,960 five-card hands.
#include "all_hands.h"
#include "evaluation.h"

#include <benchmark/benchmark.h>

#include <string_view>

static void evaluateEveryHand(benchmark::State& state) {
    std::int64_t hands = 0;
    for (auto _ : state)
        forEveryHand([&hands](const auto& ranks, const auto& suits, const auto&) {
            benchmark::DoNotOptimize(kartavo::evaluateCodes(ranks, suits));
            ++hands;
        });
    state.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(evaluateEveryHand)->Unit(benchmark::kMillisecond);

// One hand read from its five card paths, as the game table does it.
static void evaluateOneHandFromPaths(benchmark::State& state) {
    const std::array<std::string, 5> hand = {"/opt/k/Kc.bmp", "/opt/k/Kd.bmp", "/opt/k/Kh.bmp",
                                             "/opt/k/8s.bmp", "/opt/k/8c.bmp"};
    for (auto _ : state)
        benchmark::DoNotOptimize(kartavo::evaluateHand(hand));
}
BENCHMARK(evaluateOneHandFromPaths);

BENCHMARK_MAIN();
