// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The games that casinos deal, and any paytable of their families.
//
// A family is a deck (52 cards, or 53 with the joker), the rules that value a final hand (which
// cards are wild, which fours of a kind and kickers pay apart) and the rows of its paytable, best
// first. A game is a family with a whole number of credits per coin for every row. Only the best
// row of the final five cards pays: the first row of the family's order that the hand makes. The
// ace is high and also low (A-2-3-4-5 is a straight); a wild card stands for whatever card makes
// the best row. Every figure is per coin, the royal flush as with five coins bet.
//
// The games are known by a short name ("job96", "dw", ...), this game too ("kartavo"), and any
// other is read from a paytable file (paytable_file.h).
#pragma once

#include "hold_kinds.h"
#include "paytable.h"
#include "strategy_chart.h"
#include "translatable.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kartavo {

enum class Family : std::uint8_t {
    JacksOrBetter,
    BonusPoker,
    BonusPokerDeluxe,
    DoubleBonus,
    DoubleDoubleBonus,
    DeucesWild,
    JokerPoker, // kings or better
};

struct PayRow {
    const char* key;  // in a paytable file: "royal-flush"
    const char* name; // what a player reads: Hungarian, a key of the context "Paytable"
};

struct FamilyRules {
    Family family;
    const char* key;  // in a paytable file: "jacks-or-better"
    const char* name; // the game's English name, which players keep in every language
    int deckSize;
    Wild wild;
    std::span<const PayRow> rows; // best first
    ChartRules chartRules;        // what the kinds of its charts know of it
};
const FamilyRules& familyRules(Family family);
std::span<const Family> families();
std::optional<Family> familyOfKey(std::string_view key);

// The row of the family's rows that five distinct cards of its deck make, or rows.size() for
// none.
int familyRow(Family family, const Hand& hand);

struct CasinoGame {
    std::string name;               // "Jacks or Better 9/6", or as a paytable file names it
    Family family;                  //
    std::vector<std::int32_t> pays; // per coin, by the family's rows
};
// Stake 1, the unit "kredit", the family's deck.
Paytable paytableOf(const CasinoGame& game);

// What the strategy engine needs of any game a player can choose.
struct GameSetup {
    std::string id;   // "kartavo", "job96", ...; a paytable file's path
    std::string name; // "Kartavo", "Jacks or Better 9/6", a paytable file's name
    Paytable paytable;
    ChartRules rules;
    // The chart that comes with the program, or none: then it is derived with goal.
    const StrategyChart* chart = nullptr;
    ChartGoal goal;
    std::optional<CasinoGame> casino; // none for this game
};

struct BuiltInGame {
    const char* id;
    // The return under perfect play that the engine computes, to 4 decimals (tests pin it), as
    // a percentage with a decimal point: "99.5439".
    const char* perfectReturn;
};
// This game first ("kartavo"), then the casino games in the order of the families.
std::span<const BuiltInGame> builtInGames();
// The built-in game of that id; this game at the multiplier (1, 2, 5 or 10), the casino games
// per coin whatever it is.
std::optional<GameSetup> builtInGame(std::string_view id, int multiplier = 1);
// A casino game with its chart's goal: within 0.05 percentage points of perfect play, 0.10 with
// wild cards, in at most 40 lines; its built-in chart when the pays are a built-in game's.
GameSetup casinoGameSetup(const CasinoGame& game, std::string id);

// The rows of a casino game's paytable as a player reads them, best first: the row's name in the
// language of translate (keys of the context "Paytable") and its pay per coin.
struct PaytableLine {
    std::string name;
    std::int32_t pay;
};
std::vector<PaytableLine> paytableLines(const CasinoGame& game, const Translate& translate = {});

// A game's engine, built when it is first asked for: its tables, and its chart (the built-in one,
// or derived once). Any thread may ask; the first builds, the others wait for it. The tables
// take some tens of megabytes and a fraction of a second, a derivation some seconds: a window
// asks on a worker thread.
class GameEngine {
  public:
    explicit GameEngine(GameSetup setup);
    const GameSetup& setup() const { return setup_; }
    const StrategyTables& tables();
    // Progress reports the derivation's share done, when there is one to do.
    const StrategyChart& chart(const Progress& progress = {});

  private:
    GameSetup setup_;
    std::once_flag tablesBuilt_, chartChosen_;
    std::unique_ptr<const StrategyTables> tables_;
    std::optional<StrategyChart> derived_;
};

// The charts that come with the program, one for each built-in casino game, as deriveChart
// gives them for their goals ("kartavo-analyze --strategy --derive --paytable ID" prints them as
// the source holds them).
const StrategyChart& bonusPokerChart();
const StrategyChart& bonusPokerDeluxeChart();
const StrategyChart& doubleBonusChart();
const StrategyChart& doubleDoubleBonusChart();
const StrategyChart& deucesWildChart();
const StrategyChart& jokerPokerChart();

} // namespace kartavo
