// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The payout table's fixed texts: row labels and the amount of every row at every multiplier.
#pragma once

#include "translatable.h"

#include <string_view>

namespace kartavo {

inline constexpr int baseStake = 2;
inline constexpr int startBalance = 250;
inline constexpr int firstPictureThreshold = 260;

// Multiplier buttons "x 1", "x 2", "x 5", "x 10": index 0..3 -> 1, 2, 5, 10 (0 for another index).
int multiplierOfButton(int index);
// Multiplier 1, 2, 5, 10 -> its button index 0..3; -1 for anything else.
int buttonOfMultiplier(int multiplier);
std::string_view multiplierCaption(int index);

// Row 1..9 -> "Royal Flös" .. "Pár". The labels and the header are keys of the context "Payout"
// (see translatable.h), in words as short as a machine's pay table has them; the same names in
// full are keys of "Rules". The amounts are the same in every language.
std::string_view payoutLabel(int row);
// Row 1..9 at multiplier 1, 2, 5 or 10 -> "1000 Ft" .. ; empty for anything else.
std::string_view payoutAmountText(int row, int multiplier);
inline constexpr std::string_view payoutHeader = QT_TRANSLATE_NOOP("Payout", "Nyeremény");

} // namespace kartavo
