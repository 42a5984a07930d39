// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The charts of the casino games, as "kartavo-analyze --strategy --derive --paytable ID" prints
// them; the tests price each against perfect play.
#include "casino_games.h"

namespace kartavo {

using S = HoldShape;

// The charts as the analyzer prints them, one kind a line under its name.

namespace {
ChartRules rulesOf(Family family) {
    return familyRules(family).chartRules;
}
} // namespace

const StrategyChart& bonusPokerChart() {
    // clang-format off
    static const StrategyChart chart{
        rulesOf(Family::BonusPoker),
        {
            // Flös
            {S::StraightFlush, 0, 0, 10, 0, 0x1fff},
            // 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff},
            // Sor vagy jobb (mind az öt lap)
            {S::StraightOrBetter, 0, 0, 10, 0, 0x1fff},
            // Két pár, Drill, Full vagy Póker (a párosított lapok)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff},
            // 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff},
            // Magas pár (bubi vagy jobb)
            {S::Pair, 0, 0, 10, 0, 0x1e00},
            // 3 lap royal flöshöz, legalább 1 magas lappal
            {S::ToRoyalFlush, 3, 1, 10, 1, 0x1fff},
            // 4 lap színhez
            {S::ToFlush, 4, 0, 10, 0, 0x1fff},
            // Pár: 2-estől királyig
            {S::Pair, 0, 0, 10, 0, 0x0fff},
            // 4 lap sorhoz, nyitott
            {S::ToStraight, 4, 2, 10, 0, 0x1fff},
            // 3 lap színsorhoz, legalább 1 magas lappal
            {S::ToStraightFlush, 3, 1, 10, 1, 0x1fff},
            // 2 lap royal flöshöz, csupa magas lap
            {S::ToRoyalFlush, 2, 1, 10, 2, 0x1fff},
            // 3 lap színsorhoz, legalább 2 sorba illik
            {S::ToStraightFlush, 3, 2, 10, 0, 0x1fff},
            // 4 lap sorhoz, legalább 3 magas lappal
            {S::ToStraight, 4, 1, 10, 3, 0x1fff},
            // 2 lap sorhoz, csupa magas lap
            {S::ToStraight, 2, 1, 10, 2, 0x1fff},
            // egy magas lap
            {S::HighCards, 1, 1, 10, 0, 0x1fff},
            // semmi: mind az öt lap csere
            {S::Nothing, 0, 0, 10, 0, 0x1fff},
        }
    };
    // clang-format on
    return chart;
}

const StrategyChart& bonusPokerDeluxeChart() {
    // clang-format off
    static const StrategyChart chart{
        rulesOf(Family::BonusPokerDeluxe),
        {
            // Flös
            {S::StraightFlush, 0, 0, 10, 0, 0x1fff},
            // 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff},
            // Sor vagy jobb (mind az öt lap)
            {S::StraightOrBetter, 0, 0, 10, 0, 0x1fff},
            // Két pár, Drill, Full vagy Póker (a párosított lapok)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff},
            // 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff},
            // Magas pár (bubi vagy jobb)
            {S::Pair, 0, 0, 10, 0, 0x1e00},
            // 3 lap royal flöshöz
            {S::ToRoyalFlush, 3, 1, 10, 0, 0x1fff},
            // 4 lap színhez
            {S::ToFlush, 4, 0, 10, 0, 0x1fff},
            // Alacsony pár (2-estől 10-esig)
            {S::Pair, 0, 0, 10, 0, 0x01ff},
            // 4 lap sorhoz, nyitott
            {S::ToStraight, 4, 2, 10, 0, 0x1fff},
            // 3 lap színsorhoz
            {S::ToStraightFlush, 3, 1, 10, 0, 0x1fff},
            // 4 lap sorhoz, csupa magas lap
            {S::ToStraight, 4, 1, 10, 4, 0x1fff},
            // 2 lap royal flöshöz, csupa magas lap
            {S::ToRoyalFlush, 2, 1, 10, 2, 0x1fff},
            // 4 lap sorhoz, legalább 2 magas lappal
            {S::ToStraight, 4, 1, 10, 2, 0x1fff},
            // 2 lap sorhoz, csupa magas lap
            {S::ToStraight, 2, 1, 10, 2, 0x1fff},
            // 2 lap royal flöshöz, legalább 2 sorba illik
            {S::ToRoyalFlush, 2, 2, 10, 0, 0x1fff},
            // egy magas lap
            {S::HighCards, 1, 1, 10, 0, 0x1fff},
            // 4 lap sorhoz
            {S::ToStraight, 4, 1, 10, 0, 0x1fff},
            // semmi: mind az öt lap csere
            {S::Nothing, 0, 0, 10, 0, 0x1fff},
        }
    };
    // clang-format on
    return chart;
}

const StrategyChart& doubleBonusChart() {
    // clang-format off
    static const StrategyChart chart{
        rulesOf(Family::DoubleBonus),
        {
            // Flös
            {S::StraightFlush, 0, 0, 10, 0, 0x1fff},
            // 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff},
            // Sor vagy jobb (mind az öt lap)
            {S::StraightOrBetter, 0, 0, 10, 0, 0x1fff},
            // Két pár, Drill, Full vagy Póker (a párosított lapok)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff},
            // 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff},
            // Magas pár (bubi vagy jobb)
            {S::Pair, 0, 0, 10, 0, 0x1e00},
            // 4 lap színhez
            {S::ToFlush, 4, 0, 10, 0, 0x1fff},
            // 3 lap royal flöshöz
            {S::ToRoyalFlush, 3, 1, 10, 0, 0x1fff},
            // 4 lap sorhoz, nyitott
            {S::ToStraight, 4, 2, 10, 0, 0x1fff},
            // Alacsony pár (2-estől 10-esig)
            {S::Pair, 0, 0, 10, 0, 0x01ff},
            // 3 lap színsorhoz, legalább 2 sorba illik
            {S::ToStraightFlush, 3, 2, 10, 0, 0x1fff},
            // 3 lap színsorhoz, legalább 2 magas lappal
            {S::ToStraightFlush, 3, 1, 10, 2, 0x1fff},
            // 4 lap sorhoz, legalább 2 magas lappal
            {S::ToStraight, 4, 1, 10, 2, 0x1fff},
            // 2 lap royal flöshöz, legalább 2 sorba illik, csupa magas lap
            {S::ToRoyalFlush, 2, 2, 10, 2, 0x1fff},
            // 3 lap sorhoz, legalább 3 sorba illik, legalább 2 magas lappal
            {S::ToStraight, 3, 3, 10, 2, 0x1fff},
            // 3 magas lap, legalább 2 sorba illik
            {S::HighCards, 3, 2, 10, 0, 0x1fff},
            // 3 lap színhez, legalább 1 magas lappal
            {S::ToFlush, 3, 0, 10, 1, 0x1fff},
            // 2 lap royal flöshöz, csupa magas lap
            {S::ToRoyalFlush, 2, 1, 10, 2, 0x1fff},
            // 4 lap sorhoz, legalább 1 magas lappal
            {S::ToStraight, 4, 1, 10, 1, 0x1fff},
            // 2 lap royal flöshöz, legalább 2 sorba illik
            {S::ToRoyalFlush, 2, 2, 10, 0, 0x1fff},
            // 3 lap színsorhoz
            {S::ToStraightFlush, 3, 1, 10, 0, 0x1fff},
            // 2 lap sorhoz, legalább 2 sorba illik, csupa magas lap
            {S::ToStraight, 2, 2, 10, 2, 0x1fff},
            // egy lap: ász
            {S::OneCard, 1, 0, 10, 0, 0x1000},
            // egy magas lap
            {S::HighCards, 1, 1, 10, 0, 0x1fff},
            // 4 lap sorhoz
            {S::ToStraight, 4, 1, 10, 0, 0x1fff},
            // 3 lap színhez
            {S::ToFlush, 3, 0, 10, 0, 0x1fff},
            // semmi: mind az öt lap csere
            {S::Nothing, 0, 0, 10, 0, 0x1fff},
        }
    };
    // clang-format on
    return chart;
}

const StrategyChart& doubleDoubleBonusChart() {
    // clang-format off
    static const StrategyChart chart{
        rulesOf(Family::DoubleDoubleBonus),
        {
            // Flös
            {S::StraightFlush, 0, 0, 10, 0, 0x1fff},
            // Póker: ász, kísérő: 2-es, 3-as vagy 4-es
            {S::FourOfAKind, 0, 0, 10, 0, 0x1000, 0, 0x0007},
            // Póker: 2-es, 3-as vagy 4-es, kísérő: 2-es, 3-as, 4-es vagy ász
            {S::FourOfAKind, 0, 0, 10, 0, 0x0007, 0, 0x1007},
            // Póker
            {S::FourOfAKind, 0, 0, 10, 0, 0x1fff},
            // Drill: ász
            {S::ThreeOfAKind, 0, 0, 10, 0, 0x1000},
            // 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff},
            // Sor vagy jobb (mind az öt lap)
            {S::StraightOrBetter, 0, 0, 10, 0, 0x1fff},
            // 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff},
            // Pár: ász
            {S::Pair, 0, 0, 10, 0, 0x1000},
            // Két pár, Drill, Full vagy Póker (a párosított lapok)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff},
            // Magas pár (bubi vagy jobb)
            {S::Pair, 0, 0, 10, 0, 0x1e00},
            // 3 lap royal flöshöz
            {S::ToRoyalFlush, 3, 1, 10, 0, 0x1fff},
            // 4 lap színhez
            {S::ToFlush, 4, 0, 10, 0, 0x1fff},
            // Pár: 2-estől királyig
            {S::Pair, 0, 0, 10, 0, 0x0fff},
            // 4 lap sorhoz, nyitott
            {S::ToStraight, 4, 2, 10, 0, 0x1fff},
            // 3 lap színsorhoz
            {S::ToStraightFlush, 3, 1, 10, 0, 0x1fff},
            // 4 lap sorhoz, csupa magas lap
            {S::ToStraight, 4, 1, 10, 4, 0x1fff},
            // 2 lap royal flöshöz, csupa magas lap
            {S::ToRoyalFlush, 2, 1, 10, 2, 0x1fff},
            // 4 lap sorhoz, legalább 2 magas lappal
            {S::ToStraight, 4, 1, 10, 2, 0x1fff},
            // egy lap: ász
            {S::OneCard, 1, 0, 10, 0, 0x1000},
            // 3 lap sorhoz, csupa magas lap
            {S::ToStraight, 3, 1, 10, 3, 0x1fff},
            // 2 lap sorhoz, csupa magas lap
            {S::ToStraight, 2, 1, 10, 2, 0x1fff},
            // 2 lap royal flöshöz
            {S::ToRoyalFlush, 2, 1, 10, 0, 0x1fff},
            // egy magas lap
            {S::HighCards, 1, 1, 10, 0, 0x1fff},
            // 4 lap sorhoz
            {S::ToStraight, 4, 1, 10, 0, 0x1fff},
            // semmi: mind az öt lap csere
            {S::Nothing, 0, 0, 10, 0, 0x1fff},
        }
    };
    // clang-format on
    return chart;
}

const StrategyChart& deucesWildChart() {
    // clang-format off
    static const StrategyChart chart{
        rulesOf(Family::DeucesWild),
        {
            // Három 2-es: Royal Flös
            {S::RoyalFlush, 0, 0, 10, 0, 0x1fff, 3},
            // Két 2-es: Flös
            {S::StraightFlush, 0, 0, 10, 0, 0x1fff, 2},
            // Két 2-es: Drill vagy jobb (a párosított lapok a vadlapokkal)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff, 2},
            // Két 2-es: 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff, 2},
            // Egy 2-es: Flös
            {S::StraightFlush, 0, 0, 10, 0, 0x1fff, 1},
            // Egy 2-es: 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff, 1},
            // Egy 2-es: 4 lap színsorhoz, nyitott
            {S::ToStraightFlush, 4, 3, 10, 0, 0x1fff, 1},
            // Egy 2-es: Drill vagy jobb (a párosított lapok a vadlapokkal)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff, 1},
            // Egy 2-es: Sor vagy jobb (mind az öt lap)
            {S::StraightOrBetter, 0, 0, 10, 0, 0x1fff, 1},
            // Egy 2-es: 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff, 1},
            // Egy 2-es: 3 lap royal flöshöz, legalább 2 sorba illik
            {S::ToRoyalFlush, 3, 2, 10, 0, 0x1fff, 1},
            // Egy 2-es: 3 lap színsorhoz, legalább 4 sorba illik
            {S::ToStraightFlush, 3, 4, 10, 0, 0x1fff, 1},
            // Nincs 2-es: Royal Flös
            {S::RoyalFlush, 0, 0, 10, 0, 0x1fff},
            // Nincs 2-es: Póker
            {S::FourOfAKind, 0, 0, 10, 0, 0x1fff},
            // Nincs 2-es: 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff},
            // Nincs 2-es: Sor vagy jobb (mind az öt lap)
            {S::StraightOrBetter, 0, 0, 10, 0, 0x1fff},
            // Nincs 2-es: Drill
            {S::ThreeOfAKind, 0, 0, 10, 0, 0x1fff},
            // Nincs 2-es: 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff},
            // Nincs 2-es: 3 lap royal flöshöz
            {S::ToRoyalFlush, 3, 1, 10, 0, 0x1fff},
            // Nincs 2-es: Pár
            {S::Pair, 0, 0, 10, 0, 0x1fff},
            // Nincs 2-es: 4 lap színhez
            {S::ToFlush, 4, 0, 10, 0, 0x1fff},
            // Nincs 2-es: 4 lap sorhoz, nyitott
            {S::ToStraight, 4, 2, 10, 0, 0x1fff},
            // Nincs 2-es: 3 lap színsorhoz
            {S::ToStraightFlush, 3, 1, 10, 0, 0x1fff},
            // Nincs 2-es: 2 lap royal flöshöz, legalább 3 sorba illik
            {S::ToRoyalFlush, 2, 3, 10, 0, 0x1fff},
            // Nincs 2-es: 4 lap sorhoz
            {S::ToStraight, 4, 1, 10, 0, 0x1fff},
            // csak a 2-esek (ha nincs, mind az öt lap csere)
            {S::WildCards, 0, 0, 10, 0, 0x1fff, -1},
        }
    };
    // clang-format on
    return chart;
}

const StrategyChart& jokerPokerChart() {
    // clang-format off
    static const StrategyChart chart{
        rulesOf(Family::JokerPoker),
        {
            // Dzsókerrel: Színflös
            {S::Flush, 0, 0, 10, 0, 0x1fff, 1},
            // Dzsókerrel: 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff, 1},
            // Dzsókerrel: Sor
            {S::Straight, 0, 0, 10, 0, 0x1fff, 1},
            // Dzsókerrel: Drill vagy jobb (a párosított lapok a vadlapokkal)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff, 1},
            // Dzsókerrel: 4 lap színhez, legalább 1 magas lappal
            {S::ToFlush, 4, 0, 10, 1, 0x1fff, 1},
            // Dzsókerrel: 3 lap színsorhoz, legalább 1 magas lappal
            {S::ToStraightFlush, 3, 1, 10, 1, 0x1fff, 1},
            // Dzsókerrel: 3 lap színsorhoz, legalább 3 sorba illik
            {S::ToStraightFlush, 3, 3, 10, 0, 0x1fff, 1},
            // Dzsókerrel: 2 lap royal flöshöz, legalább 1 magas lappal
            {S::ToRoyalFlush, 2, 1, 10, 1, 0x1fff, 1},
            // Dzsókerrel: 3 lap színsorhoz, legalább 2 sorba illik
            {S::ToStraightFlush, 3, 2, 10, 0, 0x1fff, 1},
            // Dzsókerrel: 2 lap színsorhoz, legalább 5 sorba illik
            {S::ToStraightFlush, 2, 5, 10, 0, 0x1fff, 1},
            // Dzsóker nélkül: Flös
            {S::StraightFlush, 0, 0, 10, 0, 0x1fff},
            // Dzsóker nélkül: 4 lap royal flöshöz
            {S::ToRoyalFlush, 4, 1, 10, 0, 0x1fff},
            // Dzsóker nélkül: Színflös
            {S::Flush, 0, 0, 10, 0, 0x1fff},
            // Dzsóker nélkül: 4 lap színsorhoz
            {S::ToStraightFlush, 4, 1, 10, 0, 0x1fff},
            // Dzsóker nélkül: Sor
            {S::Straight, 0, 0, 10, 0, 0x1fff},
            // Dzsóker nélkül: Két pár, Drill, Full vagy Póker (a párosított lapok)
            {S::PairedCards, 0, 0, 10, 0, 0x1fff},
            // Dzsóker nélkül: Magas pár (király vagy ász)
            {S::Pair, 0, 0, 10, 0, 0x1800},
            // Dzsóker nélkül: 3 lap royal flöshöz
            {S::ToRoyalFlush, 3, 1, 10, 0, 0x1fff},
            // Dzsóker nélkül: 4 lap színhez
            {S::ToFlush, 4, 0, 10, 0, 0x1fff},
            // Dzsóker nélkül: Alacsony pár (2-estől dámáig)
            {S::Pair, 0, 0, 10, 0, 0x07ff},
            // Dzsóker nélkül: 3 lap színsorhoz
            {S::ToStraightFlush, 3, 1, 10, 0, 0x1fff},
            // Dzsóker nélkül: 4 lap sorhoz, nyitott
            {S::ToStraight, 4, 2, 10, 0, 0x1fff},
            // Dzsóker nélkül: 2 lap royal flöshöz, legalább 1 magas lappal
            {S::ToRoyalFlush, 2, 1, 10, 1, 0x1fff},
            // Dzsóker nélkül: egy magas lap
            {S::HighCards, 1, 1, 10, 0, 0x1fff},
            // Dzsóker nélkül: 2 lap royal flöshöz
            {S::ToRoyalFlush, 2, 1, 10, 0, 0x1fff},
            // csak a dzsóker (ha nincs, mind az öt lap csere)
            {S::WildCards, 0, 0, 10, 0, 0x1fff, -1},
        }
    };
    // clang-format on
    return chart;
}

} // namespace kartavo
