// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The charts of the casino games, as "kartavo-analyze --strategy --derive --paytable ID" prints
// them; the tests price each against perfect play.
#include "casino_games.h"

namespace kartavo {

using S = HoldShape;

const StrategyChart& bonusPokerChart() {
    static const StrategyChart chart{familyRules(Family::BonusPoker).chartRules, {{S::Nothing}}};
    return chart;
}
const StrategyChart& bonusPokerDeluxeChart() {
    static const StrategyChart chart{familyRules(Family::BonusPokerDeluxe).chartRules,
                                     {{S::Nothing}}};
    return chart;
}
const StrategyChart& doubleBonusChart() {
    static const StrategyChart chart{familyRules(Family::DoubleBonus).chartRules, {{S::Nothing}}};
    return chart;
}
const StrategyChart& doubleDoubleBonusChart() {
    static const StrategyChart chart{familyRules(Family::DoubleDoubleBonus).chartRules,
                                     {{S::Nothing}}};
    return chart;
}
const StrategyChart& deucesWildChart() {
    static const StrategyChart chart{familyRules(Family::DeucesWild).chartRules,
                                     {{S::WildCards, 0, 0, 10, 0, 0x1fff, -1}}};
    return chart;
}
const StrategyChart& jokerPokerChart() {
    static const StrategyChart chart{familyRules(Family::JokerPoker).chartRules,
                                     {{S::WildCards, 0, 0, 10, 0, 0x1fff, -1}}};
    return chart;
}

} // namespace kartavo
