// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The strategy engine: the fast evaluation on every hand, the hold analysis against brute force,
// the odds of the captions, and the exact return of the whole game.
#include "all_hands.h"
#include "hands.h"
#include "payout_table.h"
#include "strategy.h"

#include <QTest>
#include <map>
#include <memory>
#include <random>

using namespace kartavo;

namespace {

QString codesOf(const Hand& h) {
    QStringList codes;
    for (CardId c : h)
        codes << QString::fromStdString(cardCode(c));
    return codes.join(' ');
}

const StrategyTables& gameTables() {
    static const StrategyTables tables(gamePaytable(1));
    return tables;
}

} // namespace

class StrategyTest : public QObject {
    Q_OBJECT
  private slots:
    void cardCodes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("card"); // -1: not a card code
        QTest::newRow("ace of spades") << "As" << 12 * 4 + 3;
        QTest::newRow("ten of hearts") << "0h" << 8 * 4 + 2;
        QTest::newRow("two of clubs") << "2c" << 0;
        QTest::newRow("jack of diamonds") << "Jd" << 9 * 4 + 1;
        QTest::newRow("ten written 10") << "10h" << -1;
        QTest::newRow("ten written T") << "Th" << -1;
        QTest::newRow("lower-case rank") << "as" << -1;
        QTest::newRow("upper-case suit") << "AS" << -1;
        QTest::newRow("one") << "1s" << -1;
        QTest::newRow("rank only") << "A" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void cardCodes() {
        QFETCH(QString, code);
        QFETCH(int, card);
        const std::optional<CardId> parsed = parseCardCode(code.toStdString());
        QCOMPARE(parsed ? int(*parsed) : -1, card);
        if (parsed)
            QCOMPARE(QString::fromStdString(cardCode(*parsed)), code);
    }

    // The caption and the total credit at every multiplier, against the fixed-order evaluation
    // and the payout table's texts, on all 2,598,960 hands.
    void fastEvaluationEqualsTheFixedOrderOne() {
        long hands = 0, wrong = 0;
        forEveryHand([&](const auto& ranks, const auto& suits, const auto&) {
            Hand h{};
            for (std::size_t i = 0; i < 5; ++i)
                h[i] = *parseCardCode(std::string{ranks[i], suits[i]});
            const CategoryList applied = evaluateCodes(ranks, suits);
            for (int button = 0; button < 4; ++button) {
                const int m = multiplierOfButton(button);
                int total = 0;
                for (Category c : applied)
                    if (payoutRow(c) != 0)
                        total += std::stoi(std::string(payoutAmountText(payoutRow(c), m)));
                const FastResult fast = fastEvaluate(h, m);
                if (fast.caption != applied.last() || fast.credit != total) {
                    if (++wrong < 5)
                        qWarning("%s x %d", qPrintable(codesOf(h)), m);
                }
            }
            ++hands;
        });
        QCOMPARE(hands, 2598960L);
        QCOMPARE(wrong, 0L);
    }

