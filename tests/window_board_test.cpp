// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The game table, driven by clicks on its controls: deal, marking, exchange, multipliers,
// settlement and reward pictures.
#include "board.h"
#include "flex_grid.h"
#include "number_text.h"
#include "options.h"
#include "picture_box.h"
#include "strategy_service.h"
#include "test_support.h"
#include "ujra.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <memory>

namespace {
std::vector<std::string> codes(const QString& text) {
    std::vector<std::string> v;
    for (const QString& c : text.split(' ', Qt::SkipEmptyParts))
        v.push_back(c.toStdString());
    return v;
}
} // namespace

class BoardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;

    // A shown table whose deals follow the script of card codes.
    board& open(const QString& script = {}) {
        table = shell::openTable(std::make_unique<ScriptedRandom>(codes(script)));
        table->show();
        return *table;
    }
    QString text(const char* name) const { return control<QLabel>(table, name)->text(); }
    QPushButton* button(const QString& name) const { return control<QPushButton>(table, name); }
    controls::PictureBox* card(int i) const {
        return control<controls::PictureBox>(table, QStringLiteral("Picture1_%1").arg(i));
    }
    controls::FlexGrid* grid() const { return control<controls::FlexGrid>(table, "MSFlexGrid1"); }
    QGroupBox* caption() const { return control<QGroupBox>(table, "Frame1"); }
    void deal() { click(button("Command1")); }
    void exchange() { click(button("Command4")); }
    QList<int> boldRows() const {
        QList<int> rows;
        for (int r = 1; r <= 9; ++r)
            if (grid()->cellBold(r, 1))
                rows << r;
        return rows;
    }
    bool multipliersEnabled() const {
        bool all = true, any = false;
        for (int i = 0; i < 4; ++i) {
            const bool e = button(QStringLiteral("command3_%1").arg(i))->isEnabled();
            all = all && e;
            any = any || e;
        }
        if (all != any)
            qFatal("multiplier buttons disagree");
        return all;
    }

  private slots:
    void init() { folder = std::make_unique<MediaFolder>(); }
    void cleanup() { folder.reset(); }

    void opensWithItsStartValues() {
        open();
        QCOMPARE(table->windowTitle(), QStringLiteral("Kartavo"));
        QCOMPARE(table->size(), QSize(671, 425));
        QCOMPARE(text("Label5"), QStringLiteral(" 250"));
        QCOMPARE(text("Label1"), QStringLiteral("2"));
        QVERIFY(!button("Command4")->isEnabled());
        QVERIFY(button("Command1")->isEnabled());
        QVERIFY(multipliersEnabled());
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!card(i)->hasPicture());
            QVERIFY(card(i)->isEnabled());
            QCOMPARE(card(i)->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(card(i)->cursor().hotSpot(), QPoint(9, 1));
        }
        QCOMPARE(grid()->cellText(0, 1), QStringLiteral("Nyeremény"));
        QCOMPARE(grid()->cellText(0, 0), QString());
        QCOMPARE(grid()->cellText(1, 0), QStringLiteral("Royal Flös"));
        QCOMPARE(grid()->cellText(5, 0), QStringLiteral("Színflös"));
        QCOMPARE(grid()->cellText(9, 0), QStringLiteral("Pár"));
        QCOMPARE(grid()->cellText(1, 1), QStringLiteral("1000 Ft"));
        QCOMPARE(grid()->cellText(9, 1), QStringLiteral("2 Ft"));
        QCOMPARE(caption()->title(), QStringLiteral("A Te lapjaid:"));
        // The load ticks the hidden options' sound box, so the start sound plays.
        QVERIFY(media::soundOn);
        QVERIFY(table->optionsWindow() && !table->optionsWindow()->isVisible());
        QVERIFY(table->optionsWindow()->effectsTicked());
        QCOMPARE(media::effectLog(), QStringList{"start.wav"});
        QVERIFY(folder->missing.isEmpty());
    }

    void dealTakesTheStakeAndDealsFiveCards() {
        open("As Kd 0h 2c 7s");
        media::effectLog().clear();
        deal();
        QCOMPARE(text("Label5"), QStringLiteral(" 248"));
        QCOMPARE(text("Label1"), QStringLiteral(" 2"));
        QCOMPARE(table->state().balanceAfterDeal, 248);
        const QStringList expected = {"As.bmp", "Kd.bmp", "0h.bmp", "2c.bmp", "7s.bmp"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(QString::fromStdString(table->state().hand[i].card),
                     folder->path(expected[i]));
            QCOMPARE(card(i)->picture().toImage().convertToFormat(QImage::Format_RGB32),
                     imageOfFile(folder->path(expected[i])));
        }
        QCOMPARE(card(0)->accessibleName(), QStringLiteral("1. lap, pikk ász"));
        QCOMPARE(table->state().deck.dealtCount(), 5);
        QVERIFY(button("Command4")->isEnabled());
        QVERIFY(multipliersEnabled());
        QCOMPARE(media::effectLog(), QStringList{"keveres.wav"});
        QVERIFY(!shell::restartDialogOf(table));
    }

    void secondDealTakesTheStakeAgainAndClearsMarks() {
        open("As Kd 0h 2c 7s 3c 4c 5c 6c 8d");
        deal();
        click(card(1));
        click(card(3));
        QVERIFY(!multipliersEnabled());
        deal();
        QCOMPARE(text("Label5"), QStringLiteral(" 246"));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(table->state().hand[i].mark, 'k');
        QCOMPARE(QString::fromStdString(table->state().hand[1].card), folder->path("4c.bmp"));
        QVERIFY(multipliersEnabled());
        QCOMPARE(table->state().deck.dealtCount(), 5);
    }

    void dealThatEmptiesThePurseOffersARestart_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("restart");
        QTest::newRow("from 2") << " 2"
                                << " 0" << true;
        QTest::newRow("from 1") << " 1"
                                << "-1" << true;
        QTest::newRow("from 3") << " 3"
                                << " 1" << false;
    }
    void dealThatEmptiesThePurseOffersARestart() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, restart);
        open("As Kd 0h 2c 7s");
        control<QLabel>(table, "Label5")->setText(before);
        deal();
        QCOMPARE(text("Label5"), after);
        QCOMPARE(shell::restartDialogOf(table) != nullptr, restart);
        QCOMPARE(table->isEnabled(), !restart);
        QVERIFY(card(4)->hasPicture()); // the new cards stay on the table
    }

    void clickTogglesBetweenFaceAndBack() {
        open("As Kd 0h 2c 7s");
        click(card(0)); // an empty box: only the multipliers lock
        QVERIFY(!multipliersEnabled());
        QVERIFY(!card(0)->hasPicture());
        deal();
        QVERIFY(multipliersEnabled());
        click(card(2));
        QCOMPARE(table->state().hand[2].mark, 'h');
        QCOMPARE(card(2)->picture().toImage().convertToFormat(QImage::Format_RGB32),
                 imageOfFile(folder->path("hatlap.bmp")));
        QCOMPARE(card(2)->accessibleName(), QStringLiteral("3. lap, kőr tízes, cserére jelölve"));
        QVERIFY(!multipliersEnabled());
        click(card(2));
        QCOMPARE(table->state().hand[2].mark, 'k');
        QCOMPARE(card(2)->picture().toImage().convertToFormat(QImage::Format_RGB32),
                 imageOfFile(folder->path("0h.bmp")));
    }

    void newBackShowsFromTheNextMark() {
        open("As Kd 0h 2c 7s");
        deal();
        click(card(0));
        QFile::remove(folder->path("hatlap.bmp"));
        QVERIFY(QFile::copy(folder->path("hat5.bmp"), folder->path("hatlap.bmp")));
        click(card(1));
        QCOMPARE(card(0)->picture().toImage().convertToFormat(QImage::Format_RGB32),
                 imageOfFile(folder->path("hatlap-before.bmp")));
        QCOMPARE(card(1)->picture().toImage().convertToFormat(QImage::Format_RGB32),
                 imageOfFile(folder->path("hat5.bmp")));
    }

    void exchangingAllFiveDrawsFiveNewCards() {
        // The script offers dealt cards and repeats first; the exchange must pass over them.
        open("As Kd 0h 2c 7s  As 3h Kd 3h 4h 0h 5h 6h 7h");
        deal();
        for (int i = 0; i < 5; ++i)
            click(card(i));
        exchange();
        const QStringList expected = {"3h.bmp", "4h.bmp", "5h.bmp", "6h.bmp", "7h.bmp"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(QString::fromStdString(table->state().hand[i].card),
                     folder->path(expected[i]));
            QCOMPARE(table->state().hand[i].mark, 'k');
            QVERIFY(!card(i)->isEnabled());
        }
        QCOMPARE(text("Label1"), QString());
        QVERIFY(!button("Command4")->isEnabled());
        QCOMPARE(caption()->title(), QStringLiteral("Flöss"));
        // Clicks after the exchange change nothing.
        click(card(0));
        QCOMPARE(table->state().hand[0].mark, 'k');
    }

    void unmarkingEverythingKeepsTheDealtHand() {
        open("Kc Kd Kh 8s 8c");
        deal();
        click(card(0));
        click(card(3));
        click(card(0));
        click(card(3));
        exchange(); // draws nothing: the script would run out
        QCOMPARE(caption()->title(), QStringLiteral("Full"));
        QCOMPARE(text("Label5"), QStringLiteral(" 310"));
    }

    void multipliersRecomputeFromTheBalanceAfterTheDeal() {
        open("As Kd 0h 2c 7s");
        deal();
        const std::pair<int, QString> steps[] = {
            {2, " 238"},
            {1, " 244"},
            {0, " 246"},
            {0, " 246"}
        };
        const QString stakes[] = {" 10", " 4", " 2", " 2"};
        int n = 0;
        for (const auto& [index, balance] : steps) {
            click(button(QStringLiteral("command3_%1").arg(index)));
            QCOMPARE(text("Label5"), balance);
            QCOMPARE(text("Label1"), stakes[n++]);
        }
        QCOMPARE(media::effectLog().last(), QStringLiteral("szorzo.wav"));
    }

    void multiplierBeforeTheFirstDeal() {
        open("As Kd 0h 2c 7s");
        click(button("command3_3"));
        QCOMPARE(text("Label1"), QStringLiteral(" 20"));
        QCOMPARE(text("Label5"), QStringLiteral(" 230"));
        deal();
        QCOMPARE(text("Label5"), QStringLiteral(" 210"));
        QCOMPARE(grid()->cellText(1, 1), QStringLiteral("10000 Ft"));
    }

    void payoutTableFollowsTheMultiplier_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("amounts");
        QTest::newRow("x 1") << 0 << QStringList{"1000 Ft", "250 Ft", "100 Ft", "50 Ft", "25 Ft",
                                                 "20 Ft",   "10 Ft",  "5 Ft",   "2 Ft"};
        QTest::newRow("x 2") << 1 << QStringList{"2000 Ft", "500 Ft", "200 Ft", "100 Ft", "50 Ft",
                                                 "40 Ft",   "20 Ft",  "10 Ft",  "4 Ft"};
        QTest::newRow("x 5") << 2 << QStringList{"5000 Ft", "1250 Ft", "500 Ft", "250 Ft", "125 Ft",
                                                 "100 Ft",  "50 Ft",   "25 Ft",  "10 Ft"};
        QTest::newRow("x 10") << 3
                              << QStringList{"10000 Ft", "2500 Ft", "1000 Ft", "500 Ft", "250 Ft",
                                             "200 Ft",   "100 Ft",  "50 Ft",   "20 Ft"};
    }
    void payoutTableFollowsTheMultiplier() {
        QFETCH(int, index);
        QFETCH(QStringList, amounts);
        open();
        click(button("command3_3"));
        click(button(QStringLiteral("command3_%1").arg(index)));
        for (int row = 1; row <= 9; ++row)
            QCOMPARE(grid()->cellText(row, 1), amounts[row - 1]);
    }

    void settlementCreditsEveryAppliedRow_data() {
        QTest::addColumn<int>("multiplierButton");
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QList<int>>("bold");
        QTest::addColumn<QString>("sound");
        QTest::newRow("full house x1") << 0 << "Kc Kd Kh 8s 8c"
                                       << "Full"
                                       << " 310" << QList<int>{4} << "nyert.wav";
        QTest::newRow("nothing x1") << 0 << "2c 5d 9h Js Kc"
                                    << "Semmi"
                                    << " 248" << QList<int>{} << "semmi.wav";
        QTest::newRow("pair of twos") << 0 << "2c 2d 9h Js Kc"
                                      << "Egy pár"
                                      << " 250" << QList<int>{9} << "nyert.wav";
        QTest::newRow("royal x1") << 0 << "As Ks Qs Js 0s"
                                  << "Royal flöss"
                                  << " 1543" << QList<int>{1} << "nyert.wav";
        QTest::newRow("full house x5") << 2 << "Kc Kd Kh 8s 8c"
                                       << "Full"
                                       << " 540" << QList<int>{4} << "nyert.wav";
        QTest::newRow("royal x5") << 2 << "As Ks Qs Js 0s"
                                  << "Royal flöss"
                                  << " 6705" << QList<int>{1} << "nyert.wav";
    }
    void settlementCreditsEveryAppliedRow() {
        QFETCH(int, multiplierButton);
        QFETCH(QString, cards);
        QFETCH(QString, caption);
        QFETCH(QString, balance);
        QFETCH(QList<int>, bold);
        QFETCH(QString, sound);
        open(cards);
        if (multiplierButton > 0) // 250 less the stake at the new multiplier
            click(button(QStringLiteral("command3_%1").arg(multiplierButton)));
        deal();
        media::effectLog().clear();
        exchange();
        QCOMPARE(this->caption()->title(), caption);
        QVERIFY(this->caption()->font().bold());
        QCOMPARE(text("Label5"), balance);
        QCOMPARE(boldRows(), bold);
        QCOMPARE(media::effectLog(), QStringList{sound});
        // The next deal clears the highlight and the caption.
        table->setRandomSource(std::make_unique<ScriptedRandom>(codes("2c 5d 9h Js Kc")));
        deal();
        QCOMPARE(boldRows(), QList<int>{});
        QCOMPARE(this->caption()->title(), QStringLiteral("A Te lapjaid:"));
        QVERIFY(!this->caption()->font().bold());
    }

    void silentWhenTheSoundIsOff() {
        open("Kc Kd Kh 8s 8c");
        table->optionsWindow()->setEffectsTicked(false);
        media::effectLog().clear();
        deal();
        exchange();
        QVERIFY(media::effectLog().isEmpty());
        QCOMPARE(text("Label5"), QStringLiteral(" 310"));
    }

    // After the settlement the multipliers are locked, so the win cannot be wiped out.
    void settledWinStays() {
        open("Kc Kd Kh 8s 8c");
        deal();
        exchange();
        QVERIFY(!multipliersEnabled());
        click(button("command3_0"));
        QCOMPARE(text("Label5"), QStringLiteral(" 310"));
    }

    void rewardPicturesFollowTheThreshold() {
        QString script;
        for (int i = 0; i < 10; ++i)
            script += "2c 2d 9h Js Kc ";
        open(script);
        // Equal to the threshold: no picture, threshold unchanged.
        control<QLabel>(table, "Label5")->setText(" 260");
        deal(); // 258, the pair pays 2: 260
        exchange();
        QCOMPARE(text("Label5"), QStringLiteral(" 260"));
        QCOMPARE(table->state().pictureThreshold, 260);
        QVERIFY(table->state().picturePath.isEmpty());
        // One above: the next picture, and the threshold moves ten stakes above the balance.
        QStringList shown;
        for (int round = 0; round < 9; ++round) {
            control<QLabel>(table, "Label5")
                ->setText(QString::number(table->state().pictureThreshold + 1));
            deal();
            exchange();
            QCOMPARE(table->state().pictureThreshold,
                     static_cast<int>(kartavo::readNumber(text("Label5").toStdString())) + 20);
            shown << QFileInfo(table->state().picturePath).fileName();
        }
        QCOMPARE(shown, QStringList({"casino2.jpg", "casino3.jpg", "casino4.jpg", "casino5.jpg",
                                     "casino6.jpg", "casino7.jpg", "casino8.jpg", "casino1.jpg",
                                     "casino2.jpg"}));
        QCOMPARE(control<controls::PictureBox>(table, "Picture2")
                     ->picture()
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32),
                 imageOfFile(folder->path("casino2.jpg")));
        QCOMPARE(control<QWidget>(table, "Picture2")->accessibleName(),
                 QStringLiteral("Jutalomkép, zsetonoszlopok"));
    }

    void largeBalancesKeepWorking() {
        open("2c 5d 9h Js Kc");
        click(button("command3_3"));
        control<QLabel>(table, "Label5")->setText(" 40000");
        deal();
        QCOMPARE(text("Label5"), QStringLiteral(" 39980"));
        QCOMPARE(table->state().balanceAfterDeal, 39980);
        click(button("command3_2"));
        QCOMPARE(text("Label5"), QStringLiteral(" 39970"));
    }

    void exitPlaysItsSoundAndClosesEveryWindow_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Kilépés") << false;
        QTest::newRow("close box") << true;
    }
    void exitPlaysItsSoundAndClosesEveryWindow() {
        QFETCH(bool, closeBox);
        open();
        QPointer<options> dialog = table->optionsWindow();
        click(button("Command6"));
        QVERIFY(dialog->isVisible());
        media::effectLog().clear();
        if (closeBox)
            table->close();
        else
            click(button("Command2"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!table);
        QVERIFY(!dialog);
        QCOMPARE(media::effectLog(), QStringList{"kilepes.wav"});
    }

    // The trainer's engine costs nothing until the player first asks for it: no tables through
    // whole games, then built (on its worker) at the first Tipp.
    void trainerEngineWaitsForItsFirstUse() {
        open("2h 5h 9h Jh Kc 3c 4d 6s 8h 9d 0c Jd");
        QCoreApplication::processEvents();
        deal();
        click(card(0));
        exchange();
        deal();
        QCoreApplication::processEvents();
        QVERIFY(!StrategyService::instance().started());
        QTest::keyClick(table, Qt::Key_T);
        QVERIFY(StrategyService::instance().started());
        StrategyService::instance().waitUntilReady();
    }
};

QTEST_MAIN(BoardTest)
#include "window_board_test.moc"
