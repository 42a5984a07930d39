// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A game's strategy card in words: its name, its paytable, its chart's lines and the returns, in
// the language in force, for the strategy card's page; and what a failed write means, said in
// that language. Shared by the trainer's chart window and the command-line analyzer.
#pragma once

#include "casino_games.h"
#include "strategy_card.h"

#include <QCoreApplication>
#include <QString>

namespace printing {

class GameCard {
    Q_DECLARE_TR_FUNCTIONS(printing::GameCard)
  public:
    // perfectReturn and chartReturn: percentages with a decimal point ("99.5439").
    static StrategyCard of(const kartavo::GameSetup& game, const kartavo::StrategyChart& chart,
                           const QString& perfectReturn, const QString& chartReturn,
                           const QString& version);
    // One line naming the file and why it was not written.
    static QString failure(const WriteResult& result, const QString& fileName);
};

} // namespace printing
