// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Strategy charts: which cards a kind keeps, the shipped charts against a fresh derivation, and
// their exact price against play deal by deal.
#include "hands.h"
#include "strategy_chart.h"

#include <QTest>
#include <map>
#include <random>

using namespace kartavo;

Q_DECLARE_METATYPE(kartavo::HoldKind)

namespace {

HoldKind kind(HoldShape shape, int cards = 0, int minStraights = 0, int maxStraights = 10,
              int minHigh = 0, std::uint16_t ranks = 0x1FFF) {
    return {shape,
            static_cast<std::int8_t>(cards),
            static_cast<std::int8_t>(minStraights),
            static_cast<std::int8_t>(maxStraights),
            static_cast<std::int8_t>(minHigh),
            ranks};
}

// A deal's class: its four suits' rank masks in descending order.
std::uint64_t classKey(const Hand& h) {
    std::array<std::uint16_t, 4> masks{};
    for (CardId c : h)
        masks[static_cast<std::size_t>(suitOf(c))] |= static_cast<std::uint16_t>(1u << rankOf(c));
    std::sort(masks.begin(), masks.end(), std::greater<>());
    std::uint64_t key = 0;
    for (std::uint16_t m : masks)
        key = key << 16 | m;
    return key;
}

bool atLeast(const Fraction& a, const Fraction& b) {
    return a.numerator * b.denominator >= b.numerator * a.denominator;
}

} // namespace

class StrategyChartTest : public QObject {
    Q_OBJECT
  private slots:
    void kindKeepsTheseCards_data() {
        using S = HoldShape;
        QTest::addColumn<bool>("jacksOrBetter");
        QTest::addColumn<QString>("hand");
        QTest::addColumn<HoldKind>("kind");
        QTest::addColumn<QString>("kept"); // "none": the hand does not meet the kind
        const HoldKind toStraight4 = kind(S::ToStraight, 4, 1);
        QTest::newRow("a flush that is four to a royal: the flush")
            << false << "0s Js Qs Ks 3s" << kind(S::StraightOrBetter) << "0s Js Qs Ks 3s";
        QTest::newRow("... four to a royal")
            << false << "0s Js Qs Ks 3s" << kind(S::ToRoyalFlush, 4, 1) << "0s Js Qs Ks";
        QTest::newRow("... four to a flush: the four in the most straights")
            << false << "0s Js Qs Ks 3s" << kind(S::ToFlush, 4) << "0s Js Qs Ks";
        QTest::newRow("two ways to four to a straight: the open one")
            << false << "5c 6d 7h 8s 0c" << toStraight4 << "5c 6d 7h 8s";
        QTest::newRow("... inside only")
            << false << "5c 6d 7h 8s 0c" << kind(S::ToStraight, 4, 1, 1) << "6d 7h 8s 0c";
        QTest::newRow("the ace is not low: no four to a straight")
            << false << "Ac 2d 3h 4s 9c" << toStraight4 << "none";
        QTest::newRow("... but low in Jacks or Better")
            << true << "Ac 2d 3h 4s 9c" << toStraight4 << "Ac 2d 3h 4s";
        QTest::newRow("A-2-3-4-5 is no straight")
            << false << "Ac 2d 3h 4s 5c" << kind(S::StraightOrBetter) << "none";
        QTest::newRow("2-3-4-5 is not open")
            << false << "Ac 2d 3h 4s 5c" << kind(S::ToStraight, 4, 2) << "none";
        QTest::newRow("2-3-4-5 is an inside draw")
            << false << "Ac 2d 3h 4s 5c" << toStraight4 << "2d 3h 4s 5c";
        QTest::newRow("ten to ace is a straight")
            << false << "Ac Kd Qh Js 0c" << kind(S::StraightOrBetter) << "Ac Kd Qh Js 0c";
        QTest::newRow("three to a straight flush: the three in the most straights")
            << false << "5h 6h 7h 9h Kc" << kind(S::ToStraightFlush, 3, 1) << "5h 6h 7h";
        QTest::newRow("two pairs: the higher pair")
            << false << "4h Kc 9c Kd 4s" << kind(S::Pair) << "Kc Kd";
        QTest::newRow("two pairs: both")
            << false << "4h Kc 9c Kd 4s" << kind(S::PairedCards) << "4h Kc Kd 4s";
        QTest::newRow("a lone pair is not paired cards")
            << false << "4h Kc 9c Kd 2s" << kind(S::PairedCards) << "none";
        QTest::newRow("full house: the three of a kind")
            << false << "9c 9d 4h 4s 9h" << kind(S::ThreeOfAKind) << "9c 9d 9h";
        QTest::newRow("one card: the one in the most straights")
            << false << "Ac Kd 7h 4s 2c" << kind(S::OneCard, 1) << "7h";
        QTest::newRow("one card: fewer of its suit discarded, before the higher rank")
            << false << "8c 9d 2d Kh 3s" << kind(S::OneCard, 1) << "8c";
        QTest::newRow("two high cards: the two in the most straights")
            << true << "Ac Kd Qh 5s 2c" << kind(S::HighCards, 2, 1) << "Kd Qh";
        QTest::newRow("a high pair")
            << true << "Jc Jd 4h 4s 9c" << kind(S::Pair, 0, 0, 10, 0, 0x1E00) << "Jc Jd";
        QTest::newRow("a low pair")
            << true << "Jc Jd 4h 4s 9c" << kind(S::Pair, 0, 0, 10, 0, 0x01FF) << "4h 4s";
    }
    void kindKeepsTheseCards() {
        QFETCH(bool, jacksOrBetter);
        QFETCH(QString, hand);
        QFETCH(HoldKind, kind);
        QFETCH(QString, kept);
        const Hand h = handOf(hand);
        const ChartRules rules = jacksOrBetter ? jacksOrBetterChartRules() : gameChartRules();
        const std::optional<std::uint8_t> mask = matchKind(kind, rules, h);
        QCOMPARE(mask ? QString::fromStdString(keptCodes(h, *mask)) : QStringLiteral("none"), kept);
        // The same cards whatever the order of the hand and the names of the suits.
        Hand turned{};
        for (std::size_t i = 0; i < 5; ++i)
            turned[4 - i] = cardId(rankOf(h[i]), (suitOf(h[i]) + 1) % 4);
        const std::optional<std::uint8_t> turnedMask = matchKind(kind, rules, turned);
        QCOMPARE(turnedMask.has_value(), mask.has_value());
        if (mask)
            for (std::size_t i = 0; i < 5; ++i)
                QCOMPARE(bool(*turnedMask & (1u << (4 - i))), bool(*mask & (1u << i)));
    }

