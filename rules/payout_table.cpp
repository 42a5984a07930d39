// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "payout_table.h"
#include "translatable.h"

#include <array>

namespace kartavo {

namespace {
constexpr std::array<int, 4> multipliers = {1, 2, 5, 10};
constexpr std::array<std::string_view, 4> captions = {"x 1", "x 2", "x 5", "x 10"};
constexpr std::array<std::string_view, 9> labels = {
    QT_TRANSLATE_NOOP("Payout", "Royal Flös"), QT_TRANSLATE_NOOP("Payout", "Flös"),
    QT_TRANSLATE_NOOP("Payout", "Póker"),      QT_TRANSLATE_NOOP("Payout", "Full"),
    QT_TRANSLATE_NOOP("Payout", "Színflös"),   QT_TRANSLATE_NOOP("Payout", "Sor"),
    QT_TRANSLATE_NOOP("Payout", "Drill"),      QT_TRANSLATE_NOOP("Payout", "Két pár"),
    QT_TRANSLATE_NOOP("Payout", "Pár")};
// Columns x 1, x 2, x 5, x 10. Fixed texts: the table shows exactly what is paid.
constexpr std::array<std::array<std::string_view, 4>, 9> amounts = {
    {
     {"1000 Ft", "2000 Ft", "5000 Ft", "10000 Ft"},
     {"250 Ft", "500 Ft", "1250 Ft", "2500 Ft"},
     {"100 Ft", "200 Ft", "500 Ft", "1000 Ft"},
     {"50 Ft", "100 Ft", "250 Ft", "500 Ft"},
     {"25 Ft", "50 Ft", "125 Ft", "250 Ft"},
     {"20 Ft", "40 Ft", "100 Ft", "200 Ft"},
     {"10 Ft", "20 Ft", "50 Ft", "100 Ft"},
     {"5 Ft", "10 Ft", "25 Ft", "50 Ft"},
     {"2 Ft", "4 Ft", "10 Ft", "20 Ft"},
     }
};
} // namespace

int multiplierOfButton(int index) {
    return index >= 0 && index < 4 ? multipliers[index] : 0;
}

int buttonOfMultiplier(int multiplier) {
    for (int index = 0; index < 4; ++index)
        if (multipliers[index] == multiplier)
            return index;
    return -1;
}

std::string_view multiplierCaption(int index) {
    return index >= 0 && index < 4 ? captions[index] : std::string_view{};
}

std::string_view payoutLabel(int row) {
    return row >= 1 && row <= 9 ? labels[row - 1] : std::string_view{};
}

std::string_view payoutAmountText(int row, int multiplier) {
    if (row < 1 || row > 9)
        return {};
    for (int i = 0; i < 4; ++i)
        if (multipliers[i] == multiplier)
            return amounts[row - 1][i];
    return {};
}

} // namespace kartavo