    void analysisEqualsBruteForce_data() {
        QTest::addColumn<QString>("dealt");
        QTest::newRow("dealt royal") << "As Ks Qs Js 0s";
        QTest::newRow("four to a royal") << "As Ks Qs Js 9h";
        QTest::newRow("four to an A-2-3-4-5 flush") << "Ah 2h 3h 4h 9c";
        QTest::newRow("low pair") << "2c 2d 7h 9s Kc";
        QTest::newRow("two pairs") << "Jc Jd 4h 4s 9c";
        QTest::newRow("three of a kind") << "7c 7d 7h Js 2c";
        QTest::newRow("open straight") << "5c 6d 7h 8s Kc";
        QTest::newRow("nothing at all") << "2c 7d 9h Js Ks";
        std::mt19937 random(8);
        std::array<CardId, 52> deck{};
        for (int i = 0; i < 52; ++i)
            deck[static_cast<std::size_t>(i)] = CardId(i);
        for (int n = 0; n < 3; ++n) {
            std::shuffle(deck.begin(), deck.end(), random);
            const QString dealt = codesOf({deck[0], deck[1], deck[2], deck[3], deck[4]});
            QTest::newRow(qPrintable("random " + dealt)) << dealt;
        }
    }
    void analysisEqualsBruteForce() {
        QFETCH(QString, dealt);
        const Hand h = handOf(dealt);
        const HoldRanking fast = gameTables().analyse(h);
        const HoldRanking direct = analyseDirect(gamePaytable(1), h);
        for (std::size_t i = 0; i < 32; ++i) {
            QCOMPARE(fast[i].kept, direct[i].kept);
            QCOMPARE(fast[i].creditSum, direct[i].creditSum);
            QCOMPARE(fast[i].draws, direct[i].draws);
        }
        // The 32 holds, once each, with C(47, 5 - k) draws for k kept cards.
        const std::map<int, std::int64_t> drawsByKept = {
            {0, 1533939},
            {1, 178365 },
            {2, 16215  },
            {3, 1081   },
            {4, 47     },
            {5, 1      }
        };
        std::map<int, int> holdsByKept;
        for (const HoldValue& v : fast) {
            ++holdsByKept[v.keptCount()];
            QCOMPARE(v.draws, drawsByKept.at(v.keptCount()));
        }
        QCOMPARE(holdsByKept, (std::map<int, int>{
                                  {0, 1 },
                                  {1, 5 },
                                  {2, 10},
                                  {3, 10},
                                  {4, 5 },
                                  {5, 1 }
        }));
    }

    // Equal values: fewer cards exchanged first, then the kept positions read from the left.
    void equalHoldsInTheirFixedOrder() {
        const Hand h = handOf("As Ks Qs Js 9h");
        const HoldRanking r = gameTables().analyse(h);
        QStringList three;
        for (const HoldValue& v : r)
            if (v.creditSum == r[3].creditSum && v.keptCount() == 3)
                three << QString::fromStdString(keptCodes(h, v.kept));
        QCOMPARE(three, (QStringList{"As Ks Qs", "As Ks Js", "As Qs Js"}));
        // Four of a kind: keeping the kicker and exchanging it are both worth exactly the four,
        // and keeping it (exchanging fewer cards) comes first.
        const Hand quads = handOf("9c 9d 9h 9s 2c");
        const HoldRanking q = gameTables().analyse(quads);
        QCOMPARE(q[0].keptCount(), 5);
        QCOMPARE(q[1].keptCount(), 4);
        QCOMPARE(QString::fromStdString(keptCodes(quads, q[1].kept)),
                 QStringLiteral("9c 9d 9h 9s"));
        QVERIFY(!betterHold(q[1], q[0]) &&
                q[0].creditSum * q[1].draws == q[1].creditSum * q[0].draws);
    }

    void captionOddsOfAHold_data() {
        QTest::addColumn<QString>("dealt");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("counts"); // caption: draws
        QTest::newRow("four to a royal")
            << "As Ks Qs Js 9h"
            << "As Ks Qs Js"
            << "Royal flöss 1, Színflöss 8, Sor 3, Egy pár 12, Semmi 23";
        QTest::newRow("keep all five") << "9c 9d 9h 9s 2c"
                                       << "9c 9d 9h 9s 2c"
                                       << "Póker 1";
        QTest::newRow("four of a kind, draw the kicker") << "9c 9d 9h 9s 2c"
                                                         << "9c 9d 9h 9s"
                                                         << "Póker 47";
        QTest::newRow("open straight, draw one") << "5c 6d 7h 8s Kc"
                                                 << "5c 6d 7h 8s"
                                                 << "Sor 8, Egy pár 12, Semmi 27";
    }
    void captionOddsOfAHold() {
        QFETCH(QString, dealt);
        QFETCH(QString, kept);
        QFETCH(QString, counts);
        const Hand h = handOf(dealt);
        std::uint8_t mask = 0;
        for (const QString& code : kept.split(' '))
            for (int p = 0; p < 5; ++p)
                if (cardCode(h[static_cast<std::size_t>(p)]) == code.toStdString())
                    mask = static_cast<std::uint8_t>(mask | (1u << p));
        const CaptionOdds odds = captionOdds(h, mask);
        QStringList seen;
        std::int64_t credit = 0;
        for (int c : {8, 7, 6, 5, 4, 3, 2, 1, 0, 9}) // highest caption first, "Semmi" last
            if (odds.counts[static_cast<std::size_t>(c)] != 0) {
                seen << QString::fromUtf8(resultText(Category(c)).data()) + ' ' +
                            QString::number(odds.counts[static_cast<std::size_t>(c)]);
                credit += odds.counts[static_cast<std::size_t>(c)] * gameCredit(Category(c), 1);
            }
        QCOMPARE(seen.join(", "), counts);
        // The same draws as the hold's value counts.
        for (const HoldValue& v : gameTables().analyse(h))
            if (v.kept == mask) {
                QCOMPARE(odds.draws, v.draws);
                QCOMPARE(credit, v.creditSum);
            }
    }