    // The chart that comes with the program is the one the engine derives.
    void gameChartIsTheDerivedOne() {
        const StrategyTables tables(gamePaytable(1));
        const ChartDerivation d = deriveChart(tables, gameChartRules(), gameChartGoal());
        QVERIFY(d.goalReached);
        QVERIFY(d.chart.lines == gameChart().lines);
    }

    // The chart's price over the classes of deals against the chart played deal by deal: every
    // deal of a seeded sample is worth exactly what its class is, and the classes' values make
    // the claimed return. The goal: within 0.10 percentage points of perfect play here, at least
    // 99.50 % in Jacks or Better, in at most 40 lines.
    void chartPlaysEveryDealAsPriced_data() {
        QTest::addColumn<bool>("jacksOrBetter");
        QTest::newRow("this game") << false;
        QTest::newRow("9/6 Jacks or Better") << true;
    }
    void chartPlaysEveryDealAsPriced() {
        QFETCH(bool, jacksOrBetter);
        const StrategyTables tables(jacksOrBetter ? jacksOrBetter96() : gamePaytable(1));
        const StrategyChart& chart = jacksOrBetter ? jacksOrBetterChart() : gameChart();
        const ChartPrice price = priceChart(tables, chart);
        const std::vector<DealClass> classes = dealClasses();

        Wide total = 0;
        std::map<std::uint64_t, std::size_t> classOf;
        for (std::size_t c = 0; c < classes.size(); ++c) {
            total += static_cast<Wide>(price.classValues[c]) * static_cast<Wide>(classes[c].weight);
            classOf[classKey(classes[c].cards)] = c;
        }
        QVERIFY(price.chartReturn.meanCredit ==
                Fraction::reduced(total, static_cast<Wide>(drawsMultiple) * 2598960));
        std::int64_t deals = 0;
        for (const ChartLinePrice& line : price.lines)
            deals += line.deals;
        QCOMPARE(deals, std::int64_t(2598960)); // the last line meets every deal

        std::mt19937 random(17);
        std::array<CardId, 52> deck{};
        for (int i = 0; i < 52; ++i)
            deck[static_cast<std::size_t>(i)] = CardId(i);
        int wrong = 0;
        for (int n = 0; n < 10000; ++n) {
            std::shuffle(deck.begin(), deck.end(), random);
            const Hand deal = {deck[0], deck[1], deck[2], deck[3], deck[4]};
            const ChartHold hold = chartHold(chart, deal);
            std::int64_t value = -1;
            for (const HoldValue& v : tables.analyse(deal))
                if (v.kept == hold.kept)
                    value = v.valueUnits();
            const std::size_t c = classOf.at(classKey(deal));
            if (value != price.classValues[c] ||
                hold.line != chartHold(chart, classes[c].cards).line)
                ++wrong;
        }
        QCOMPARE(wrong, 0);

        QVERIFY(chart.lines.size() <= 40);
        const Fraction got = price.chartReturn.ratio(), perfect = price.perfectReturn.ratio();
        if (jacksOrBetter)
            QVERIFY(atLeast(got, {995, 1000}));
        else // got + 1/1000 >= perfect
            QVERIFY(
                atLeast({got.numerator * 1000 + got.denominator, got.denominator * 1000}, perfect));
    }
};

QTEST_APPLESS_MAIN(StrategyChartTest)
#include "strategy_chart_test.moc"
