// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A strategy card to print, for the card's test and its benchmark.
#pragma once

#include "strategy_card.h"

// A card as long as a chart gets: 40 long lines, Hungarian accents in every one.
inline printing::StrategyCard longStrategyCard(int lines = 40) {
    printing::StrategyCard card;
    card.title = QStringLiteral("Joker Poker, király vagy jobb pár");
    card.paytableHeading = QStringLiteral("Kifizetések érménként");
    for (const char* hand :
         {"Royal flöss", "Öt egyforma", "Royal flöss dzsókerrel", "Színsor", "Póker", "Full",
          "Flöss", "Sor", "Drill", "Két pár", "Király vagy ász pár"})
        card.paytable.push_back(
            {QString::fromUtf8(hand), QStringLiteral("%1").arg(card.paytable.size() * 7 + 1)});
    card.returns = {QStringLiteral("A táblázat szerint játszva: 100,61 %"),
                    QStringLiteral("Tökéletes játékkal: 100,65 %")};
    card.chartHeading = QStringLiteral("A stratégia: az első sor, amely a lapjaidra illik");
    for (int n = 1; n <= lines; ++n)
        card.chartLines << QStringLiteral("Négy lap színsorhoz, %1. változat: tartsd meg őket, és "
                                          "cseréld az ötödiket, ha nincs jobb űrlapod")
                               .arg(n);
    card.program = QStringLiteral("Kartavo");
    card.version = QStringLiteral("1.0");
    return card;
}
