// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets: after each action the focused control's accessible name or
// description holds the outcome, and the accessibility events for the changed texts are raised.
// The test switches Qt's accessibility on as a screen reader does and listens to its updates.
#include "board.h"
#include "options.h"
#include "picture_box.h"
#include "test_support.h"
#include "ujra.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <optional>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// Every accessibility update, as "window/control type".
QStringList heard;

QString nameOf(QObject* object) {
    if (auto* w = qobject_cast<QWidget*>(object))
        return w->window()->objectName() + '/' + w->objectName();
    return object ? object->objectName() : QString();
}

void listen(QAccessibleEvent* event) {
    const char* type = nullptr;
    switch (event->type()) {
    case QAccessible::Focus:
        type = "focus";
        break;
    case QAccessible::NameChanged:
        type = "name";
        break;
    case QAccessible::DescriptionChanged:
        type = "description";
        break;
    case QAccessible::StateChanged:
        type = "state";
        break;
    default:
        return;
    }
    heard << nameOf(event->object()) + ' ' + QLatin1String(type);
}

QAccessibleInterface* accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

// "Enter", "+", "-" or a card number, sent to the focus of the active window; or
// "click:Control", a mouse click on a control of the active window.
void press(const QString& token) {
    if (token.startsWith("click:")) {
        click(control<QWidget>(QApplication::activeWindow(), token.mid(6)));
        return;
    }
    if (token == "T" || token == "Alt+K") {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : QApplication::activeWindow(),
                        token == "T" ? Qt::Key_T : Qt::Key_K,
                        token == "T" ? Qt::NoModifier : Qt::AltModifier);
        if (token != "T") // a button pressed by its letter clicks after a moment
            QTest::qWait(300);
        return;
    }
    int key = Qt::Key_Return;
    if (token == "+")
        key = Qt::Key_Plus;
    else if (token == "-")
        key = Qt::Key_Minus;
    else if (token != "Enter")
        key = Qt::Key_0 + token.toInt();
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), static_cast<Qt::Key>(key));
}

} // namespace

class SpeechTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;

    board& open(const QString& script) {
        table = shell::openTable(dealing(script));
        table->show();
        activate(table);
        return *table;
    }
    QString nameText(const char* control) const {
        return accessible(table->findChild<QWidget*>(control))->text(QAccessible::Name);
    }
    QString descriptionOf(const char* control) const {
        return accessible(table->findChild<QWidget*>(control))->text(QAccessible::Description);
    }

  private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(listen);
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }
    void init() {
        folder = std::make_unique<MediaFolder>();
        heard.clear();
    }
    void cleanup() { folder.reset(); }

    // The screen reader's own keys: Insert (its modifier) with a game key, the keypad's keys
    // while it is active, and any key that the screen reader takes when the accessibility
    // bridge's application event filter offers it (installed before the table's keys, or after
    // them as when a screen reader registers its listener later), leave the table as it was.
    void screenReadersKeysLeaveTheTableAlone_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("withInsert");
        QTest::addColumn<QString>("reader"); // "", "before" or "after" the table
        const int none = 0, alt = Qt::AltModifier, pad = Qt::KeypadModifier;
        QTest::newRow("Insert+T") << int(Qt::Key_T) << none << true << "";
        QTest::newRow("Insert+Enter") << int(Qt::Key_Return) << none << true << "";
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << pad << false << "";
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << pad << false << "";
        QTest::newRow("keypad 1") << int(Qt::Key_1) << pad << false << "";
        QTest::newRow("T taken, reader first") << int(Qt::Key_T) << none << false << "after";
        QTest::newRow("T taken, reader last") << int(Qt::Key_T) << none << false << "before";
        QTest::newRow("Enter taken") << int(Qt::Key_Return) << none << false << "after";
        QTest::newRow("1 taken") << int(Qt::Key_1) << none << false << "before";
        QTest::newRow("Alt+C taken") << int(Qt::Key_C) << alt << false << "after";
    }
    void screenReadersKeysLeaveTheTableAlone() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, withInsert);
        QFETCH(QString, reader);
        // As the bridge does with a key its screen reader keeps: the key press goes no further.
        struct TakesKeys : QObject {
            bool taking = false;
            bool eventFilter(QObject*, QEvent* event) override {
                return taking && event->type() == QEvent::KeyPress;
            }
        };
        std::optional<TakesKeys> screenReader;
        const auto listen = [&] {
            screenReader.emplace();
            qApp->installEventFilter(&*screenReader);
        };
        if (reader == "before")
            listen();
        open("2c 2d 9h Js Kc 3c 4d 6s");
        if (reader == "after")
            listen();
        press("Enter");
        const auto state = [this] {
            QString marks;
            for (const auto& pos : table->state().hand)
                marks += QLatin1Char(pos.mark);
            return QStringList{marks, nameText("Label5"),
                               QString::number(table->state().multiplier),
                               QString::number(control<QWidget>(table, "Command4")->isEnabled())};
        };
        const QStringList before = state();
        QWidget* focus = QApplication::focusWidget();
        if (screenReader)
            screenReader->taking = true;
        if (withInsert) {
            QTest::keyPress(focus, Qt::Key_Insert);
            QTest::keyClick(focus, static_cast<Qt::Key>(key));
            QTest::keyRelease(focus, Qt::Key_Insert);
        } else {
            QTest::keyClick(focus, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        }
        QTest::qWait(modifiers & Qt::AltModifier ? 300 : 0); // a button's letter clicks later
        QCOMPARE(state(), before);
        // Keys the screen reader leaves, and without Insert the main-row keys, still play.
        screenReader.reset();
        press("1");
        QCOMPARE(table->state().hand[0].mark, 'h');
    }

    void focusedControlTellsTheOutcome_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("keys"); // the last one is the action heard
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("events");
        const QStringList money = {"board/Label5 name", "board/Label1 name"};
        QTest::newRow("deal") << "2c 2d 9h Js Kc"
                              << "Enter"
                              << "Command4"
                              << "Csere"
                              << "Osztás, treff kettes, káró kettes, kőr kilences, pikk bubi, "
                                 "treff király. Tét 2 Ft, összeg 248 Ft"
                              << money + QStringList{
                                             "board/Picture1_0 name", "board/Picture1_4 name",
                                             "board/Command4 description", "board/Command4 focus"};
        QTest::newRow("pair") << "2c 2d 9h Js Kc"
                              << "Enter Enter"
                              << "Command1"
                              << "Keverés"
                              << "Egy pár, nyeremény 2 Ft, összeg 250 Ft. Lapok, treff kettes, "
                                 "káró kettes, kőr kilences, pikk bubi, treff király"
                              << money + QStringList{"board/MSFlexGrid1 description",
                                                     "board/Command1 description",
                                                     "board/Command1 focus"};
        QTest::newRow("Csere clicked") << "2c 2d 9h Js Kc"
                                       << "Enter click:Command4"
                                       << "Command1"
                                       << "Keverés"
                                       << "Egy pár, nyeremény 2 Ft, összeg 250 Ft. Lapok, treff "
                                          "kettes, káró kettes, kőr kilences, pikk bubi, treff "
                                          "király"
                                       << QStringList{"board/Command1 focus"};
        QTest::newRow("nothing") << "2c 5d 9h Js Kc"
                                 << "Enter Enter"
                                 << "Command1"
                                 << "Keverés"
                                 << "Semmi, nincs nyeremény, összeg 248 Ft. Lapok, treff kettes, "
                                    "káró ötös, kőr kilences, pikk bubi, treff király"
                                 << QStringList{"board/Label1 name", "board/Command1 description",
                                                "board/Command1 focus"};
        QTest::newRow("full house drawn at x 5")
            << "Kc Kd Kh 2s 8c 8s"
            << "+ + Enter 4 Enter"
            << "Command1"
            << "Keverés"
            << "Full, nyeremény 310 Ft, összeg 540 Ft. Lapok, treff király, káró király, "
               "kőr király, pikk nyolcas, treff nyolcas"
            << money + QStringList{"board/Picture1_3 name", "board/Command1 description",
                                   "board/Command1 focus"};
        QTest::newRow("+ after the deal")
            << "2c 2d 9h Js Kc"
            << "Enter +"
            << "command3_1"
            << "x 2"
            << "Tét 4 Ft, összeg 244 Ft"
            << money + QStringList{"board/MSFlexGrid1 description", "board/command3_1 description",
                                   "board/command3_1 focus"};
        QTest::newRow("- after a deal at x 5")
            << "2c 2d 9h Js Kc"
            << "+ + Enter -"
            << "command3_1"
            << "x 2"
            << "Tét 4 Ft, összeg 226 Ft" << money + QStringList{"board/command3_1 focus"};
        QTest::newRow("marking key")
            << "2c 2d 9h Js Kc"
            << "Enter 3"
            << "Picture1_2"
            << "3. lap, kőr kilences, cserére jelölve"
            << "" << QStringList{"board/Picture1_2 focus", "board/Picture1_2 name"};
        // A change to the control that has the focus is read as a new focus.
        QTest::newRow("unmarking key")
            << "2c 2d 9h Js Kc"
            << "Enter 3 3"
            << "Picture1_2"
            << "3. lap, kőr kilences"
            << "" << QStringList{"board/Picture1_2 name", "board/Picture1_2 focus"};
        QTest::newRow("deal again on Csere")
            << "2c 2d 9h Js Kc 3h 4h 5s 6s 7s"
            << "Enter Alt+K"
            << "Command4"
            << "Csere"
            << "Osztás, kőr hármas, kőr négyes, pikk ötös, pikk hatos, pikk hetes. Tét 2 Ft, "
               "összeg 246 Ft"
            << QStringList{"board/Command4 description", "board/Command4 focus"};
        QTest::newRow("tip on Csere")
            << "2c 2d 9h Js Kc"
            << "Enter T"
            << "Command4"
            << "Csere"
            << "Tipp. Tartsd meg ezeket, treff kettes, káró kettes. A többi cserére jelölve."
            << QStringList{"board/Command4 description", "board/Command4 focus"};
    }
    void focusedControlTellsTheOutcome() {
        QFETCH(QString, script);
        QFETCH(QString, keys);
        QFETCH(QString, focus);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QStringList, events);
        open(script);
        QStringList tokens = keys.split(' ');
        const QString last = tokens.takeLast();
        for (const QString& token : tokens)
            press(token);
        heard.clear();
        press(last);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        QCOMPARE(focused->objectName(), focus);
        QCOMPARE(accessible(focused)->text(QAccessible::Name), name);
        QCOMPARE(accessible(focused)->text(QAccessible::Description), description);
        for (const QString& event : events)
            QVERIFY2(heard.contains(event), qPrintable(event + " not in " + heard.join(", ")));
        // The focus goes straight there, past no other control on the way.
        for (const QString& event : heard)
            if (event.endsWith(" focus"))
                QVERIFY2(event == "board/board focus" || event == "board/" + focus + " focus",
                         qPrintable(heard.join(", ")));
    }

    void restartDialogAsksWithItsFocus() {
        open("As Kd 0h 2c 7s");
        control<QLabel>(table, "Label5")->setText(" 2");
        press("Enter");
        ujra* dialog = shell::restartDialogOf(table);
        QVERIFY(dialog);
        QVERIFY(becomesActive(dialog));
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(nameOf(focused), QStringLiteral("ujra/Command1"));
        QCOMPARE(accessible(focused)->text(QAccessible::Name), QStringLiteral("Igen"));
        QVERIFY(heard.contains("ujra/Command1 focus"));
        QAccessibleInterface* window = accessible(dialog);
        QCOMPARE(window->role(), QAccessible::Dialog);
        // The question is the dialog's text, read with it once: not again with the button.
        QCOMPARE(accessible(control<QLabel>(dialog, "Label1"))->text(QAccessible::Name),
                 QStringLiteral("Elfogyott a pénzed. Akarod újrakezdeni?"));
        QVERIFY(accessible(focused)->text(QAccessible::Description).isEmpty());
        QVERIFY(window->text(QAccessible::Description).isEmpty());
        QCOMPARE(accessible(table)->role(), QAccessible::Window);
        // "Igen": back on the table, "Keverés" tells the fresh balance.
        press("Enter");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        activate(table);
        focused = QApplication::focusWidget();
        QCOMPARE(nameOf(focused), QStringLiteral("board/Command1"));
        QCOMPARE(accessible(focused)->text(QAccessible::Description),
                 QStringLiteral("Újrakezdés, összeg 250 Ft"));
    }

    // Space picks a back or a combination; the focused control tells that it is the one picked.
    void pickIsToldOnTheFocusedControl_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("card backs") << 0 << "Picture1_2"
                                    << "Picture1_6";
        QTest::newRow("combinations") << 2 << "Label8"
                                      << "Label14";
    }
    void pickIsToldOnTheFocusedControl() {
        QFETCH(int, page);
        QFETCH(QString, first);
        QFETCH(QString, second);
        open("As Kd 0h 2c 7s");
        click(control<QPushButton>(table, "Command6"));
        options* dialog = table->optionsWindow();
        QVERIFY(becomesActive(dialog));
        QCOMPARE(accessible(dialog)->role(), QAccessible::Dialog);
        click(control<QPushButton>(dialog, QStringLiteral("SSTab1_Tab%1").arg(page)));
        for (const QString& name : {first, second}) {
            QWidget* w = control<QWidget>(dialog, name);
            w->setFocus();
            heard.clear();
            QTest::keyClick(w, Qt::Key_Space);
            QCOMPARE(accessible(w)->text(QAccessible::Description), QStringLiteral("kiválasztva"));
            QVERIFY2(heard.contains("options/" + name + " description"),
                     qPrintable(heard.join(", ")));
        }
        QCOMPARE(accessible(control<QWidget>(dialog, first))->text(QAccessible::Description),
                 QString());
    }

    void moneyBoxesReadWithCaptionAndUnit() {
        open("2c 5d 9h Js Kc");
        QCOMPARE(nameText("Label5"), QStringLiteral("Összeg 250 Ft"));
        QCOMPARE(nameText("Label1"), QStringLiteral("Tét 2 Ft"));
        press("+");
        press("+");
        QCOMPARE(nameText("Label5"), QStringLiteral("Összeg 240 Ft"));
        QCOMPARE(nameText("Label1"), QStringLiteral("Tét 10 Ft"));
        press("Enter");
        press("Enter");
        QCOMPARE(nameText("Label1"), QStringLiteral("Tét nincs"));
        control<QLabel>(table, "Label5")->setText("-6");
        QCOMPARE(nameText("Label5"), QStringLiteral("Összeg mínusz 6 Ft"));
        QVERIFY(heard.contains("board/Label5 name"));
    }

    void payoutTableTellsAmountsAndThePaidRow() {
        open("2c 2d 9h Js Kc 3c 5d 9h Js Kc");
        QCOMPARE(descriptionOf("MSFlexGrid1"),
                 QStringLiteral(
                     "Nyeremények x 1 szorzóval. Royal Flös 1000 Ft, Flös 250 Ft, Póker 100 Ft, "
                     "Full 50 Ft, Színflös 25 Ft, Sor 20 Ft, Drill 10 Ft, Két pár 5 Ft, "
                     "Pár 2 Ft."));
        press("+");
        press("+");
        press("Enter");
        press("Enter");
        QCOMPARE(
            descriptionOf("MSFlexGrid1"),
            QStringLiteral("Nyeremények x 5 szorzóval. Royal Flös 5000 Ft, Flös 1250 Ft, Póker 500 "
                           "Ft, Full 250 Ft, Színflös 125 Ft, Sor 100 Ft, Drill 50 Ft, Két "
                           "pár 25 Ft, Pár 10 Ft. Nyert Pár 10 Ft."));
        press("Enter"); // the next deal clears the paid row
        QVERIFY(descriptionOf("MSFlexGrid1").endsWith("Pár 10 Ft."));
    }

    void pictureBoxesReadAsButtonsWhenClickable_data() {
        QTest::addColumn<bool>("inOptions");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("card box") << false << "Picture1_0" << int(QAccessible::Button)
                                  << "1. lap, üres kártyahely";
        QTest::newRow("reward picture") << false << "Picture2" << int(QAccessible::Graphic)
                                        << "Jutalomkép, Sok szerencsét, egy royal flös";
        QTest::newRow("first back")
            << true << "Picture1_0" << int(QAccessible::Button) << "Hátlap, Standard kék";
        QTest::newRow("last back")
            << true << "Picture1_7" << int(QAccessible::Button) << "Hátlap, Névjegy";
        QTest::newRow("combination picture")
            << true << "Picture4" << int(QAccessible::Graphic) << "A kombináció képe";
    }
    void pictureBoxesReadAsButtonsWhenClickable() {
        QFETCH(bool, inOptions);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        open("As Kd 0h 2c 7s");
        QWidget* window = inOptions ? static_cast<QWidget*>(table->optionsWindow()) : table;
        QAccessibleInterface* a = accessible(::control<QWidget>(window, control));
        QCOMPARE(int(a->role()), role);
        QCOMPARE(a->text(QAccessible::Name), name);
        QCOMPARE(
            a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
            role == QAccessible::Button);
    }

    // The options dialog opens on the tab of the page it shows; tabs read as selected or not.
    void pageTabsTellWhichPageShows() {
        open("As Kd 0h 2c 7s");
        click(control<QPushButton>(table, "Command6"));
        options* dialog = table->optionsWindow();
        QVERIFY(becomesActive(dialog));
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(nameOf(focused), QStringLiteral("options/SSTab1_Tab4"));
        QAccessibleInterface* about = accessible(focused);
        QCOMPARE(about->role(), QAccessible::PageTab);
        QCOMPARE(about->text(QAccessible::Name), QStringLiteral("Névjegy"));
        QCOMPARE(about->text(QAccessible::Description), QStringLiteral("5. lap, összesen 5"));
        QVERIFY(about->state().selected);
        QAccessibleInterface* backs = accessible(control<QWidget>(dialog, "SSTab1_Tab0"));
        QVERIFY(!backs->state().selected);
        heard.clear();
        QTest::keyClick(focused, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(backs->state().selected);
        QVERIFY(!about->state().selected);
        for (const char* event : {"options/SSTab1_Tab4 state", "options/SSTab1_Tab0 state",
                                  "options/SSTab1_Tab0 focus"})
            QVERIFY2(heard.contains(event), qPrintable(heard.join(", ")));
    }

    // A screen reader's press action clicks a card as the mouse does, only while it is enabled.
    void pressActionMarksACard() {
        open("Kc Kd Kh 8s 8c");
        press("Enter");
        QAccessibleActionInterface* card =
            accessible(::control<QWidget>(table, "Picture1_1"))->actionInterface();
        card->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(table->state().hand[1].mark, 'h');
        QCOMPARE(nameText("Picture1_1"), QStringLiteral("2. lap, káró király, cserére jelölve"));
        card->doAction(QAccessibleActionInterface::pressAction());
        press("Enter");
        card->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(table->state().hand[1].mark, 'k');
    }
};

QTEST_MAIN(SpeechTest)
#include "window_speech_test.moc"
