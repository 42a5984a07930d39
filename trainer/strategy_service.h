// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The strategy engine for the windows, one service per game: this machine's game for the table's
// trainer, and any game a player practises (a casino game, a paytable file). A game's tables, its
// chart (derived where the game has none of its own) and the chart's exact figures are made once,
// on a worker thread, so that the window thread never waits for them. The worker touches no
// widget; it hands its results over under a lock and tells the window thread through queued
// signals.
#pragma once

#include "casino_games.h"
#include "strategy.h"
#include "strategy_chart.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace trainer {
// The strategy chart's exact figures, once the engine has them: its return and each line's share
// of the deals, as percentages with a decimal point ("201.0311", "40.94"), for the window to write
// in the language in force.
struct ChartFigures {
    QString chartReturn;
    QStringList shares;
};

} // namespace trainer

class StrategyService : public QObject {
    Q_OBJECT
  public:
    // This game's service, for the table's trainer.
    static StrategyService& instance();
    // The service of the game with that setup's id, made at the first call; this game's for
    // "kartavo". Lives to the end of the program.
    static StrategyService& of(const kartavo::GameSetup& setup);

    const kartavo::GameSetup& setup() const { return setup_; }
    // Starts building the tables, the chart and the figures, once; later calls do nothing.
    void start();
    // Whether start() was called: nothing of the engine exists before.
    bool started() const { return started_; }
    // Whether the tables are built.
    bool ready() const;
    // Waits for the worker (tests, and the end of the program).
    void waitUntilReady();

    // The 32 holds of a dealt hand, per coin (this game: at x 1), best first. From the tables once
    // they are built; before that every draw is evaluated (some tens of milliseconds), with the
    // same result.
    kartavo::HoldRanking analyse(const kartavo::Hand& dealt) const;
    // The game's chart: its own at once, a derived one once the worker has it; null before.
    const kartavo::StrategyChart* chart() const;
    // How far the derivation of the chart is, from 0 to 1 (1 once there is a chart).
    double chartProgress() const;
    // The exact return of the game under perfect play as a percentage of the stake with a
    // decimal point, for example "201.1267"; empty until the worker has computed it.
    QString perfectReturn() const;
    // The game played by its strategy chart, exactly: its return and each line's share of the
    // deals; empty until the worker has priced it.
    trainer::ChartFigures chartFigures() const;

  signals:
    // On the window thread: the derivation went on.
    void chartProgressed(double done);
    // On the window thread, once a derived chart is there.
    void chartReady();
    // On the window thread, once the tables, the return and the chart's figures are there.
    void becameReady();

  public:
    ~StrategyService() override;

  private:
    explicit StrategyService(kartavo::GameSetup setup);
    void work();

    const kartavo::GameSetup setup_;
    kartavo::GameEngine engine_;
    mutable std::mutex mutex_;
    const kartavo::StrategyTables* tables_ = nullptr;
    const kartavo::StrategyChart* chart_ = nullptr;
    double chartProgress_ = 0;
    QString perfectReturn_;
    trainer::ChartFigures chartFigures_;
    std::thread worker_;
    bool started_ = false;
    // Set at the end of the program: a derivation still running stops.
    std::atomic<bool> stopping_ = false;
};
