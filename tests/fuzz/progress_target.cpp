// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The progress file: the input is "progress.json" in the player's data folder, read as the
// trainer reads it at its first use. What was read must hold what the windows count on (figures
// that add up, hands of the game's own deck), and what is written back must read back the same.
#include "fuzz_targets.h"

#include "game_choice.h"
#include "practice_deal.h"
#include "progress_store.h"
#include "strategy.h"

#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace fuzz {

namespace {

using trainer::LineTally;
using trainer::Progress;
using trainer::ProgressStore;

void checkTally(const LineTally& t) {
    FUZZ_CHECK(t.hands >= 0 && t.mistakes >= 0 && t.mistakes <= t.hands);
    FUZZ_CHECK(std::isfinite(t.cost) && t.cost >= 0);
    FUZZ_CHECK(std::isfinite(t.rightShare()) && std::isfinite(t.costPer100()));
}

// What the progress and practice windows read of one game.
void checkGame(const Progress& progress, const QString& key, const QString& name) {
    const std::optional<trainer::ChosenGame> game = trainer::gameOfKey(key, name);
    const int deckSize = game ? game->setup.paytable.deckSize : 53;
    const int lines = game && game->setup.chart ? int(game->setup.chart->lines.size()) : 0;
    std::vector<double> costs;
    for (const LineTally& t : progress.tallies({}, key, lines)) {
        checkTally(t);
        costs.push_back(t.cost);
    }
    for (const LineTally& t : progress.tallies(QDate(2026, 1, 1), key, lines))
        checkTally(t);
    for (const auto& [day, t] : progress.dayTotals(key)) {
        FUZZ_CHECK(day.isValid());
        checkTally(t);
    }
    // Practice's weak spots: a line drawn by what its mistakes cost.
    kartavo::PracticeDealer dealer(1);
    const int weak = dealer.weightedIndex(costs);
    FUZZ_CHECK(weak >= -1 && weak < int(costs.size()));
    // Practice deals the mistaken hands again: cards of the game's deck, each once.
    const auto& mistakes = progress.mistakes(key);
    FUZZ_CHECK(mistakes.size() <= std::size_t(Progress::keptMistakes));
    for (const trainer::Mistake& m : mistakes) {
        for (std::size_t i = 0; i < 5; ++i) {
            FUZZ_CHECK(m.dealt[i] < deckSize);
            FUZZ_CHECK(std::count(m.dealt.begin(), m.dealt.end(), m.dealt[i]) == 1);
        }
        FUZZ_CHECK(m.kept < 32 && m.line >= 0 && m.day.isValid());
        FUZZ_CHECK(std::isfinite(m.cost) && m.cost >= 0);
        FUZZ_CHECK(kartavo::keptCodes(m.dealt, m.kept).size() >= 1);
    }
}

void prepare() {
    // The player's data folder: one of this process's own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(workFolder() + QStringLiteral("/data")));
    FUZZ_CHECK(!ProgressStore::instance().path().isEmpty());
}

void run(QByteArrayView input) {
    ProgressStore& store = ProgressStore::instance();
    const QString path = store.path();
    QFile::remove(path + QStringLiteral(".bad"));
    writeFile(path, input);
    store.unload();
    store.load();
    const Progress& progress = store.progress();
    checkGame(progress, trainer::thisGame, {});
    for (const auto& [key, name] : progress.games())
        checkGame(progress, key, name);
    // Written back: read again, the same.
    const QByteArray written = progress.toJson();
    if (written.size() <= Progress::largestFile) {
        QString why;
        const std::optional<Progress> again = Progress::fromJson(written, &why);
        if (!again)
            broken(qPrintable(QStringLiteral("written back, not read: ") + why), __FILE__,
                   __LINE__);
        FUZZ_CHECK(again->toJson() == written);
    }
    // A hand more, as practice records it: the file the store writes reads back, or the store
    // says that it keeps nothing.
    store.record(0, kartavo::Hand{0, 1, 2, 3, 4}, 31, 0);
    store.flush();
    if (store.keeping()) {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly));
        FUZZ_CHECK(Progress::fromJson(file.readAll()).has_value());
    }
    store.unload();
}

} // namespace

const Target progressTarget = {"progress", prepare, run};

} // namespace fuzz
