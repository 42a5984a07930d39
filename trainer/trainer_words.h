// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What the trainer's windows write and say alike, in the language in force: amounts (forints in
// this game, credits in a casino game), kept cards, the lines of a chart, percentages.
#pragma once

#include "fast_evaluation.h"
#include "strategy_chart.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>

namespace kartavo {
struct GameSetup;
}

namespace trainer {

class Words {
    Q_DECLARE_TR_FUNCTIONS(trainer::Words)
  public:
    // Expected credit in forints with two decimals, in the language's notation: "3,42 Ft".
    static QString forints(double value);
    // Forints in words for a screen reader: "3,42 forint".
    static QString spokenForints(double value);
    // Credits per coin with four decimals, as video poker players compare holds: "1,5432
    // kredit"; the same for a screen reader.
    static QString credits(double value);
    static QString spokenCredits(double value);
    // The game's money: forints in this game, credits in a casino game.
    static QString money(const kartavo::GameSetup& game, double value);
    static QString spokenMoney(const kartavo::GameSetup& game, double value);

    // Kept cards as ranks and suit symbols ("A♠ K♠", "Dzsóker"), or the words for exchanging
    // all five.
    static QString keptText(const kartavo::Hand& dealt, std::uint8_t kept);
    // The same for a screen reader, in words: "megtartva pikk ász, pikk király".
    static QString spokenKept(const kartavo::Hand& dealt, std::uint8_t kept);
    // The cards of the kept positions by name: "pikk ász, pikk király".
    static QString spokenCards(const kartavo::Hand& dealt, std::uint8_t kept);
    // One card by name.
    static QString spokenCard(kartavo::CardId card);

    // The name of a line of a chart (from 0); empty past its end. Without a chart: this game's.
    static QString chartLineName(int line, const kartavo::StrategyChart* chart = nullptr);
    // A text of the trainer as a screen reader should say it: brackets as a pause, and a rank
    // written in figures with a Hungarian suffix ("2-es", "10-esig", "6-ostól") in words
    // ("kettes", "tízesig", "hatostól"), which a synthesizer would read as a minus sign.
    static QString spoken(const QString& text);
    // A percentage given with a decimal point ("201.1267"), as the language writes it:
    // "201,1267 %".
    static QString percent(const QString& figure);
};

} // namespace trainer
