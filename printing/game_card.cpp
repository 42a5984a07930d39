// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_card.h"

#include "hold_kinds.h"
#include "language.h"
#include "payout_table.h"

#include <QDir>

namespace printing {

namespace {

QString percent(const QString& figure) {
    QString shown = figure;
    shown.replace(QLatin1Char('.'), texts::locale().decimalPoint());
    return shown + QStringLiteral(" %");
}

} // namespace

StrategyCard GameCard::of(const kartavo::GameSetup& game, const kartavo::StrategyChart& chart,
                          const QString& perfectReturn, const QString& chartReturn,
                          const QString& version) {
    StrategyCard card;
    card.title = QString::fromStdString(game.name);
    if (game.casino) {
        card.paytableHeading = tr("Kifizetési tábla (kredit érménként)");
        for (const kartavo::PaytableLine& line :
             kartavo::paytableLines(*game.casino, texts::keyTranslator()))
            card.paytable.push_back({QString::fromStdString(line.name), QString::number(line.pay)});
    } else {
        // This game pays every row that the hand makes.
        card.paytableHeading = tr("Kifizetési tábla (x 1, minden illő sor fizet)");
        for (int row = 1; row <= 9; ++row)
            card.paytable.push_back(
                {texts::fromKey("Payout", kartavo::payoutLabel(row)),
                 QString::fromUtf8(kartavo::payoutAmountText(row, 1).data(),
                                   int(kartavo::payoutAmountText(row, 1).size()))});
    }
    card.returns << tr("A táblázat szerint: %1").arg(percent(chartReturn))
                 << tr("Tökéletes játékkal: %1").arg(percent(perfectReturn));
    card.chartHeading = tr("Tartsd meg, amit az első illő sor mond");
    for (const kartavo::HoldKind& kind : chart.lines)
        card.chartLines << QString::fromStdString(
            kartavo::kindName(kind, chart.rules, texts::keyTranslator()));
    card.program = QStringLiteral("Kartavo");
    card.version = version;
    return card;
}

QString GameCard::failure(const WriteResult& result, const QString& fileName) {
    QString why;
    switch (result.failure) {
    case Failure::None:
        return {};
    case Failure::NoFolder:
        why = tr("a mappa nem létezik");
        break;
    case Failure::NoRights:
        why = tr("nincs jog írni oda");
        break;
    case Failure::NotAFile:
        why = tr("ez egy mappa neve");
        break;
    case Failure::Writing:
        why = tr("az írás nem sikerült (betelt a lemez?)");
        break;
    }
    if (!result.detail.isEmpty())
        why += QStringLiteral(" (%1)").arg(result.detail);
    return tr("A stratégiakártya nem menthető ide: %1: %2.")
        .arg(QDir::toNativeSeparators(fileName), why);
}

} // namespace printing
