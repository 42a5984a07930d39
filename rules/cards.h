// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Card codes. A card is carried through the game as the path of its face image, whose file name
// is the rank character, the suit letter and ".bmp" ("0h.bmp" is the ten of hearts).
#pragma once

#include "translatable.h"

#include <string>
#include <string_view>

namespace kartavo {

// Rank index 1..13 -> rank character; index 1 is the ten ("0"), 10 the jack, 13 the ace.
char rankCharacter(int rankIndex);
// Suit index 1..4 -> "c", "d", "h", "s".
char suitLetter(int suitIndex);

// "0h.bmp" for rank index 1, suit index 3.
std::string cardFileName(int rankIndex, int suitIndex);

// The rank character and suit letter of a card path: the sixth-last and fifth-last characters,
// the two before ".bmp". A text too short to hold them gives '\0'.
char rankOfCard(std::string_view cardPath);
char suitOfCard(std::string_view cardPath);

// The joker of a 53-card deck is held at "Jk.bmp"; it has no rank or suit of its own.
inline constexpr std::string_view jokerFileName = "Jk.bmp";
bool isJoker(std::string_view cardPath);

// Spoken name of the card held at a path, for screen readers: "pikk ász", "kőr tízes", "joker",
// its words translated by translate. Empty for a text that is not a card.
std::string spokenCardName(std::string_view cardPath, const Translate& translate = {});
// The card as sighted players read it in a line of cards, in UTF-8: the rank and the suit's
// symbol ("A♠", "10♥"), or the joker's word translated by translate ("Joker"). Empty for a text
// that is not a card.
std::string writtenCardName(std::string_view cardPath, const Translate& translate = {});

} // namespace kartavo
