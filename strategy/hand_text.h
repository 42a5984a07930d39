// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Hands as text, as the analyzer reads them: five card codes ("As Ks Qs Js 9h") separated by
// blanks, on its command line or one hand a line from a file of hands.
#pragma once

#include "fast_evaluation.h"
#include "translatable.h"

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kartavo {

// The longest text a hand may take, in bytes: five codes with room for any blanks around them.
// A longer line is refused as soon as it is that long, so that a line without end takes no
// memory and no time.
inline constexpr std::size_t longestHandText = 1000;

struct HandTextError {
    const char* what = nullptr;     // a key of the context "kartavo-analyze", with %1, %2
    std::vector<std::string> parts; // the text's own words, not translated
    // What is wrong, in the language of translate.
    std::string message(const Translate& translate = {}) const;
};

using HandRead = std::variant<Hand, HandTextError>;

// Five distinct cards of a deck of deckSize cards (53: "Jk" is the joker).
HandRead readHand(std::string_view text, int deckSize);

// Reads hands one a line from in, each handed to each as soon as its line is read; lines of
// blanks only are passed over. Stops at the first bad line and returns what is wrong with it.
std::optional<HandTextError> readHandLines(std::istream& in, int deckSize,
                                           const std::function<void(const Hand&)>& each);

} // namespace kartavo
