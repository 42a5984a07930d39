// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Hand evaluation: every five-card hand, and the edge cases.
#include "all_hands.h"
#include "evaluation.h"
#include "payout_table.h"

#include <QTest>
#include <algorithm>
#include <map>

using kartavo::Category;

namespace {

// "As Ks Qs Js 0s" -> card paths.
std::array<std::string, 5> hand(const QString& text) {
    std::array<std::string, 5> cards;
    const QStringList codes = text.split(' ');
    for (int i = 0; i < 5; ++i)
        cards[i] = "/p/" + codes[i].toStdString() + ".bmp";
    return cards;
}

QString captionsOf(const kartavo::CategoryList& list) {
    QStringList names;
    for (Category c : list)
        names << QString::fromUtf8(kartavo::resultText(c).data());
    return names.join(", ");
}

} // namespace

class RulesEvaluationTest : public QObject {
    Q_OBJECT
  private slots:
    void edgeCases_data() {
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("applied");
        QTest::newRow("nothing") << "2c 5d 9h Js Kc"
                                 << "Semmi";
        QTest::newRow("pair of twos") << "2c 2d 9h Js Kc"
                                      << "Egy pár";
        QTest::newRow("two pairs") << "Ac Ad Kh Ks Qc"
                                   << "Két pár";
        QTest::newRow("three of a kind") << "7c 7d 7h Js 2c"
                                         << "Drill";
        QTest::newRow("full house") << "Kc Kd Kh 8s 8c"
                                    << "Egy pár, Drill, Full";
        QTest::newRow("four aces") << "Ac Ad Ah As Kd"
                                   << "Póker";
        QTest::newRow("mixed straight 10 to A") << "0c Jd Qh Ks Ac"
                                                << "Sor";
        QTest::newRow("mixed straight") << "4c 5d 6h 7s 8c"
                                        << "Sor";
        QTest::newRow("A-5 mixed is nothing") << "Ac 2d 3h 4s 5c"
                                              << "Semmi";
        QTest::newRow("A-5 suited is a flush") << "Ah 2h 3h 4h 5h"
                                               << "Színflöss";
        QTest::newRow("no wrap Q-K-A-2-3") << "Qc Kd Ah 2s 3c"
                                           << "Semmi";
        QTest::newRow("flush") << "2d 6d 9d Jd Ad"
                               << "Színflöss";
        QTest::newRow("straight flush 9-K") << "9s 0s Js Qs Ks"
                                            << "Sor, Színflöss, Flöss";
        QTest::newRow("royal flush") << "As Ks Qs Js 0s"
                                     << "Sor, Színflöss, Flöss, Royal flöss";
    }
    void edgeCases() {
        QFETCH(QString, cards);
        QFETCH(QString, applied);
        std::array<std::string, 5> h = hand(cards);
        // Every order of the same five cards gives the same result.
        std::sort(h.begin(), h.end());
        do {
            QCOMPARE(captionsOf(kartavo::evaluateHand(h)), applied);
        } while (std::next_permutation(h.begin(), h.end()));
    }

    void exhaustiveCounts() {
        std::map<Category, int> captions;
        // Applied lists and totals per kind of hand, by an independent classification.
        std::map<QString, std::map<QString, int>> listsByKind;
        forEveryHand([&](const auto& r, const auto& s, const auto& c) {
            const kartavo::CategoryList list = kartavo::evaluateCodes(r, s);
            ++captions[list.last()];
            ++listsByKind[kindOf(c)][captionsOf(list) + " = " + QString::number(totalOf(list))];
        });
        QCOMPARE(captions[Category::RoyalFlush], 4);
        QCOMPARE(captions[Category::StraightFlush], 32);
        QCOMPARE(captions[Category::Poker], 624);
        QCOMPARE(captions[Category::FullHouse], 3744);
        QCOMPARE(captions[Category::Flush], 5112);
        QCOMPARE(captions[Category::Straight], 9180);
        QCOMPARE(captions[Category::Drill], 54912);
        QCOMPARE(captions[Category::TwoPairs], 123552);
        QCOMPARE(captions[Category::OnePair], 1098240);
        QCOMPARE(captions[Category::Nothing], 1303560);

        const std::map<QString, QString> expected = {
            {"nothing",        "Semmi = 0"                                    },
            {"pair",           "Egy pár = 2"                                 },
            {"two pairs",      "Két pár = 5"                                },
            {"three",          "Drill = 10"                                   },
            {"straight",       "Sor = 20"                                     },
            {"flush",          "Színflöss = 25"                             },
            {"full house",     "Egy pár, Drill, Full = 62"                   },
            {"four",           "Póker = 100"                                 },
            {"straight flush", "Sor, Színflöss, Flöss = 295"               },
            {"royal",          "Sor, Színflöss, Flöss, Royal flöss = 1295"},
        };
        QCOMPARE(listsByKind.size(), expected.size());
        for (const auto& [kind, lists] : listsByKind) {
            QCOMPARE(lists.size(), std::size_t(1));
            QCOMPARE(lists.begin()->first, expected.at(kind));
        }
    }

  private:
    // Sum of the x 1 amounts of the rows a list credits.
    static int totalOf(const kartavo::CategoryList& list) {
        int total = 0;
        for (Category cat : list)
            if (const int row = kartavo::payoutRow(cat))
                total += std::stoi(std::string(kartavo::payoutAmountText(row, 1)));
        return total;
    }

    // Kind of hand from card indexes 0..51 (rank = index / 4, ranks ten..ace in that order),
    // reckoned without the evaluation: multiplicities, then runs of five on the high-ace order.
    static QString kindOf(const std::array<int, 5>& c) {
        static const int value[13] = {10, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14};
        std::array<int, 15> count{};
        std::array<int, 5> v{};
        bool sameSuit = true;
        for (int i = 0; i < 5; ++i) {
            v[i] = value[c[i] / 4];
            ++count[v[i]];
            sameSuit = sameSuit && c[i] % 4 == c[0] % 4;
        }
        std::array<int, 15> sorted = count;
        std::sort(sorted.rbegin(), sorted.rend());
        if (sorted[0] == 4)
            return "four";
        if (sorted[0] == 3)
            return sorted[1] == 2 ? "full house" : "three";
        if (sorted[0] == 2)
            return sorted[1] == 2 ? "two pairs" : "pair";
        std::sort(v.begin(), v.end());
        const bool run = v[4] - v[0] == 4;
        if (run && sameSuit)
            return v[0] == 10 ? "royal" : "straight flush";
        if (sameSuit)
            return "flush";
        return run ? "straight" : "nothing";
    }
};

QTEST_APPLESS_MAIN(RulesEvaluationTest)
#include "rules_evaluation_test.moc"
