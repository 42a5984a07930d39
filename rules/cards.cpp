// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards.h"
#include "translatable.h"

#include <array>
#include <optional>
#include <utility>

namespace kartavo {

namespace {
constexpr std::string_view rankCharacters = "023456789JQKA";
constexpr std::string_view suitLetters = "cdhs";
// In the order of rankCharacters and suitLetters.
constexpr std::array<const char*, 13> rankNames = {
    QT_TRANSLATE_NOOP("Rules", "tízes"),    QT_TRANSLATE_NOOP("Rules", "kettes"),
    QT_TRANSLATE_NOOP("Rules", "hármas"),   QT_TRANSLATE_NOOP("Rules", "négyes"),
    QT_TRANSLATE_NOOP("Rules", "ötös"),     QT_TRANSLATE_NOOP("Rules", "hatos"),
    QT_TRANSLATE_NOOP("Rules", "hetes"),    QT_TRANSLATE_NOOP("Rules", "nyolcas"),
    QT_TRANSLATE_NOOP("Rules", "kilences"), QT_TRANSLATE_NOOP("Rules", "bubi"),
    QT_TRANSLATE_NOOP("Rules", "dáma"),     QT_TRANSLATE_NOOP("Rules", "király"),
    QT_TRANSLATE_NOOP("Rules", "ász")};
constexpr std::array<const char*, 4> suitNames = {
    QT_TRANSLATE_NOOP("Rules", "treff"), QT_TRANSLATE_NOOP("Rules", "káró"),
    QT_TRANSLATE_NOOP("Rules", "kőr"), QT_TRANSLATE_NOOP("Rules", "pikk")};
// In the order of suitLetters.
constexpr std::array<std::string_view, 4> suitSymbols = {"♣", "♦", "♥", "♠"};

// The rank and suit indexes of a card path, or nothing for a text that is not one of the 52.
std::optional<std::pair<std::size_t, std::size_t>> rankAndSuit(std::string_view cardPath) {
    const auto rank = rankCharacters.find(rankOfCard(cardPath));
    const auto suit = suitLetters.find(suitOfCard(cardPath));
    if (rank == std::string_view::npos || suit == std::string_view::npos ||
        !cardPath.ends_with(".bmp"))
        return std::nullopt;
    return std::pair{rank, suit};
}
} // namespace

char rankCharacter(int rankIndex) {
    return rankIndex >= 1 && rankIndex <= 13 ? rankCharacters[rankIndex - 1] : '\0';
}

char suitLetter(int suitIndex) {
    return suitIndex >= 1 && suitIndex <= 4 ? suitLetters[suitIndex - 1] : '\0';
}

std::string cardFileName(int rankIndex, int suitIndex) {
    return std::string{rankCharacter(rankIndex), suitLetter(suitIndex)} + ".bmp";
}

char rankOfCard(std::string_view cardPath) {
    return cardPath.size() >= 6 ? cardPath[cardPath.size() - 6] : '\0';
}

char suitOfCard(std::string_view cardPath) {
    return cardPath.size() >= 5 ? cardPath[cardPath.size() - 5] : '\0';
}

bool isJoker(std::string_view cardPath) {
    return cardPath.ends_with(jokerFileName);
}

std::string spokenCardName(std::string_view cardPath, const Translate& translate) {
    if (isJoker(cardPath))
        return translated(translate, "Rules", QT_TRANSLATE_NOOP("Rules", "dzsóker"));
    const auto card = rankAndSuit(cardPath);
    if (!card)
        return {};
    // The suit, then the rank: "pikk ász".
    return fillIn(translated(translate, "Rules", QT_TRANSLATE_NOOP("Rules", "%1 %2")),
                  {translated(translate, "Rules", suitNames[card->second]),
                   translated(translate, "Rules", rankNames[card->first])});
}

std::string writtenCardName(std::string_view cardPath, const Translate& translate) {
    if (isJoker(cardPath))
        return translated(translate, "Rules", QT_TRANSLATE_NOOP("Rules", "Dzsóker"));
    const auto card = rankAndSuit(cardPath);
    if (!card)
        return {};
    const char rank = rankCharacters[card->first];
    return (rank == '0' ? std::string("10") : std::string(1, rank)) +
           std::string(suitSymbols[card->second]);
}

} // namespace kartavo
