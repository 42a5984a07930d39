// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's progress from one day to the next: every practice answer and every exchange of the
// game weighed by the trainer, counted per line of the game's chart (hands, mistakes and what
// they cost at x 1), day by day, with the last 100 mistaken hands. Kept in "progress.json" in the
// player's data folder, read at the trainer's first use and written atomically a few seconds
// after a change and at exit.
#pragma once

#include "fast_evaluation.h"

#include <QDate>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace trainer {

struct LineTally {
    std::int64_t hands = 0;
    std::int64_t mistakes = 0;
    double cost = 0; // what the mistakes gave away, in Ft at x 1
    void add(const LineTally& other);
    // Of the hands, those right, as a share; cost per 100 hands.
    double rightShare() const;
    double costPer100() const;
};

struct Mistake {
    kartavo::Hand dealt{};
    std::uint8_t kept = 0; // the player's hold, bit p: the card at position p kept
    int line = 0;          // of the game's chart, from 0
    double cost = 0;       // Ft at x 1
    QDate day;
};

// What the file holds, in memory. Lines are counted from 0 here, from 1 in the file.
class Progress {
  public:
    static constexpr int keptMistakes = 100;
    void record(int line, const kartavo::Hand& dealt, std::uint8_t kept, double cost,
                const QDate& day);
    // Summed over the days from `first` on (every day without one).
    std::vector<LineTally> tallies(const QDate& first = {}) const;
    // Per day, every line summed.
    std::map<QDate, LineTally> dayTotals() const;
    const std::deque<Mistake>& mistakes() const { return mistakes_; } // newest last
    bool empty() const { return days_.empty() && mistakes_.empty(); }

    QByteArray toJson() const;
    // None when the bytes are no progress file (damaged, truncated, empty or foreign); why says
    // what was wrong.
    static std::optional<Progress> fromJson(const QByteArray& bytes, QString* why = nullptr);

  private:
    std::map<QDate, std::vector<LineTally>> days_;
    std::deque<Mistake> mistakes_;
    // What a later version wrote and this one does not know: written back as it came.
    QJsonObject unknown_;
    int version_ = 1;
};

class ProgressStore : public QObject {
    Q_OBJECT
  public:
    // One for the whole program: the progress is the player's, whichever table plays.
    static ProgressStore& instance();

    // Reads the file at the first call; later calls do nothing.
    void load();
    bool loaded() const { return loaded_; }
    // Where the file is kept, with the platform's separators; empty without a data folder.
    QString path() const;
    const Progress& progress() const { return progress_; }
    // A hand answered today: written some seconds later.
    void record(int line, const kartavo::Hand& dealt, std::uint8_t kept, double cost);
    // Starts over: everything forgotten, and the file written at once.
    void clear();
    // Writes now what is not written yet.
    void flush();
    // Forgets what was read and every trouble met, as at the program's start (tests).
    void unload();
    // How long the last write took, in milliseconds.
    double lastWriteMs() const { return lastWriteMs_; }
    // Whether the file can be kept (false once a write failed).
    bool keeping() const { return writable_; }
    // The seconds a change waits before it is written.
    static constexpr int writeDelayMs = 3000;

  signals:
    void changed();
    // A problem with the file that the player must know, told once.
    void trouble(const QString& message);

  private:
    ProgressStore();
    void write();

    Progress progress_;
    QTimer timer_;
    bool loaded_ = false;
    bool dirty_ = false;
    bool writable_ = true;
    double lastWriteMs_ = 0;
};

} // namespace trainer
