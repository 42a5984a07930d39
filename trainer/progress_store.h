// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's progress from one day to the next, per game: every practice answer and every
// exchange of the game weighed by the trainer, counted per line of the game's chart (hands,
// mistakes and what they cost: Ft at x 1 in this game, credits per coin in a casino game), day by
// day, with the last 100 mistaken hands of each game. Kept in "progress.json" in the player's data
// folder, read at the trainer's first use and written atomically a few seconds after a change and
// at exit.
//
// The file: {"format": "Kartavo progress", "version": 2, "days": {...}, "mistakes": [...],
// "games": {KEY: {"name": NAME, "days": {...}, "mistakes": [...]}, ...}}. This game's progress is
// at the top, as the first version wrote it, so that a file of the first version is read as this
// game's and the first version keeps the other games (a member it does not know) as they are.
// KEY names a casino game: a built-in game's id ("job96"), or for a player's own paytable its
// family and pays ("custom:jacks-or-better:800,50,25,8,5,4,3,2,1").
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
    double cost = 0; // what the mistakes gave away: Ft at x 1, or credits per coin
    void add(const LineTally& other);
    // Of the hands, those right, as a share; cost per 100 hands.
    double rightShare() const;
    double costPer100() const;
};

struct Mistake {
    kartavo::Hand dealt{};
    std::uint8_t kept = 0; // the player's hold, bit p: the card at position p kept
    int line = 0;          // of the game's chart, from 0
    double cost = 0;       // Ft at x 1, or credits per coin
    QDate day;
};

// This game's key.
inline const QString thisGame = QStringLiteral("kartavo");

// What the file holds, in memory. Lines are counted from 0 here, from 1 in the file.
class Progress {
  public:
    static constexpr int keptMistakes = 100;
    // A chart has at most this many lines; a line past it is no line of a chart.
    static constexpr int mostLines = 64;
    // A file larger than this is refused unread: a player who practises several games every day
    // for years writes some megabytes, and reading JSON takes several times its size in memory.
    static constexpr qint64 largestFile = 16 * 1024 * 1024;
    // The hands of one line on one day: more than anyone answers, and small enough that the sums
    // over every day stay exact.
    static constexpr double mostHands = 1e9;
    void record(int line, const kartavo::Hand& dealt, std::uint8_t kept, double cost,
                const QDate& day, const QString& game = thisGame);
    // Summed over the days from `first` on (every day without one); as many as the game's lines
    // that were ever answered, at least lines.
    std::vector<LineTally> tallies(const QDate& first = {}, const QString& game = thisGame,
                                   int lines = 0) const;
    // Per day, every line summed.
    std::map<QDate, LineTally> dayTotals(const QString& game = thisGame) const;
    // Newest last.
    const std::deque<Mistake>& mistakes(const QString& game = thisGame) const;
    bool empty() const;
    // The games with any progress, this game first: their keys and names.
    std::vector<std::pair<QString, QString>> games() const;
    // The name a game is shown by, kept in the file with its progress.
    void setName(const QString& game, const QString& name);
    // Forgets the game's progress.
    void forget(const QString& game);

    QByteArray toJson() const;
    // None when the bytes are no progress file (damaged, truncated, empty, foreign or larger
    // than largestFile); why says what was wrong. Every figure read is one the program could
    // have written: counts up to mostHands, costs that the mistakes can have given away, the
    // mistaken hands' cards of their game's deck.
    static std::optional<Progress> fromJson(const QByteArray& bytes, QString* why = nullptr);

  private:
    struct Game {
        QString name;
        std::map<QDate, std::vector<LineTally>> days;
        std::deque<Mistake> mistakes;
        // What a later version wrote and this one does not know: written back as it came.
        QJsonObject unknown;
        bool empty() const { return days.empty() && mistakes.empty(); }
        QJsonObject toJson() const;
        // Why not, when the object is no game's progress. lines: of the game's chart; deckSize:
        // of its deck.
        QString read(const QJsonObject& object, int lines, int deckSize);
    };
    std::map<QString, Game> games_;
    QJsonObject unknown_;
    int version_ = 2;
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
    // A hand of the game answered today: written some seconds later. name: what the game is
    // called, kept with its progress.
    void record(int line, const kartavo::Hand& dealt, std::uint8_t kept, double cost,
                const QString& game = thisGame, const QString& name = {});
    // Starts the game over: its progress forgotten, and the file written at once.
    void clear(const QString& game = thisGame);
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
