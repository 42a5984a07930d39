// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards.h"

#include <array>

namespace kartavo {

namespace {
constexpr std::string_view rankCharacters = "023456789JQKA";
constexpr std::string_view suitLetters = "cdhs";
// In the order of rankCharacters and suitLetters.
constexpr std::array<std::string_view, 13> rankNames = {
    "tízes",   "kettes",   "hármas", "négyes", "ötös",   "hatos", "hetes",
    "nyolcas", "kilences", "bubi",   "dáma",   "király", "ász"};
constexpr std::array<std::string_view, 4> suitNames = {"treff", "káró", "kőr", "pikk"};
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

std::string spokenCardName(std::string_view cardPath) {
    const auto rank = rankCharacters.find(rankOfCard(cardPath));
    const auto suit = suitLetters.find(suitOfCard(cardPath));
    if (rank == std::string_view::npos || suit == std::string_view::npos ||
        !cardPath.ends_with(".bmp"))
        return {};
    return std::string{suitNames[suit]} + " " + std::string{rankNames[rank]};
}

} // namespace kartavo
