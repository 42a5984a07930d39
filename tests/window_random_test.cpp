// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded stream of random clicks and keys on every control of every window, checked
// after every step: the table never stuck, the balance always the sum of what was staked and
// won, the hand five distinct cards, the card back always a whole design. The number of steps
// and the seed come from KARTAVO_RANDOM_STEPS and KARTAVO_RANDOM_SEED.
#include "board.h"
#include "evaluation.h"
#include "number_text.h"
#include "options.h"
#include "payout_table.h"
#include "picture_box.h"
#include "test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>
#include <random>
#include <set>

namespace {

// Deals from a seeded generator, so that a failing run can be repeated.
class SeededRandom final : public kartavo::RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    void reseedFromClock() override {}
    float uniform() override { return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_); }

  private:
    std::mt19937 engine_;
};

int environmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class RandomInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    std::mt19937 pick;
    QPointer<board> table;
    qint64 now = 0; // the restart dialog's clock
    qint64 dialogShownAt = 0;
    // What the balance must be: 250, less every stake, plus every payout.
    std::int32_t expected = 0;
    std::int32_t afterDeal = 0;
    std::int32_t multiplier = 1;
    bool dealt = false;
    QList<QByteArray> designs;
    QStringList trail; // the latest actions, for the report of a failure
    QString fault;     // what an action found wrong at once
    int runs = 0, deals = 0, restarts = 0, exchanges = 0;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick); }

    void startRun() {
        table =
            shell::openTable(std::make_unique<SeededRandom>(static_cast<std::uint32_t>(pick())));
        table->show();
        expected = afterDeal = kartavo::startBalance;
        multiplier = 1;
        dealt = false;
        ++runs;
    }
    // What the event loop does between two actions of the player: repaints, layouts, and the
    // deletion of closed windows. Without it the queue of posted events grows without end.
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A mouse click, half the time sent to the control and half the time through its window at
    // the control's place, where whatever lies there takes it.
    void mouse(QWidget* w) {
        if (below(2) == 0 || !w->isVisible())
            click(w);
        else
            QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
                              w->mapTo(w->window(), w->rect().center()));
    }
    // A click, or the space key on a control that takes the focus.
    void press(QWidget* w, bool key) {
        if (key)
            QTest::keyClick(w, Qt::Key_Space);
        else
            mouse(w);
    }
    // A click on a control that does nothing when clicked; nothing must change.
    void clickInert(QWidget* window, QStringList names) {
        const QString name = names[below(static_cast<int>(names.size()))];
        trail << QStringLiteral("click on %1").arg(name);
        auto* w = control<QWidget>(window, name);
        if (w->isVisible())
            mouse(w);
    }

    // A key of the table's own, pressed with the table the active window as a player's would
    // be; false when the table cannot be made active, and then no key is sent.
    bool tableKey(const QKeySequence& keys) {
        if (!activate(table))
            return false;
        QTest::keySequence(table, keys);
        return true;
    }
    // Keys go to the active window, and the shortcuts of the active window take them first.
    static bool activate(QWidget* window) {
        window->activateWindow();
        QCoreApplication::processEvents();
        return QApplication::activeWindow() == window;
    }
    // Presses the button by one of the ways the table offers: a click, the space key on it, or
    // one of its keys. Returns whether the button took it (it is enabled and the key came).
    bool pressButton(const char* name, const QList<QKeySequence>& keys) {
        auto* b = control<QPushButton>(table, name);
        const bool enabled = b->isEnabled();
        const int way = below(static_cast<int>(keys.size()) + 2);
        if (way < 2) {
            trail << QStringLiteral("%1 by %2").arg(name, way == 0 ? "mouse" : "space");
            press(b, way == 1);
            return enabled;
        }
        const QKeySequence& k = keys[way - 2];
        // Alt and a letter presses the button the way Qt animates it, a tenth of a second
        // later; it is used now and then, or the run would mostly wait.
        const bool mnemonic = k[0].keyboardModifiers() & Qt::AltModifier;
        if (mnemonic && below(5) != 0) {
            trail << QStringLiteral("%1 by mouse").arg(name);
            mouse(b);
            return enabled;
        }
        trail << QStringLiteral("%1 by %2").arg(name, k.toString());
        if (!tableKey(k))
            return false;
        // "Kilépés" deletes the table, and the button with it, while the test waits.
        const QPointer<QPushButton> watched = b;
        if (mnemonic &&
            !QTest::qWaitFor([watched] { return !watched || !watched->isDown(); }, 1000))
            fault = QStringLiteral("%1 stays down after its key").arg(name);
        return enabled;
    }

    void deal() {
        ++deals;
        expected -= kartavo::baseStake * multiplier;
        afterDeal = expected;
        dealt = true;
        if (expected <= 0)
            dialogShownAt = now;
        if ((expected <= 0) != static_cast<bool>(shell::restartDialogOf(table)))
            fault = QStringLiteral("a deal to a balance of %1 and %2 restart dialog")
                        .arg(expected)
                        .arg(shell::restartDialogOf(table) ? "a" : "no");
    }
    void exchange() {
        ++exchanges;
        std::array<std::string, 5> cards;
        for (int p = 0; p < 5; ++p)
            cards[p] = table->state().hand[p].card;
        for (kartavo::Category c : kartavo::evaluateHand(cards))
            if (c != kartavo::Category::Nothing)
                expected += static_cast<std::int32_t>(kartavo::readNumber(
                    kartavo::payoutAmountText(kartavo::payoutRow(c), multiplier)));
    }
    void setMultiplier(int button) {
        multiplier = kartavo::multiplierOfButton(button);
        expected = afterDeal - kartavo::baseStake * multiplier;
    }

    void tableAction() {
        const int what = below(20);
        // Enter exchanges while "Csere" can, and deals otherwise.
        const bool enterExchanges = control<QPushButton>(table, "Command4")->isEnabled();
        const QKeySequence enter(Qt::Key_Return);
        if (what < 5) { // "Keverés"
            if (pressButton("Command1", enterExchanges
                                            ? QList{QKeySequence(Qt::ALT | Qt::Key_K)}
                                            : QList{QKeySequence(Qt::ALT | Qt::Key_K), enter}))
                deal();
        } else if (what < 10) { // a card, clicked or by its number key
            const int i = below(5);
            auto* box = control<controls::PictureBox>(table, QStringLiteral("Picture1_%1").arg(i));
            trail << QStringLiteral("card %1").arg(i);
            if (below(3) == 0)
                tableKey(QKeySequence(Qt::Key_1 + i));
            else
                mouse(box);
        } else if (what < 13) { // "Csere"
            if (pressButton("Command4", enterExchanges
                                            ? QList{QKeySequence(Qt::ALT | Qt::Key_C), enter}
                                            : QList{QKeySequence(Qt::ALT | Qt::Key_C)}))
                exchange();
        } else if (what < 15) { // "x 1" .. "x 10"
            const int i = below(4);
            const QByteArray name = "command3_" + QByteArray::number(i);
            if (pressButton(name.constData(), {}))
                setMultiplier(i);
        } else if (what < 16) { // + and - step the multiplier
            const int by = below(2) == 0 ? 1 : -1;
            const int next = kartavo::buttonOfMultiplier(multiplier) + by;
            const bool enabled =
                next >= 0 && next <= 3 &&
                control<QPushButton>(table, QStringLiteral("command3_%1").arg(next))->isEnabled();
            trail << QString::fromLatin1(by > 0 ? "+" : "-");
            if (tableKey(QKeySequence(by > 0 ? Qt::Key_Plus : Qt::Key_Minus)) && enabled)
                setMultiplier(next);
        } else if (what < 18) { // "Beállítások"
            pressButton("Command6", {QKeySequence(Qt::ALT | Qt::Key_B)});
        } else if (what < 19 && below(2) == 0) {
            clickInert(table, {"Picture2", "Picture3", "MSFlexGrid1", "Label5", "Label1", "Frame1",
                               "Frame2", "Frame3"});
        } else if (what < 19) { // keys that move the focus, and the tip (T), which marks cards
            const Qt::Key keys[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right,
                                    Qt::Key_Escape, Qt::Key_A,       Qt::Key_T};
            const Qt::Key k = keys[below(7)];
            trail << QStringLiteral("key %1 on the table").arg(k);
            if (activate(table))
                QTest::keyClick(table, k);
        } else if (below(10) == 0) { // "Kilépés", its keys, or the close box: the program ends
            bool ends = false;
            if (below(3) == 0) {
                ends = table->isEnabled();
                trail << QStringLiteral("close box");
                if (ends)
                    table->close();
            } else {
                ends = pressButton("Command2", {QKeySequence(Qt::ALT | Qt::Key_L),
                                                QKeySequence(Qt::CTRL | Qt::Key_Q)});
            }
            settle();
            if (ends && table)
                fault = QStringLiteral("the table outlived its exit");
        }
    }

    void optionsAction(options* dialog) {
        const int what = below(12);
        trail << QStringLiteral("options %1").arg(what);
        if (what < 3) {
            mouse(control<QPushButton>(dialog, QStringLiteral("SSTab1_Tab%1").arg(below(5))));
        } else if (what < 5) {
            auto* back =
                control<controls::PictureBox>(dialog, QStringLiteral("Picture1_%1").arg(below(8)));
            if (back->isVisible())
                mouse(back);
        } else if (what < 7) {
            const char* names[] = {"Label3",  "Label7",  "Label8",  "Label9", "Label10",
                                   "Label11", "Label12", "Label13", "Label14"};
            auto* label = control<QLabel>(dialog, names[below(9)]);
            if (label->isVisible())
                mouse(label);
        } else if (what < 8) {
            for (const char* name : {"Check1", "Check2"}) {
                auto* box = control<QCheckBox>(dialog, name);
                if (box->isVisible() && below(2) == 0)
                    press(box, below(2) == 0);
            }
        } else if (what < 9) {
            press(control<QPushButton>(dialog, "Command1"), below(2) == 0); // OK
        } else if (what < 10) {
            press(control<QPushButton>(dialog, "Command2"), below(2) == 0); // "Mégsem"
        } else if (what < 11) {
            dialog->close(); // the close box
        } else if (below(2) == 0) {
            const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space};
            if (activate(dialog))
                QTest::keyClick(dialog, keys[below(4)]);
        } else {
            clickInert(dialog, {"Picture2", "Picture3", "Picture4", "Label1", "Label2", "Label4",
                                "Label5", "Label6", "Frame1", "Frame3"});
        }
        settle();
    }

    void restartAction(ujra* dialog) {
        const int what = below(7);
        const bool clickCounts = now - dialogShownAt >= ujra::clickGuardMilliseconds;
        QPointer<ujra> open = dialog;
        bool yes = false, no = false;
        if (what < 2) {
            trail << QStringLiteral("Igen after %1 ms").arg(now - dialogShownAt);
            mouse(control<QPushButton>(dialog, "Command1"));
            yes = clickCounts;
        } else if (what < 4) {
            trail << QStringLiteral("Nem after %1 ms").arg(now - dialogShownAt);
            mouse(control<QPushButton>(dialog, "Command2"));
            no = clickCounts;
        } else if (what < 5) {
            clickInert(dialog, {"Picture1", "Label1", "Frame1"});
        } else if (what < 6) {
            // Return answers with the button that has the focus.
            trail << QStringLiteral("Return");
            if (activate(dialog)) {
                QWidget* focused = dialog->focusWidget();
                yes = focused == control<QPushButton>(dialog, "Command1");
                no = focused == control<QPushButton>(dialog, "Command2");
                QTest::keyClick(dialog, Qt::Key_Return);
            }
        } else if (below(2) == 0) {
            trail << QStringLiteral("Escape");
            if (activate(dialog)) {
                QTest::keyClick(dialog, Qt::Key_Escape);
                no = true;
            }
        } else {
            trail << QStringLiteral("close box");
            dialog->close();
            no = true;
        }
        settle();
        if (yes) {
            ++restarts;
            expected = afterDeal = kartavo::startBalance;
        }
        if ((yes || no) == static_cast<bool>(open))
            fault = QStringLiteral("the restart dialog is %1 after that")
                        .arg(open ? "still open" : "gone");
    }

    // Empty when everything holds, else what does not.
    QString brokenRule() const {
        if (!fault.isEmpty())
            return fault;
        if (!table)
            return {};
        if (!table->isEnabled() &&
            !(shell::restartDialogOf(table) && shell::restartDialogOf(table)->isVisible()))
            return QStringLiteral("the table is disabled with no restart dialog open");
        const QString balance = control<QLabel>(table, "Label5")->text();
        static const QRegularExpression number(QStringLiteral("^[ -]?[0-9]+$"));
        if (!number.match(balance).hasMatch())
            return QStringLiteral("the balance reads \"%1\"").arg(balance);
        if (kartavo::readNumber(balance.toStdString()) != expected)
            return QStringLiteral("the balance is %1, not %2").arg(balance).arg(expected);
        if (dealt) {
            std::set<std::string> cards;
            for (const board::HandPosition& pos : table->state().hand)
                if (!pos.card.empty())
                    cards.insert(pos.card);
            if (cards.size() != 5)
                return QStringLiteral("the hand holds %1 distinct cards").arg(cards.size());
            if (table->state().deck.dealtCount() != 5)
                return QStringLiteral("the deck has %1 cards dealt")
                    .arg(table->state().deck.dealtCount());
        }
        if (!designs.contains(folder->read("hatlap.bmp")))
            return QStringLiteral("hatlap.bmp is none of the designs");
        return {};
    }

  private slots:
    void init() { folder = std::make_unique<MediaFolder>(); }
    void cleanup() { folder.reset(); }

    void randomInputKeepsTheGameWhole() {
        const int steps = environmentNumber("KARTAVO_RANDOM_STEPS", 4000);
        const auto seed = static_cast<std::uint32_t>(environmentNumber("KARTAVO_RANDOM_SEED", 13));
        pick.seed(seed);
        for (int d = 0; d < 8; ++d)
            designs << folder->read(QStringLiteral("hat%1.bmp").arg(d));
        // Silent and quick: without sound files every sound is asked for and none is played.
        for (const QString& wav : QDir(folder->path(".")).entryList({"*.wav"}))
            QFile::remove(folder->path(wav));
        const ujra::Clock previous = ujra::setClock([this] { return now; });
        startRun();
        for (int step = 0; step < steps; ++step) {
            now += below(700);
            settle();
            if (!table) {
                startRun();
            } else if (ujra* restart = shell::restartDialogOf(table)) {
                if (below(4) == 0)
                    tableAction(); // the table behind the dialog takes nothing
                else
                    restartAction(restart);
            } else if (options* dialog = table->optionsWindow();
                       dialog && dialog->isVisible() && below(2) == 0) {
                optionsAction(dialog);
            } else {
                tableAction();
            }
            if (trail.size() > 20)
                trail.removeFirst();
            const QString broken = brokenRule();
            if (!broken.isEmpty()) {
                ujra::setClock(previous);
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\nlatest actions: %4")
                                     .arg(seed)
                                     .arg(step)
                                     .arg(broken, trail.join(QStringLiteral(", ")))));
            }
        }
        ujra::setClock(previous);
        qInfo("%d steps: %d runs, %d deals, %d exchanges, %d restarts", steps, runs, deals,
              exchanges, restarts);
        QVERIFY(deals > 0 && exchanges > 0);
    }
};

QTEST_MAIN(RandomInputTest)
#include "window_random_test.moc"
