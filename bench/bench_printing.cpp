// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The strategy card: a chart of 10 and of 40 long lines laid out and written as a PDF, the whole
// of what the player waits for after "Stratégiakártya…".
#include "long_strategy_card.h"
#include "strategy_card.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void writeCard(benchmark::State& state) {
    const printing::StrategyCard card = longStrategyCard(static_cast<int>(state.range(0)));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("kartya.pdf"));
    for (auto _ : state)
        if (!printing::writeStrategyCard(card, file).written())
            state.SkipWithError("the card was not written");
}
BENCHMARK(writeCard)->Arg(10)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The fonts need a GUI application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
