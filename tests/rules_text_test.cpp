// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts, card codes and media paths.
#include "cards.h"
#include "number_text.h"
#include "payout_table.h"

#include <QTest>

class RulesTextTest : public QObject {
    Q_OBJECT
  private slots:
    void writesNumberTexts_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("start balance") << qint64(250) << " 250";
        QTest::newRow("zero") << qint64(0) << " 0";
        QTest::newRow("negative") << qint64(-6) << "-6";
        QTest::newRow("past 16 bits") << qint64(40000) << " 40000";
    }
    void writesNumberTexts() {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(kartavo::numberText(value)), text);
    }

    void readsNumberTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("leading blank") << " 250" << 250.0;
        QTest::newRow("restart text") << "250" << 250.0;
        QTest::newRow("amount") << "1000 Ft" << 1000.0;
        QTest::newRow("negative") << "-6" << -6.0;
        QTest::newRow("decimal") << "  2.5x" << 2.5;
        QTest::newRow("no number") << "Ft 12" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
    }
    void readsNumberTexts() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(kartavo::readNumber(text.toStdString()), value);
    }

    void moneyStaysInRange() {
        QCOMPARE(kartavo::toMoney(40000.0), 40000);
        QCOMPARE(kartavo::toMoney(1e12), std::numeric_limits<std::int32_t>::max());
        QCOMPARE(kartavo::toMoney(-1e12), std::numeric_limits<std::int32_t>::min());
    }

    void cardCodes_data() {
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("suit");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("ten of clubs") << 1 << 1 << "0c.bmp"
                                      << "treff tízes";
        QTest::newRow("two of diamonds") << 2 << 2 << "2d.bmp"
                                         << "káró kettes";
        QTest::newRow("jack of hearts") << 10 << 3 << "Jh.bmp"
                                        << "kőr bubi";
        QTest::newRow("ace of spades") << 13 << 4 << "As.bmp"
                                       << "pikk ász";
    }
    void cardCodes() {
        QFETCH(int, rank);
        QFETCH(int, suit);
        QFETCH(QString, file);
        QFETCH(QString, spoken);
        const std::string name = kartavo::cardFileName(rank, suit);
        QCOMPARE(QString::fromStdString(name), file);
        const std::string path = "/opt/kartavo/" + name;
        QCOMPARE(kartavo::rankOfCard(path), file.at(0).toLatin1());
        QCOMPARE(kartavo::suitOfCard(path), file.at(1).toLatin1());
        QCOMPARE(QString::fromStdString(kartavo::spokenCardName(path)), spoken);
    }

    // A card's names, heard and read; the joker has no rank or suit, a card back no name.
    void cardNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("ten") << "/opt/kartavo/0h.bmp"
                             << "10♥"
                             << "kőr tízes";
        QTest::newRow("ace") << "As.bmp"
                             << "A♠"
                             << "pikk ász";
        QTest::newRow("joker") << "/opt/kartavo/Jk.bmp"
                               << "Dzsóker"
                               << "dzsóker";
        QTest::newRow("nothing") << ""
                                 << ""
                                 << "";
        QTest::newRow("card back") << "/x/hatlap.bmp"
                                   << ""
                                   << "";
    }
    void cardNames() {
        QFETCH(QString, path);
        QFETCH(QString, written);
        QFETCH(QString, spoken);
        const std::string card = path.toStdString();
        QCOMPARE(QString::fromStdString(kartavo::writtenCardName(card)), written);
        QCOMPARE(QString::fromStdString(kartavo::spokenCardName(card)), spoken);
    }

    void notACard() { QCOMPARE(kartavo::rankOfCard("x"), '\0'); }

    // Every amount is the x 1 amount times the multiplier, written "<n> Ft".
    void payoutTextsScaleWithTheMultiplier_data() {
        QTest::addColumn<int>("multiplier");
        QTest::newRow("x 1") << 1;
        QTest::newRow("x 2") << 2;
        QTest::newRow("x 5") << 5;
        QTest::newRow("x 10") << 10;
    }
    void payoutTextsScaleWithTheMultiplier() {
        QFETCH(int, multiplier);
        const int base[] = {1000, 250, 100, 50, 25, 20, 10, 5, 2};
        for (int row = 1; row <= 9; ++row)
            QCOMPARE(QString::fromUtf8(kartavo::payoutAmountText(row, multiplier).data()),
                     QStringLiteral("%1 Ft").arg(base[row - 1] * multiplier));
        QVERIFY(kartavo::payoutAmountText(0, multiplier).empty());
        QVERIFY(kartavo::payoutAmountText(10, multiplier).empty());
    }

    void multiplierButtons() {
        QCOMPARE(kartavo::multiplierOfButton(0), 1);
        QCOMPARE(kartavo::multiplierOfButton(1), 2);
        QCOMPARE(kartavo::multiplierOfButton(2), 5);
        QCOMPARE(kartavo::multiplierOfButton(3), 10);
        QVERIFY(kartavo::payoutAmountText(1, 3).empty());
    }
};

QTEST_APPLESS_MAIN(RulesTextTest)
#include "rules_text_test.moc"
