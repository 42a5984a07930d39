// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog: life cycle, sound switch, hint line, how-to-play text, card backs and
// the combination gallery.
#include "board.h"
#include "options.h"
#include "picture_box.h"
#include "tab_strip.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

class OptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;

    options* dialog() const { return table->optionsWindow(); }
    void openOptions() { click(control<QPushButton>(table, "Command6")); }
    void selectPage(int page) {
        click(control<QPushButton>(dialog(), QStringLiteral("SSTab1_Tab%1").arg(page)));
    }
    QString hint() const { return control<QLabel>(dialog(), "Label1")->text(); }
    void pickBack(int design) {
        click(control<controls::PictureBox>(dialog(), QStringLiteral("Picture1_%1").arg(design)));
    }
    void ok() { click(control<QPushButton>(dialog(), "Command1")); }
    void cancel() {
        click(control<QPushButton>(dialog(), "Command2"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QLabel* comboLabel(const char* name) const { return control<QLabel>(dialog(), name); }
    bool yellow(const char* name) const {
        return comboLabel(name)->palette().color(QPalette::WindowText) == QColor(255, 255, 0);
    }

  private slots:
    void init() {
        folder = std::make_unique<MediaFolder>();
        table = shell::openTable(std::make_unique<ScriptedRandom>(std::vector<std::string>(
            {"As", "Kd", "0h", "2c", "7s", "3c", "4c", "5c", "6c", "8d"})));
        table->show();
    }
    void cleanup() { folder.reset(); }

    void opensModelessOnTheAboutPage() {
        media::effectLog().clear();
        openOptions();
        QVERIFY(dialog()->isVisible());
        QCOMPARE(media::effectLog(), QStringList{"options.wav"});
        QCOMPARE(dialog()->windowTitle(), QStringLiteral("Beállítások"));
        QCOMPARE(dialog()->size(), QSize(405, 324));
        QCOMPARE(control<controls::TabStrip>(dialog(), "SSTab1")->currentIndex(), 4);
        QCOMPARE(hint(), QStringLiteral("Kapcsolat: morvane@example.com"));
        QVERIFY(!control<QCheckBox>(dialog(), "Check1")->isEnabled());
        // The table stays usable behind it.
        click(control<QPushButton>(table, "Command1"));
        QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral(" 248"));
    }

    void tabsStandThreeToARow() {
        openOptions();
        const auto* strip = control<controls::TabStrip>(dialog(), "SSTab1");
        QCOMPARE(strip->count(), 5);
        const QStringList captions = {"Hátlap választás", "Irányítás", "Játékszabályok",
                                      "Egyéb beállítások", "Névjegy"};
        for (int i = 0; i < 5; ++i) {
            auto* tab = control<QPushButton>(dialog(), QStringLiteral("SSTab1_Tab%1").arg(i));
            QCOMPARE(tab->text(), captions[i]);
            QCOMPARE(tab->y() > 0, i >= 3);
            QVERIFY(tab->fontMetrics().horizontalAdvance(tab->text()) <= tab->width());
        }
    }

    void hintLineFollowsThePage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::newRow("backs") << 0 << "Kattints valamelyik hátlapra!";
        QTest::newRow("how to play") << 1 << "";
        QTest::newRow("rules") << 2 << "Kattints valamelyik kombinációra!";
        QTest::newRow("other") << 3 << "";
        QTest::newRow("about") << 4 << "Kapcsolat: morvane@example.com";
    }
    void hintLineFollowsThePage() {
        QFETCH(int, page);
        QFETCH(QString, text);
        openOptions();
        selectPage(0);
        pickBack(2);
        QCOMPARE(hint(), QStringLiteral("Moonveil"));
        pickBack(7);
        QCOMPARE(hint(), QStringLiteral("Névjegy"));
        selectPage((page + 1) % 5);
        selectPage(page);
        QCOMPARE(hint(), text);
        QCOMPARE(dialog()->chosenBackFile(), folder->path("hat7.bmp"));
    }

    void howToPlayTextIsExact() {
        const QString expected = QStringLiteral(
            "A Keverés gombra kattintva öt lapot oszt nekünk a program.\n\r\n\r"
            "Ezután az egérrel kijelölhetjük azokat a lapokat, amelyeket cserélni akarunk, majd a "
            "Csere gombra kattintva ez meg is történik.\n\r\n\r"
            "A x1  x2  x5  x10  gombok valamelyikére kattintva a nyeremények összege "
            "ennyiszeresére növelhető. Természetesen ekkor a tét összege is ennyiszeres "
            "lesz!\n\r\n\r"
            "A szorzók módosítása is pénzbe kerül, ára az alaptét összege. Ez kizárólag osztás "
            "után és csere előtt tehetjük meg, hiszen tulajdonképpen ezzel licitálunk a leosztott "
            "lapokra.");
        QCOMPARE(dialog()->howToPlay().toUtf8(), expected.toUtf8());
        // On screen: wrapped, every line inside the label.
        openOptions();
        selectPage(1);
        auto* label = control<QLabel>(dialog(), "Label2");
        QVERIFY(label->wordWrap());
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(QStringLiteral("%1 > %2, font %3")
                                .arg(label->heightForWidth(label->width()))
                                .arg(label->height())
                                .arg(label->font().toString())));
        QVERIFY(!label->text().contains('\r'));
    }

    void soundSwitchSilencesEverything() {
        openOptions();
        selectPage(3);
        auto* box = control<QCheckBox>(dialog(), "Check2");
        QVERIFY(box->isChecked());
        click(box);
        QVERIFY(!media::soundOn);
        media::effectLog().clear();
        ok();
        click(control<QPushButton>(table, "Command1"));
        click(control<QPushButton>(table, "command3_1"));
        QVERIFY(media::effectLog().isEmpty());
        openOptions();
        click(box);
        ok();
        QCOMPARE(media::effectLog(), QStringList{"ok.wav"});
        click(control<QPushButton>(table, "Command1"));
        QCOMPARE(media::effectLog().last(), QStringLiteral("keveres.wav"));
    }

    // "Mégsem" never changes the sound switch, also when the next deal reloads the dialog.
    void cancelKeepsTheSoundSetting_data() {
        QTest::addColumn<bool>("soundOn");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void cancelKeepsTheSoundSetting() {
        QFETCH(bool, soundOn);
        openOptions();
        if (!soundOn)
            click(control<QCheckBox>(dialog(), "Check2"));
        cancel();
        QVERIFY(!dialog());
        click(control<QPushButton>(table, "Command1")); // loads it hidden and reads the box
        QVERIFY(dialog() && !dialog()->isVisible());
        QCOMPARE(media::soundOn, soundOn);
        openOptions();
        QCOMPARE(control<QCheckBox>(dialog(), "Check2")->isChecked(), soundOn);
    }

    void okHidesAndKeepsTheState() {
        openOptions();
        selectPage(2);
        click(comboLabel("Label9"));
        selectPage(0);
        pickBack(3);
        ok();
        QVERIFY(!dialog()->isVisible());
        openOptions();
        QCOMPARE(control<controls::TabStrip>(dialog(), "SSTab1")->currentIndex(), 0);
        QCOMPARE(hint(), QStringLiteral("Starveil"));
        QVERIFY(yellow("Label9"));
        QVERIFY(control<controls::PictureBox>(dialog(), "Picture4")->hasPicture());
    }

    // The dialog opens over the table, whole on the screen even when the table is not.
    void opensOverTheTable_data() {
        QTest::addColumn<QPoint>("tableAt");
        QTest::addColumn<bool>("centred"); // room on the screen for the dialog centred
        QTest::newRow("table in the middle") << QPoint(60, 80) << true;
        QTest::newRow("table at the top left") << QPoint(0, 0) << true;
        QTest::newRow("table past the right edge") << QPoint(600, 60) << false;
        QTest::newRow("table past the bottom edge") << QPoint(40, 450) << false;
        QTest::newRow("table past the top left") << QPoint(-400, -300) << false;
    }
    void opensOverTheTable() {
        QFETCH(QPoint, tableAt);
        QFETCH(bool, centred);
        table->move(tableAt);
        openOptions();
        const QRect shown = dialog()->frameGeometry(), under = table->frameGeometry();
        QVERIFY(table->screen()->availableGeometry().contains(shown));
        QVERIFY(under.intersects(shown));
        if (centred)
            QVERIFY((shown.center() - under.center()).manhattanLength() <= 1);
        else
            QVERIFY(shown.center() != under.center());
    }

    // A dialog only hidden comes back where the player left it; a fresh one opens over the table.
    void hiddenDialogComesBackWhereItWas() {
        table->move(60, 80);
        openOptions();
        const QPoint centredAt = dialog()->pos();
        dialog()->move(5, 7);
        ok();
        table->move(100, 120);
        openOptions();
        QCOMPARE(dialog()->pos(), QPoint(5, 7));
        cancel();
        openOptions();
        QCOMPARE(dialog()->pos(), centredAt + QPoint(40, 40));
    }

    void cancelUnloadsTheDialog() {
        openOptions();
        selectPage(2);
        click(comboLabel("Label9"));
        cancel();
        QVERIFY(!dialog());
        openOptions();
        QCOMPARE(control<controls::TabStrip>(dialog(), "SSTab1")->currentIndex(), 4);
        QVERIFY(!yellow("Label9"));
        QVERIFY(!control<controls::PictureBox>(dialog(), "Picture4")->hasPicture());
    }

    void okCopiesTheLastPickedBack_data() {
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<bool>("cancelFirst");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1, 4, 6") << QList<int>{1, 4, 6} << false << "hat6.bmp";
        QTest::newRow("no pick") << QList<int>{} << false << "hatlap-before.bmp";
        QTest::newRow("pick then Mégsem") << QList<int>{5} << true << "hatlap-before.bmp";
    }
    void okCopiesTheLastPickedBack() {
        QFETCH(QList<int>, picks);
        QFETCH(bool, cancelFirst);
        QFETCH(QString, expected);
        const QDateTime before = QFileInfo(folder->path("hatlap.bmp")).lastModified();
        openOptions();
        selectPage(0);
        for (int design : picks)
            pickBack(design);
        if (cancelFirst) {
            cancel();
            openOptions();
        }
        ok();
        QCOMPARE(folder->read("hatlap.bmp"), folder->read(expected));
        if (picks.isEmpty() || cancelFirst)
            QCOMPARE(QFileInfo(folder->path("hatlap.bmp")).lastModified(), before);
    }

    void newBackShowsOnTheNextMarkedCard() {
        click(control<QPushButton>(table, "Command1"));
        click(control<controls::PictureBox>(table, "Picture1_0"));
        openOptions();
        selectPage(0);
        pickBack(4);
        ok();
        click(control<controls::PictureBox>(table, "Picture1_1"));
        const auto shown = [&](int i) {
            return control<controls::PictureBox>(table, QStringLiteral("Picture1_%1").arg(i))
                ->picture()
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(shown(0), imageOfFile(folder->path("hatlap-before.bmp")));
        QCOMPARE(shown(1), imageOfFile(folder->path("hat4.bmp")));
    }

    void failedCopyKeepsTheOldBackAndTheGame() {
        const QByteArray old = folder->read("hatlap.bmp");
        openOptions();
        selectPage(0);
        pickBack(6);
        QVERIFY(QFile::remove(folder->path("hat6.bmp")));
        ok();
        QCOMPARE(folder->read("hatlap.bmp"), old);
        auto* report = dialog()->findChild<QMessageBox*>("copyFailure");
        QVERIFY(report);
        QVERIFY(report->text().contains("hat6.bmp"));
        report->close();
        click(control<QPushButton>(table, "Command1"));
        QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral(" 248"));
    }

    void galleryHighlightsOneName() {
        openOptions();
        selectPage(2);
        const char* names[] = {"Label3",  "Label7",  "Label8",  "Label9", "Label10",
                               "Label11", "Label12", "Label13", "Label14"};
        const char* files[] = {"mroyal.jpg", "mflos.jpg",    "mpoker.jpg",
                               "mfull.jpg",  "mszfloss.jpg", "msor.jpg",
                               "mdrill.jpg", "mketpar.jpg",  "mpar.jpg"};
        for (int i : {3, 6, 6, 0}) {
            click(comboLabel(names[i]));
            for (int j = 0; j < 9; ++j)
                QCOMPARE(yellow(names[j]), i == j);
            QCOMPARE(control<controls::PictureBox>(dialog(), "Picture4")
                         ->picture()
                         .toImage()
                         .convertToFormat(QImage::Format_RGB32),
                     imageOfFile(folder->path(files[i])));
        }
        QCOMPARE(hint(), QStringLiteral("Kattints valamelyik kombinációra!"));
    }
};

QTEST_MAIN(OptionsTest)
#include "window_options_test.moc"
