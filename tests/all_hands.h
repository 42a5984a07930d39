// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Every five-card hand of a 52-card deck, once each, as rank characters and suit letters.
#pragma once

#include <array>
#include <string_view>

template <class Visit> void forEveryHand(Visit visit) {
    constexpr std::string_view ranks = "023456789JQKA", suits = "cdhs";
    std::array<char, 5> r{}, s{};
    std::array<int, 5> c{};
    for (c[0] = 0; c[0] < 52; ++c[0])
        for (c[1] = c[0] + 1; c[1] < 52; ++c[1])
            for (c[2] = c[1] + 1; c[2] < 52; ++c[2])
                for (c[3] = c[2] + 1; c[3] < 52; ++c[3])
                    for (c[4] = c[3] + 1; c[4] < 52; ++c[4]) {
                        for (int i = 0; i < 5; ++i) {
                            r[i] = ranks[c[i] / 4];
                            s[i] = suits[c[i] % 4];
                        }
                        visit(r, s, c);
                    }
}
