// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The splash and the restart dialog, and one whole run from the splash to a fresh start.
#include "board.h"
#include "indit.h"
#include "options.h"
#include "picture_box.h"
#include "test_support.h"
#include "ujra.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

class ShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;

    QImage splashPicture(indit* splash) const {
        return control<controls::PictureBox>(splash, "Picture1")
            ->picture()
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    static QList<board*> boards() {
        QList<board*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<board*>(w))
                found << b;
        return found;
    }
    // A table that has just run out of money.
    board* brokeTable() {
        auto* table = shell::openTable(std::make_unique<ScriptedRandom>(std::vector<std::string>(
            {"As", "Kd", "0h", "2c", "7s", "3c", "4c", "5c", "6c", "8d"})));
        table->show();
        control<QLabel>(table, "Label5")->setText(" 2");
        click(control<QPushButton>(table, "Command1"));
        return table;
    }

  private slots:
    void init() { folder = std::make_unique<MediaFolder>(); }
    void cleanup() { folder.reset(); }

    void splashTimeline() {
        QPointer<indit> splash = new indit;
        splash->show();
        QCOMPARE(splash->pos(), QPoint(147, 130));
        QCOMPARE(splash->size(), QSize(505, 347));
        QVERIFY(splash->timer().isActive());
        QCOMPARE(splash->timer().interval(), 150);
        splash->timer().stop(); // driven tick by tick below
        const QImage first = imageOfFile(folder->path("splash2.jpg"));
        QCOMPARE(splashPicture(splash), first);
        QTest::mouseClick(splash, Qt::LeftButton);
        QTest::keyClick(splash, Qt::Key_Escape);
        QVERIFY(splash->isVisible()); // input changes nothing
        for (int tick = 1; tick <= 13; ++tick)
            splash->Timer1_Timer();
        QCOMPARE(splashPicture(splash), first);
        splash->Timer1_Timer(); // the 14th tick
        QCOMPARE(splashPicture(splash), imageOfFile(folder->path("splash.jpg")));
        for (int tick = 15; tick <= 33; ++tick)
            splash->Timer1_Timer();
        QVERIFY(boards().isEmpty());
        splash->Timer1_Timer(); // the 34th tick
        QVERIFY(!splash->isVisible());
        QCOMPARE(boards().size(), 1);
        QVERIFY(boards().first()->isVisible());
        QCOMPARE(media::effectLog(), QStringList{"start.wav"});
    }

    void restartDialogOpensWithItsMessage() {
        board* table = brokeTable();
        ujra* dialog = shell::restartDialogOf(table);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Kartavo - by Morvane"));
        QCOMPARE(dialog->pos(), QPoint(281, 249));
        QCOMPARE(control<QLabel>(dialog, "Label1")->text(),
                 QStringLiteral("Elfogyott a pénzed.\n\nAkarod újrakezdeni?"));
        QVERIFY(!table->isEnabled());
        QVERIFY(dialog->isEnabled());
    }

    void yesStartsAgainWith250() {
        board* table = brokeTable();
        const std::string firstCard = table->state().hand[0].card;
        click(control<QPushButton>(shell::restartDialogOf(table), "Command1"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shell::restartDialogOf(table));
        QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral("250"));
        QCOMPARE(control<QLabel>(table, "Label1")->text(), QString());
        QVERIFY(table->isEnabled());
        QVERIFY(!control<QPushButton>(table, "Command4")->isEnabled());
        QCOMPARE(table->state().hand[0].card, firstCard);
        QCOMPARE(table->state().multiplier, 1);
        click(control<QPushButton>(table, "command3_2"));
        QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral(" 240"));
    }

    void noEndsTheProgram_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<bool>("sound");
        QTest::newRow("Nem, sound on") << false << true;
        QTest::newRow("Nem, sound off") << false << false;
        QTest::newRow("close box") << true << true;
        QTest::newRow("Escape") << true << false;
    }
    void noEndsTheProgram() {
        QFETCH(bool, closeBox);
        QFETCH(bool, sound);
        QPointer<board> table = brokeTable();
        QPointer<options> dialog = table->optionsWindow();
        QPointer<ujra> restart = shell::restartDialogOf(table);
        media::soundOn = sound;
        media::effectLog().clear();
        if (!closeBox)
            click(control<QPushButton>(restart, "Command2"));
        else if (sound)
            restart->close();
        else
            QTest::keyClick(restart, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!table && !dialog && !restart);
        QCOMPARE(media::effectLog(), sound ? QStringList{"kilepes.wav"} : QStringList{});
    }

    // The dialog opens over the table's cards: a click meant for a card must not answer it.
    void earlyClickChangesNothing_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("afterMs");
        QTest::addColumn<bool>("answered");
        QTest::newRow("Igen at once") << "Command1" << 0 << false;
        QTest::newRow("Nem at once") << "Command2" << 0 << false;
        QTest::newRow("Nem at 499 ms") << "Command2" << 499 << false;
        QTest::newRow("Igen at 500 ms") << "Command1" << 500 << true;
        QTest::newRow("Nem at 500 ms") << "Command2" << 500 << true;
        QTest::newRow("Nem much later") << "Command2" << 60000 << true;
        QTest::newRow("Enter at once") << "Enter" << 0 << true;
        QTest::newRow("Escape at once") << "Escape" << 0 << true;
    }
    void earlyClickChangesNothing() {
        QFETCH(QString, input);
        QFETCH(int, afterMs);
        QFETCH(bool, answered);
        qint64 now = 50000;
        const ujra::Clock previous = ujra::setClock([&now] { return now; });
        QPointer<board> table = brokeTable();
        QPointer<ujra> dialog = shell::restartDialogOf(table);
        now += afterMs;
        if (input == QLatin1String("Enter"))
            QTest::keyClick(dialog, Qt::Key_Return);
        else if (input == QLatin1String("Escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else {
            // Through the window, where the click lands, as the player's would.
            auto* button = control<QPushButton>(dialog, input);
            QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {},
                              button->mapTo(dialog, button->rect().center()));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ujra::setClock(previous);
        const bool yes = input == QLatin1String("Command1") || input == QLatin1String("Enter");
        if (!answered) {
            QVERIFY(table && dialog && dialog->isVisible());
            QVERIFY(!table->isEnabled());
            QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral(" 0"));
        } else if (yes) {
            QVERIFY(table && !dialog);
            QVERIFY(table->isEnabled());
            QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral("250"));
        } else {
            QVERIFY(!table && !dialog);
        }
    }

    // From the splash through a lost game to a fresh start.
    void wholeRunFromTheSplash() {
        QPointer<indit> splash = new indit;
        splash->show();
        splash->timer().stop();
        for (int tick = 1; tick <= 34; ++tick)
            splash->Timer1_Timer();
        QCOMPARE(boards().size(), 1);
        board* table = boards().first();
        QString script;
        for (int i = 0; i < 20; ++i)
            script += "2c 5d 9h Js Kc 3c ";
        std::vector<std::string> cards;
        for (const QString& c : script.split(' ', Qt::SkipEmptyParts))
            cards.push_back(c.toStdString());
        table->setRandomSource(std::make_unique<ScriptedRandom>(cards));
        click(control<QPushButton>(table, "command3_3")); // x 10: 230
        int deals = 0;
        while (!shell::restartDialogOf(table) && deals < 20) {
            click(control<QPushButton>(table, "Command1"));
            if (shell::restartDialogOf(table))
                break;
            click(control<controls::PictureBox>(table, "Picture1_4"));
            click(control<QPushButton>(table, "Command4"));
            QCOMPARE(control<QGroupBox>(table, "Frame1")->title(), QStringLiteral("Semmi"));
            ++deals;
        }
        QCOMPARE(deals, 11); // 230 - 11 x 20 = 10, then 10 - 20 = -10
        QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral("-10"));
        click(control<QPushButton>(shell::restartDialogOf(table), "Command1"));
        QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral("250"));
        click(control<QPushButton>(table, "Command1"));
        QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral(" 230"));
    }
};

QTEST_MAIN(ShellTest)
#include "window_shell_test.moc"