    void dealClassesCoverEveryDealOnce() {
        const std::vector<DealClass> classes = dealClasses();
        QCOMPARE(classes.size(), std::size_t(134459));
        std::int64_t deals = 0;
        for (const DealClass& d : classes)
            deals += d.weight;
        QCOMPARE(deals, std::int64_t(2598960));
    }

    // The public, independent figure for 9/6 Jacks or Better proves the engine.
    void jacksOrBetterReturnsItsKnownFigure() {
        const StrategyTables tables(jacksOrBetter96());
        QCOMPARE(QString::fromStdString(gameReturn(tables).percent(4)),
                 QStringLiteral("99.5439 %"));
    }

    void gameReturnIsTheSameAtEveryMultiplier() {
        const GameReturn x1 = gameReturn(gameTables());
        const GameReturn x10 = gameReturn(StrategyTables(gamePaytable(10)));
        QCOMPARE(x10.ratio(), x1.ratio());
        QCOMPARE(x10.meanCredit,
                 Fraction::reduced(x1.meanCredit.numerator * 10, x1.meanCredit.denominator));
        QCOMPARE(x1.stake, std::int64_t(2));
        QCOMPARE(QString::fromStdString(x1.meanCredit.text()),
                 QStringLiteral("77695817737/19315145850"));
        QCOMPARE(QString::fromStdString(x1.percent(4)), QStringLiteral("201.1267 %"));
    }

    // The classes of deals give what every deal played one by one gives.
    void classesEqualEveryDealOneByOne() {
        QCOMPARE(gameReturnEveryDeal(gameTables()).meanCredit, gameReturn(gameTables()).meanCredit);
    }

    void tablesFitTheirBudget() { QVERIFY(gameTables().memoryBytes() < 32u * 1024 * 1024); }

    void fractionsPrintExactly_data() {
        QTest::addColumn<qlonglong>("numerator");
        QTest::addColumn<qlonglong>("denominator");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("decimal3");
        QTest::newRow("reduced") << 6LL << 4LL << "3/2"
                                 << "1.500";
        QTest::newRow("rounds half up") << 1LL << 8LL << "1/8"
                                        << "0.125";
        QTest::newRow("carry into the whole part") << 19999LL << 10000LL << "19999/10000"
                                                   << "2.000";
        QTest::newRow("zero") << 0LL << 5LL << "0/1"
                              << "0.000";
    }
    void fractionsPrintExactly() {
        QFETCH(qlonglong, numerator);
        QFETCH(qlonglong, denominator);
        QFETCH(QString, text);
        QFETCH(QString, decimal3);
        const Fraction f =
            Fraction::reduced(static_cast<Wide>(numerator), static_cast<Wide>(denominator));
        QCOMPARE(QString::fromStdString(f.text()), text);
        QCOMPARE(QString::fromStdString(f.decimal(3)), decimal3);
    }
};

QTEST_APPLESS_MAIN(StrategyTest)
#include "strategy_test.moc"
