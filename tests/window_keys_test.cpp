// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The game by keyboard: every key of the table does what the click of its control does, keys of
// disabled controls do nothing, the focus walks the designed tab order and shows its mark, and
// the options dialog answers Escape, Enter, Space and Ctrl+Tab.
#include "board.h"
#include "flex_grid.h"
#include "indit.h"
#include "options.h"
#include "picture_box.h"
#include "tab_strip.h"
#include "test_support.h"
#include "ujra.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const char* dealScript = "As Kd 0h 2c 7s 3c 4c 5c 6c 8d 9h Jh Qh Kh Ah 2d 3d 4d 5d 6d";

// Sends a key to whatever has the focus in the active window, as the keyboard does.
void press(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        qFatal("no active window for the key");
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;

    board& open(const QString& script = QString::fromLatin1(dealScript)) {
        table = shell::openTable(dealing(script));
        table->show();
        activate(table);
        return *table;
    }
    template <class T = QWidget> T* at(const QString& name) const {
        return control<T>(table, name);
    }
    // What a key or a click may change: money, marks, cards, caption, enabled states.
    QStringList snapshot() const {
        QStringList s;
        s << at<QLabel>("Label5")->text() << at<QLabel>("Label1")->text();
        const auto* caption = at<QGroupBox>("Frame1");
        s << caption->title() + (caption->font().bold() ? " bold" : "");
        for (const board::HandPosition& pos : table->state().hand)
            s << QFileInfo(QString::fromStdString(pos.card)).fileName() + pos.mark;
        for (const char* name :
             {"Command1", "Command4", "command3_0", "command3_1", "command3_2", "command3_3",
              "Picture1_0", "Picture1_1", "Picture1_2", "Picture1_3", "Picture1_4"})
            s << QString::fromLatin1(name) + (at(name)->isEnabled() ? " on" : " off");
        s << QStringLiteral("x%1").arg(table->state().multiplier);
        s << QStringLiteral("options %1").arg(table->optionsWindow()->isVisible());
        const auto* grid = at<controls::FlexGrid>("MSFlexGrid1");
        for (int row = 1; row <= 9; ++row)
            s << grid->cellText(row, 1) + (grid->cellBold(row, 1) ? " bold" : "");
        return s;
    }
    void clickAll(const QStringList& names) {
        for (const QString& name : names)
            click(at(name));
    }

  private slots:
    void init() { folder = std::make_unique<MediaFolder>(); }
    void cleanup() { folder.reset(); }

    void keyDoesWhatItsControlDoes_data() {
        QTest::addColumn<QStringList>("before"); // clicks that bring the table to its phase
        QTest::addColumn<QString>("focus");      // the control focused before the key, if any
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("control"); // the control whose click the key stands for
        QTest::addColumn<bool>("changes");    // whether that click changes anything
        const QStringList fresh, dealt{"Command1"}, marked{"Command1", "Picture1_0"},
            settled{"Command1", "Command4"}, atTen{"command3_3", "Command1"},
            atFive{"command3_2", "Command1"};
        const int none = 0, pad = Qt::KeypadModifier, alt = Qt::AltModifier;
        // clang-format off
        QTest::newRow("1 on empty boxes") << fresh << "" << int(Qt::Key_1) << none << "Picture1_0" << true;
        QTest::newRow("3 marks") << dealt << "" << int(Qt::Key_3) << none << "Picture1_2" << true;
        QTest::newRow("keypad 5 marks") << dealt << "" << int(Qt::Key_5) << pad << "Picture1_4" << true;
        QTest::newRow("1 unmarks") << marked << "" << int(Qt::Key_1) << none << "Picture1_0" << true;
        QTest::newRow("2 on locked cards") << settled << "" << int(Qt::Key_2) << none << "Picture1_1" << false;
        QTest::newRow("Enter deals first") << fresh << "" << int(Qt::Key_Return) << none << "Command1" << true;
        QTest::newRow("Enter exchanges") << marked << "" << int(Qt::Key_Return) << none << "Command4" << true;
        QTest::newRow("keypad Enter deals again") << settled << "" << int(Qt::Key_Enter) << pad << "Command1" << true;
        QTest::newRow("Enter on a focused button") << dealt << "Command2" << int(Qt::Key_Return) << none << "Command4" << true;
        QTest::newRow("+ before the deal") << fresh << "" << int(Qt::Key_Plus) << none << "command3_1" << true;
        QTest::newRow("keypad + after the deal") << dealt << "" << int(Qt::Key_Plus) << pad << "command3_1" << true;
        QTest::newRow("Shift + from x 5") << atFive << "" << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << "command3_3" << true;
        QTest::newRow("- from x 10") << atTen << "" << int(Qt::Key_Minus) << none << "command3_2" << true;
        QTest::newRow("keypad - from x 5") << atFive << "" << int(Qt::Key_Minus) << pad << "command3_1" << true;
        QTest::newRow("+ past x 10") << atTen << "" << int(Qt::Key_Plus) << none << "" << false;
        QTest::newRow("- past x 1") << dealt << "" << int(Qt::Key_Minus) << none << "" << false;
        QTest::newRow("+ while marking") << marked << "" << int(Qt::Key_Plus) << none << "command3_1" << false;
        QTest::newRow("Space on a card") << dealt << "Picture1_3" << int(Qt::Key_Space) << none << "Picture1_3" << true;
        QTest::newRow("Space on x 5") << dealt << "command3_2" << int(Qt::Key_Space) << none << "command3_2" << true;
        QTest::newRow("Alt+K") << dealt << "" << int(Qt::Key_K) << alt << "Command1" << true;
        QTest::newRow("Alt+C") << marked << "" << int(Qt::Key_C) << alt << "Command4" << true;
        QTest::newRow("Alt+C disabled") << fresh << "" << int(Qt::Key_C) << alt << "Command4" << false;
        QTest::newRow("Alt+B") << dealt << "" << int(Qt::Key_B) << alt << "Command6" << true;
        // clang-format on
    }
    void keyDoesWhatItsControlDoes() {
        QFETCH(QStringList, before);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, control);
        QFETCH(bool, changes);

        open();
        clickAll(before);
        const QStringList untouched = snapshot();
        if (!control.isEmpty())
            click(at(control));
        const QStringList clicked = snapshot();
        QCOMPARE(clicked != untouched, changes);
        delete table;

        open();
        clickAll(before);
        if (!focus.isEmpty())
            at(focus)->setFocus();
        press(key, Qt::KeyboardModifiers(modifiers));
        if (modifiers & Qt::AltModifier) // a button pressed by its letter clicks after a moment
            QTest::qWait(300);
        QCOMPARE(snapshot(), clicked);
    }

    void enterDealsThenExchangesThenDealsAgain() {
        open("Kc Kd Kh 8s 8c 2c 5d 9h Js Kc");
        press(Qt::Key_Return);
        QCOMPARE(at<QLabel>("Label5")->text(), QStringLiteral(" 248"));
        QVERIFY(at("Command4")->isEnabled());
        press(Qt::Key_Return);
        QCOMPARE(at<QGroupBox>("Frame1")->title(), QStringLiteral("Full"));
        QCOMPARE(at<QLabel>("Label5")->text(), QStringLiteral(" 310"));
        QVERIFY(!at("Command4")->isEnabled());
        press(Qt::Key_Return);
        QCOMPARE(at<QLabel>("Label5")->text(), QStringLiteral(" 308"));
        QCOMPARE(at<QGroupBox>("Frame1")->title(), QStringLiteral("A Te lapjaid:"));
        QCOMPARE(QFileInfo(QString::fromStdString(table->state().hand[4].card)).fileName(),
                 QStringLiteral("Kc.bmp"));
    }

    // While the restart dialog is open the table is disabled: its keys do nothing.
    void disabledTableTakesNoKeys() {
        open();
        at<QLabel>("Label5")->setText(" 2");
        click(at("Command1"));
        QPointer<ujra> dialog = shell::restartDialogOf(table);
        QVERIFY(dialog);
        activate(dialog);
        const QStringList before = snapshot();
        for (int key : {int(Qt::Key_1), int(Qt::Key_Return), int(Qt::Key_Plus)})
            QTest::keyClick(table, static_cast<Qt::Key>(key));
        QTest::keyClick(table, Qt::Key_Q, Qt::ControlModifier);
        QTest::keyClick(table, Qt::Key_K, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(snapshot(), before);
        QVERIFY(table && dialog);
        // The dialog's own keys stay: Enter presses the focused "Igen".
        press(Qt::Key_Return);
        QCOMPARE(at<QLabel>("Label5")->text(), QStringLiteral("250"));
        QVERIFY(table->isEnabled());
    }

    void quitKeysCloseEveryWindow_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier);
        QTest::newRow("Alt+L") << int(Qt::Key_L) << int(Qt::AltModifier);
    }
    void quitKeysCloseEveryWindow() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        open();
        QPointer<options> dialog = table->optionsWindow();
        media::soundOn = true;
        media::effectLog().clear();
        press(key, Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(!table);
        QVERIFY(!dialog);
        QCOMPARE(media::effectLog(), QStringList{"kilepes.wav"});
    }

    void captionsKeepTheirTexts() {
        open();
        const std::pair<const char*, const char*> buttons[] = {
            {"Command1", "Keverés"      },
            {"Command4", "Csere"         },
            {"Command6", "Beállítások"},
            {"Command2", "Kilépés"     }
        };
        for (const auto& [name, caption] : buttons) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(at(name));
            QCOMPARE(a->text(QAccessible::Name), QString::fromUtf8(caption));
            QCOMPARE(at<QPushButton>(name)->text().remove('&'), QString::fromUtf8(caption));
        }
    }

    void tabWalksTheDesignedOrder() {
        open();
        click(at("Command1"));
        at("Command1")->setFocus();
        const QStringList expected = {
            "Picture1_0", "Picture1_1", "Picture1_2", "Picture1_3", "Picture1_4", "MSFlexGrid1",
            "Command2",   "command3_0", "command3_1", "command3_2", "command3_3", "Command4",
            "Picture2",   "Label5",     "Command6",   "Label1",     "Command1"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            press(Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void focusedControlShowsItsMark_data() {
        QTest::addColumn<bool>("inOptions");
        QTest::addColumn<QString>("name");
        QTest::newRow("card box") << false << "Picture1_2";
        QTest::newRow("balance") << false << "Label5";
        QTest::newRow("stake") << false << "Label1";
        QTest::newRow("card back") << true << "Picture1_5";
        QTest::newRow("combination") << true << "Label9";
    }
    void focusedControlShowsItsMark() {
        QFETCH(bool, inOptions);
        QFETCH(QString, name);
        open();
        click(at("Command1"));
        QWidget* window = table;
        if (inOptions) {
            click(at("Command6"));
            window = table->optionsWindow();
            activate(window);
            auto* strip = control<controls::TabStrip>(window, "SSTab1");
            const bool backs = name.startsWith("Picture1");
            click(control<QPushButton>(window, backs ? "SSTab1_Tab0" : "SSTab1_Tab2"));
            QCOMPARE(strip->currentIndex(), backs ? 0 : 2);
        }
        QWidget* w = control<QWidget>(window, name);
        window->findChild<QWidget*>(inOptions ? "Command1" : "Command2")->setFocus();
        const QImage plain = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QVERIFY(w->hasFocus());
        QVERIFY(w->grab().toImage() != plain);
    }

    // Driven by keys: Ctrl+Tab to a page, Tab to a back, Space picks it, Enter is OK.
    void optionsDialogByKeys_data() {
        QTest::addColumn<int>("closeKey");
        QTest::addColumn<QString>("focusBeforeClosing");
        QTest::addColumn<bool>("kept");       // OK hides the dialog, "Mégsem" unloads it
        QTest::addColumn<QString>("inForce"); // the back in force afterwards
        QTest::newRow("Enter is OK") << int(Qt::Key_Return) << "" << true << "hat3.bmp";
        QTest::newRow("keypad Enter is OK") << int(Qt::Key_Enter) << "" << true << "hat3.bmp";
        QTest::newRow("Escape cancels")
            << int(Qt::Key_Escape) << "" << false << "hatlap-before.bmp";
        QTest::newRow("Enter on Mégsem")
            << int(Qt::Key_Return) << "Command2" << false << "hatlap-before.bmp";
    }
    void optionsDialogByKeys() {
        QFETCH(int, closeKey);
        QFETCH(QString, focusBeforeClosing);
        QFETCH(bool, kept);
        QFETCH(QString, inForce);
        open();
        press(Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(table->optionsWindow()->isVisible());
        QPointer<options> dialog = table->optionsWindow();
        activate(dialog);
        auto* strip = control<controls::TabStrip>(dialog, "SSTab1");
        QCOMPARE(strip->currentIndex(), 4);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("SSTab1_Tab4"));
        press(Qt::Key_Tab, Qt::ControlModifier); // from the last page round to the first
        QCOMPARE(strip->currentIndex(), 0);
        QCOMPARE(control<QLabel>(dialog, "Label1")->text(),
                 QStringLiteral("Kattints valamelyik hátlapra!"));
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(strip->currentIndex(), 4);
        press(Qt::Key_Tab, Qt::ControlModifier);
        for (int i = 0; i < 30 && QApplication::focusWidget()->objectName() != "Picture1_3"; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1_3"));
        press(Qt::Key_Space);
        QCOMPARE(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("Starveil"));
        if (!focusBeforeClosing.isEmpty())
            control<QWidget>(dialog, focusBeforeClosing)->setFocus();
        press(closeKey);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(bool(dialog), kept);
        if (dialog)
            QVERIFY(!dialog->isVisible());
        QCOMPARE(folder->read("hatlap.bmp"), folder->read(inForce));
    }

    void spacePicksACombination() {
        open();
        click(at("Command6"));
        options* dialog = table->optionsWindow();
        activate(dialog);
        click(control<QPushButton>(dialog, "SSTab1_Tab2"));
        control<QLabel>(dialog, "Label12")->setFocus();
        press(Qt::Key_Space);
        QCOMPARE(control<controls::PictureBox>(dialog, "Picture4")
                     ->picture()
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32),
                 imageOfFile(folder->path("mdrill.jpg")));
        QVERIFY(dialog->isVisible());
    }

    // From the splash to the settlement and on to a new back, with keys only on the windows.
    void wholeGameByKeys() {
        QPointer<indit> splash = new indit;
        splash->show();
        splash->timer().stop();
        for (int tick = 1; tick <= 34; ++tick)
            splash->Timer1_Timer();
        QList<board*> tables;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<board*>(w))
                tables << b;
        QCOMPARE(tables.size(), 1);
        table = tables.first();
        table->setRandomSource(dealing("Kc 2d Kh 8s 3c Kd 9h"));
        activate(table);

        press(Qt::Key_Plus);
        press(Qt::Key_Plus, Qt::KeypadModifier); // x 5: the table shows its amounts
        QCOMPARE(at<QLabel>("Label5")->text(), QStringLiteral(" 240"));
        press(Qt::Key_Return); // the deal takes 10 more
        QCOMPARE(at<QLabel>("Label5")->text(), QStringLiteral(" 230"));
        QCOMPARE(at<QLabel>("Label1")->text(), QStringLiteral(" 10"));
        press(Qt::Key_2);
        press(Qt::Key_5, Qt::KeypadModifier);
        press(Qt::Key_Minus); // locked once a card is marked
        QCOMPARE(table->state().multiplier, 5);
        QCOMPARE(table->state().hand[1].mark, 'h');
        QCOMPARE(table->state().hand[4].mark, 'h');
        press(Qt::Key_Return); // Kd and 9h come in: three kings
        QCOMPARE(at<QGroupBox>("Frame1")->title(), QStringLiteral("Drill"));
        QCOMPARE(at<QLabel>("Label5")->text(), QStringLiteral(" 280"));
        QVERIFY(at<controls::FlexGrid>("MSFlexGrid1")->cellBold(7, 1));
        QVERIFY(!at("Command4")->isEnabled());
        QVERIFY(folder->missing.isEmpty());
    }
};

QTEST_MAIN(KeysTest)
#include "window_keys_test.moc"
