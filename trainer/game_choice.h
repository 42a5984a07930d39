// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The games a player can practise: this machine's game ("Kartavo"), the casino games that come
// with the program, and paytable files the player opened. The last five files and the game chosen
// are remembered in the player's settings for the next start.
#pragma once

#include "casino_games.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

namespace trainer {

struct GameEntry {
    // The game's key in the player's progress: "kartavo", a built-in casino game's id ("job96"),
    // or for a paytable file its family and pays ("custom:jacks-or-better:800,50,...").
    QString key;
    QString name; // as the game calls itself: "Jacks or Better 9/6", a file's "name"
    QString file; // a paytable file's path; empty for a game that comes with the program
    bool operator==(const GameEntry&) const = default;
};

// A game ready for the engine: its entry and its setup (the setup's id is the entry's key).
struct ChosenGame {
    GameEntry entry;
    kartavo::GameSetup setup;
};

// The games that come with the program, this game first.
std::vector<GameEntry> builtInEntries();
// The built-in game's entry and setup.
ChosenGame builtInChoice(const QString& key);

// A paytable file read: its game, or one message (in the language in force) naming the file and
// what is wrong, as the analyzer says it.
std::variant<ChosenGame, QString> openPaytableFile(const QString& path);

// The progress key of a casino game: a built-in game's id where the family and pays are its,
// else "custom:" with the family and pays.
QString gameKey(const kartavo::CasinoGame& game);
// The game that a progress key names, where the key alone says it (a built-in game, a custom
// paytable); its name is the one kept with the progress.
std::optional<ChosenGame> gameOfKey(const QString& key, const QString& name);

// The list the practice window offers, and the choice in it, remembered.
class GameChoice {
  public:
    static constexpr int rememberedFiles = 5;
    // Read from the player's settings.
    GameChoice();

    // The built-in games, then the files, newest first.
    std::vector<GameEntry> entries() const;
    int current() const { return current_; }
    GameEntry currentEntry() const;

    // Chooses an entry. A file is read again: where it is gone or its paytable changed, one
    // message says so (the entry leaves the list and the choice stays as it was).
    std::variant<ChosenGame, QString> choose(int index);
    // Opens a paytable file and chooses it (first among the files); on a fault nothing changes.
    std::variant<ChosenGame, QString> open(const QString& path);

  private:
    void save() const;
    std::vector<GameEntry> files_;
    int current_ = 0;
};

} // namespace trainer
