// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Paytable files: the paytable of a casino game that a player enters, for the engine to analyse.
//
// A UTF-8 JSON object of at most 64 KB:
//   {
//     "format": "Kartavo paytable",
//     "version": 1,
//     "name": "Jacks or Better 8/5",
//     "family": "jacks-or-better",
//     "pays": {"royal-flush": 800, "straight-flush": 50, "four-of-a-kind": 25, "full-house": 8,
//              "flush": 5, "straight": 4, "three-of-a-kind": 3, "two-pair": 2,
//              "jacks-or-better": 1}
//   }
// "family" is one of the families' keys (casino_games.h); "pays" gives every row of the family
// once, in any order, in whole credits per coin from 0 to 1,000,000; "name" is what the game is
// called (1 to 100 characters, no control characters). No other member is read, so none is
// allowed, and no member may come twice in an object.
//
// Bad input is refused whole with one message naming the file and what is wrong: the member and,
// where it is written, its line.
#pragma once

#include "casino_games.h"
#include "translatable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kartavo {

inline constexpr std::size_t paytableFileLimit = 64 * 1024;
inline constexpr std::int64_t largestPay = 1'000'000;
inline constexpr const char* paytableFormat = "Kartavo paytable";
inline constexpr int paytableVersion = 1;

struct PaytableError {
    std::string file;
    int line = 0;                   // 1 for the first line; 0: no line to name
    const char* what = nullptr;     // a key of the context "Paytable file", with %1.. for parts
    std::vector<std::string> parts; // the file's own words (members, values), not translated
    // "FILE:LINE: what is wrong" (or "FILE: ..." without a line), in the language of translate.
    std::string message(const Translate& translate = {}) const;
};

using PaytableRead = std::variant<CasinoGame, PaytableError>;

// The bytes of a paytable file; fileName only names it in the message.
PaytableRead readPaytable(std::string_view bytes, std::string_view fileName);
// The file at path: the same once it is read (no more than the limit is read).
PaytableRead readPaytableFile(const std::string& path);

} // namespace kartavo
