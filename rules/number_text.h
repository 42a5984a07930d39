// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: how the balance, the stake and the payout amounts are written in labels and read
// back from them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kartavo {

// Decimal digits after one blank when zero or positive, after a minus sign when negative:
// 250 -> " 250", -6 -> "-6".
std::string numberText(std::int64_t value);

// The number at the start of a text, after leading blanks: digits with an optional sign and
// decimal point. "1000 Ft" -> 1000, " 250" -> 250, a text that does not start with a number -> 0.
double readNumber(std::string_view text);

// A double rounded into the 32-bit range (money is held in 32-bit integers).
std::int32_t toMoney(double value);

} // namespace kartavo
