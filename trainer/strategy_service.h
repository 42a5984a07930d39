// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The strategy engine for the windows: one set of tables for the whole program, built once on a
// worker thread so that the window thread never waits for them. The worker touches no widget;
// it hands its result over under a lock and tells the window thread through a queued signal.
#pragma once

#include "strategy.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
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
    static StrategyService& instance();

    // Starts building the tables and the game's return, once; later calls do nothing.
    void start();
    // Whether start() was called: nothing of the engine exists before.
    bool started() const { return started_; }
    bool ready() const;
    // Waits for the worker (tests, and the end of the program).
    void waitUntilReady();

    // The 32 holds of a dealt hand at x 1, best first. From the tables once they are built;
    // before that every draw is evaluated (some tens of milliseconds), with the same result.
    kartavo::HoldRanking analyse(const kartavo::Hand& dealt) const;
    // The exact return of the game under perfect play as a percentage of the stake with a
    // decimal point, for example "201.1267"; empty until the worker has computed it.
    QString perfectReturn() const;
    // The game played by the strategy chart, exactly: its return and each line's share of the
    // deals; empty until the worker has priced it.
    trainer::ChartFigures chartFigures() const;

  signals:
    // On the window thread, once the tables and the return are there.
    void becameReady();

  private:
    StrategyService() = default;
    ~StrategyService() override;

    mutable std::mutex mutex_;
    std::shared_ptr<const kartavo::StrategyTables> tables_;
    QString perfectReturn_;
    trainer::ChartFigures chartFigures_;
    std::thread worker_;
    bool started_ = false;
};
