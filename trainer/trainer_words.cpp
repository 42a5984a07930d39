// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainer_words.h"

#include "accessible.h"
#include "cards.h"
#include "casino_games.h"
#include "hold_kinds.h"
#include "language.h"

#include <QRegularExpression>
#include <QStringList>

namespace trainer {

namespace {

std::string pathOf(kartavo::CardId card) {
    return kartavo::cardCode(card) + ".bmp";
}

} // namespace

QString Words::forints(double value) {
    return texts::decimal(value, 2) + QStringLiteral(" Ft");
}

QString Words::spokenForints(double value) {
    return tr("%1 forint").arg(texts::decimal(value, 2));
}

QString Words::credits(double value) {
    return tr("%1 kredit").arg(texts::decimal(value, 4));
}

QString Words::spokenCredits(double value) {
    return credits(value);
}

QString Words::money(const kartavo::GameSetup& game, double value) {
    return game.casino ? credits(value) : forints(value);
}

QString Words::spokenMoney(const kartavo::GameSetup& game, double value) {
    return game.casino ? spokenCredits(value) : spokenForints(value);
}

QString Words::keptText(const kartavo::Hand& dealt, std::uint8_t kept) {
    QStringList cards;
    for (std::size_t p = 0; p < 5; ++p)
        if (kept & (1u << p))
            cards << QString::fromStdString(
                kartavo::writtenCardName(pathOf(dealt[p]), texts::keyTranslator()));
    return cards.isEmpty() ? tr("mind az öt lap csere") : cards.join(' ');
}

QString Words::spokenKept(const kartavo::Hand& dealt, std::uint8_t kept) {
    return kept == 0 ? tr("mind az öt lap csere")
                     : tr("megtartva %1").arg(spokenCards(dealt, kept));
}

QString Words::spokenCard(kartavo::CardId card) {
    return QString::fromStdString(kartavo::spokenCardName(pathOf(card), texts::keyTranslator()));
}

QString Words::spokenCards(const kartavo::Hand& dealt, std::uint8_t kept) {
    QStringList cards;
    for (std::size_t p = 0; p < 5; ++p)
        if (kept & (1u << p))
            cards << spokenCard(dealt[p]);
    return cards.join(QStringLiteral(", "));
}

QString Words::chartLineName(int line, const kartavo::StrategyChart* chart) {
    const kartavo::StrategyChart& shown = chart ? *chart : kartavo::gameChart();
    if (line < 0 || static_cast<std::size_t>(line) >= shown.lines.size())
        return {};
    return QString::fromStdString(kartavo::kindName(shown.lines[static_cast<std::size_t>(line)],
                                                    shown.rules, texts::keyTranslator()));
}

QString Words::spoken(const QString& text) {
    // The ranks 2..10 as Hungarian names them, each ending in its suffix's "-Vs".
    static const char* const ranks[] = {"kettes", "hármas",  "négyes",   "ötös", "hatos",
                                        "hetes",  "nyolcas", "kilences", "tízes"};
    static const QRegularExpression numeral(QStringLiteral("\\b(\\d+)-[aeoö]s"));
    QString said = controls::withoutBrackets(text);
    QRegularExpressionMatch m;
    for (qsizetype from = 0; (m = numeral.match(said, from)).hasMatch();) {
        const int rank = m.captured(1).toInt();
        if (rank < 2 || rank > 10) {
            from = m.capturedEnd();
            continue;
        }
        const QString word = QString::fromUtf8(ranks[rank - 2]);
        said.replace(m.capturedStart(), m.capturedLength(), word);
        from = m.capturedStart() + word.size();
    }
    return said;
}

QString Words::percent(const QString& figure) {
    QString shown = figure;
    shown.replace(QLatin1Char('.'), texts::locale().decimalPoint());
    return tr("%1 %").arg(shown);
}

} // namespace trainer
