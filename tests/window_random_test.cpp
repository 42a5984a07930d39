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
        table = new board(std::make_unique<SeededRandom>(static_cast<std::uint32_t>(pick())));
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

    void tableAction() {
        const int what = below(20);
        const bool key = below(4) == 0;
        if (what < 5) { // "Keverés"
            auto* b = control<QPushButton>(table, "Command1");
            const bool takes = b->isEnabled();
            trail << QStringLiteral("deal");
            press(b, key);
            if (takes) {
                ++deals;
                expected -= kartavo::baseStake * multiplier;
                afterDeal = expected;
                dealt = true;
                if (expected <= 0)
                    dialogShownAt = now;
                if ((expected <= 0) != static_cast<bool>(table->restartDialog()))
                    fault = QStringLiteral("a deal to a balance of %1 and %2 restart dialog")
                                .arg(expected)
                                .arg(table->restartDialog() ? "a" : "no");
            }
        } else if (what < 10) { // a card
            const int i = below(5);
            trail << QStringLiteral("card %1").arg(i);
            mouse(control<controls::PictureBox>(table, QStringLiteral("Picture1_%1").arg(i)));
        } else if (what < 13) { // "Csere"
            auto* b = control<QPushButton>(table, "Command4");
            const bool takes = b->isEnabled();
            trail << QStringLiteral("exchange");
            press(b, key);
            if (takes) {
                ++exchanges;
                std::array<std::string, 5> cards;
                for (int p = 0; p < 5; ++p)
                    cards[p] = table->state().hand[p].card;
                for (kartavo::Category c : kartavo::evaluateHand(cards))
                    if (c != kartavo::Category::Nothing)
                        expected += static_cast<std::int32_t>(kartavo::readNumber(
                            kartavo::payoutAmountText(kartavo::payoutRow(c), multiplier)));
            }
        } else if (what < 16) { // "x 1" .. "x 10"
            const int i = below(4);
            auto* b = control<QPushButton>(table, QStringLiteral("command3_%1").arg(i));
            const bool takes = b->isEnabled();
            trail << QStringLiteral("x%1").arg(kartavo::multiplierOfButton(i));
            press(b, key);
            if (takes) {
                multiplier = kartavo::multiplierOfButton(i);
                expected = afterDeal - kartavo::baseStake * multiplier;
            }
        } else if (what < 18) { // "Beállítások"
            trail << QStringLiteral("options");
            press(control<QPushButton>(table, "Command6"), key);
        } else if (what < 19 && below(2) == 0) {
            clickInert(table, {"Picture2", "Picture3", "MSFlexGrid1", "Label5", "Label1", "Frame1",
                               "Frame2", "Frame3"});
        } else if (what < 19) { // keys that move the focus, and the tip (T), which marks cards
            const Qt::Key keys[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right,
                                    Qt::Key_Return, Qt::Key_Escape,  Qt::Key_A,    Qt::Key_T};
            const Qt::Key k = keys[below(8)];
            trail << QStringLiteral("key %1 on the table").arg(k);
            QTest::keyClick(table, k);
        } else if (below(10) == 0) { // "Kilépés" or the close box: the program ends
            auto* b = control<QPushButton>(table, "Command2");
            const bool ends = b->isEnabled();
            trail << QStringLiteral("exit");
            if (below(2) == 0 && ends)
                press(b, key);
            else if (ends)
                table->close();
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
            const bool onYes = dialog->focusWidget() == control<QPushButton>(dialog, "Command1");
            trail << QStringLiteral("Return");
            QTest::keyClick(dialog, Qt::Key_Return);
            yes = onYes;
            no = !onYes && dialog->focusWidget() == control<QPushButton>(dialog, "Command2");
        } else if (below(2) == 0) {
            trail << QStringLiteral("Escape");
            QTest::keyClick(dialog, Qt::Key_Escape);
            no = true;
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
        if (!table->isEnabled() && !(table->restartDialog() && table->restartDialog()->isVisible()))
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
            } else if (ujra* restart = table->restartDialog()) {
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
