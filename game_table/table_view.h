// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game table shows, read-only, for those that follow the game: the trainer and the
// screen-reader helper. The balance and the stake are read from the labels that hold them.
#pragma once

#include "number_text.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string>

struct TableView {
    // The image path of the card at each place, empty before the first deal.
    std::array<std::string, 5> cards;
    // Marked for exchange (showing the card back).
    std::array<bool, 5> marked{};
    int multiplier = 1;
    // The balance the deal left, from which a multiplier press charges the new stake.
    std::int32_t balanceAfterDeal = 0;
    // The texts of the balance and stake labels, without blanks ("248", "2"; "" when empty).
    QString balanceText;
    QString stakeText;
    // The hand's caption ("A Te lapjaid:", or the last combination found, or "Semmi").
    QString handCaption;
    // The phase, as the enabled controls show it: "Csere" can be pressed (a hand waits for its
    // exchange); the multipliers can be pressed.
    bool exchangeOpen = false;
    bool multipliersOpen = false;

    double balance() const { return kartavo::readNumber(balanceText.toStdString()); }
};
