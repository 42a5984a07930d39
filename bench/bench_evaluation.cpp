// The evaluation over all 2,598,960 five-card hands.
#include "evaluation.h"

#include <benchmark/benchmark.h>

#include <string_view>

static void evaluateEveryHand(benchmark::State& state) {
    constexpr std::string_view ranks = "023456789JQKA", suits = "cdhs";
    std::int64_t hands = 0;
    for (auto _ : state) {
        std::array<char, 5> r{}, s{};
        int c[5];
        for (c[0] = 0; c[0] < 52; ++c[0])
            for (c[1] = c[0] + 1; c[1] < 52; ++c[1])
                for (c[2] = c[1] + 1; c[2] < 52; ++c[2])
                    for (c[3] = c[2] + 1; c[3] < 52; ++c[3])
                        for (c[4] = c[3] + 1; c[4] < 52; ++c[4]) {
                            for (int i = 0; i < 5; ++i) {
                                r[i] = ranks[c[i] / 4];
                                s[i] = suits[c[i] % 4];
                            }
                            benchmark::DoNotOptimize(kartavo::evaluateCodes(r, s));
                            ++hands;
                        }
    }
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
