// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paytable.h"

#include "payout_table.h"

namespace kartavo {

Paytable gamePaytable(int multiplier) {
    return {"Kartavo x " + std::to_string(multiplier), "Ft", baseStake * multiplier,
            [multiplier](const Hand& h) { return gameCredit(fastCaption(h), multiplier); }};
}

} // namespace kartavo
