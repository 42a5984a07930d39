// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer in the game: Tipp, the table's context menu, the analysis window, the session's
// figures and the balance chart, driven through the table with seeded deals.
#include "analysis_window.h"
#include "balance_chart.h"
#include "board.h"
#include "exchange_warning.h"
#include "hands.h"
#include "options.h"
#include "picture_box.h"
#include "strategy_service.h"
#include "test_support.h"
#include "trainer.h"
#include "trainer_words.h"
#include "window_place.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <memory>

using kartavo::Hand;

namespace {

QString plain(QString caption) {
    return caption.remove('&');
}

} // namespace

class TrainerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;

    board& open(const QString& script) {
        table = shell::openTable(dealing(script));
        table->show();
        activate(table);
        return *table;
    }
    board& twin(const QString& script) { return *shell::openTable(dealing(script)); }
    static QPushButton* button(const board* t, const QString& name) {
        return control<QPushButton>(t, name);
    }
    static controls::PictureBox* card(const board* t, int i) {
        return control<controls::PictureBox>(t, QStringLiteral("Picture1_%1").arg(i));
    }
    static QString marks(const board* t) {
        QString m;
        for (const auto& pos : const_cast<board*>(t)->state().hand)
            m += QLatin1Char(pos.mark);
        return m;
    }
    static bool multipliersEnabled(const board* t) { return button(t, "command3_0")->isEnabled(); }
    // Everything a handler can change on the table, in one line.
    static QString snapshot(board* t) {
        QStringList s{control<QLabel>(t, "Label5")->text(), control<QLabel>(t, "Label1")->text(),
                      marks(t), control<QGroupBox>(t, "Frame1")->title()};
        for (const char* name : {"Command1", "Command4", "command3_0", "command3_3"})
            s << QString::number(button(t, name)->isEnabled());
        for (int i = 0; i < 5; ++i)
            s << QString::number(card(t, i)->isEnabled()) +
                     QFileInfo(
                         QString::fromStdString(t->state().hand[static_cast<std::size_t>(i)].card))
                         .fileName();
        s << QString::number(t->isVisible());
        s << QString::number(t->optionsWindow() && t->optionsWindow()->isVisible());
        return s.join('|');
    }
    // The question before a costly exchange while it shows, else null.
    static trainer::ExchangeWarning* question() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* q = qobject_cast<trainer::ExchangeWarning*>(w); q && q->isVisible())
                return q;
        return nullptr;
    }
    trainer::AnalysisWindow* analysis() const { return shell::trainerOf(table)->window(); }
    QString holdRow(int row, int column) const {
        return control<QTableWidget>(analysis(), "Grid1")->item(row, column)->text();
    }
    QString figure(int row) const {
        return control<QTableWidget>(analysis(), "Grid2")->item(row, 1)->text();
    }

  private slots:
    // What a screen reader is given of a chart line: no bracket, and no rank in figures with a
    // suffix, which a synthesizer reads with a minus sign ("2 minusz es").
    void chartWordsAreSpeakable_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("deuces") << "Egy 2-es: 4 lap színsorhoz"
                                << "Egy kettes: 4 lap színsorhoz";
        QTest::newRow("range") << "Alacsony pár (2-estől 10-esig)"
                               << "Alacsony pár, kettestől tízesig";
        QTest::newRow("kicker") << "kísérő: 3-as vagy 5-ös"
                                << "kísérő: hármas vagy ötös";
        QTest::newRow("plural") << "csak a 2-esek"
                                << "csak a kettesek";
        QTest::newRow("no rank") << "11-es, x 10"
                                 << "11-es, x 10";
    }
    void chartWordsAreSpeakable() {
        QFETCH(QString, written);
        QFETCH(QString, spoken);
        QCOMPARE(trainer::Words::spoken(written), spoken);
    }

    void initTestCase() { StrategyService::instance().waitUntilReady(); }
    void init() { folder = std::make_unique<MediaFolder>(); }
    void cleanup() { folder.reset(); }

    void tipMarksWhatTheBestHoldExchanges_data() {
        QTest::addColumn<QString>("dealt");
        QTest::addColumn<QString>("before"); // cards the player marked first
        QTest::addColumn<QString>("after");
        QTest::newRow("pat straight") << "5c 6d 7h 8s 9c"
                                      << ""
                                      << "kkkkk";
        QTest::newRow("four to a flush") << "2h 5h 9h Jh Kc"
                                         << ""
                                         << "kkkkh";
        QTest::newRow("four to a flush, wrong card marked") << "2h 5h 9h Jh Kc"
                                                            << "0 4"
                                                            << "kkkkh";
        QTest::newRow("low pair with an ace") << "2c 2d 7h 9s Ac"
                                              << ""
                                              << "kkhhh";
        QTest::newRow("nothing at all") << "2c 7d 9h Js Ks"
                                        << ""
                                        << "hhhkk";
    }
    void tipMarksWhatTheBestHoldExchanges() {
        QFETCH(QString, dealt);
        QFETCH(QString, before);
        QFETCH(QString, after);
        open(dealt);
        click(button(table, "Command1"));
        for (const QString& i : before.split(' ', Qt::SkipEmptyParts))
            click(card(table, i.toInt()));
        const bool lockedBefore = !multipliersEnabled(table);
        media::effectLog().clear();
        QTest::keyClick(table, Qt::Key_T);
        QCOMPARE(marks(table), after);
        // The marks are the engine's best hold.
        const kartavo::HoldValue best = StrategyService::instance().analyse(handOf(dealt))[0];
        for (int p = 0; p < 5; ++p)
            QCOMPARE(marks(table)[p] == 'k', bool(best.kept & (1u << p)));
        // Cards were clicked exactly when a mark changed, which locks the multipliers.
        const bool clicked = after != QStringLiteral("kkkkk") || !before.isEmpty();
        QCOMPARE(!multipliersEnabled(table), lockedBefore || clicked);
        QCOMPARE(media::effectLog(), QStringList());
        // A screen reader hears the tip with "Csere", which has the focus.
        QCOMPARE(QApplication::focusWidget(), button(table, "Command4"));
        QVERIFY2(
            button(table, "Command4")->accessibleDescription().startsWith(QStringLiteral("Tipp. ")),
            qPrintable(button(table, "Command4")->accessibleDescription()));
        // Tipp again: the marks agree, nothing is clicked.
        const QString again = snapshot(table);
        QTest::keyClick(table, Qt::Key_T);
        QCOMPARE(snapshot(table), again);
    }

    void tipDoesNothingWithoutCsere_data() {
        QTest::addColumn<bool>("exchanged");
        QTest::newRow("before the first deal") << false;
        QTest::newRow("after the exchange") << true;
    }
    void tipDoesNothingWithoutCsere() {
        QFETCH(bool, exchanged);
        open("2h 5h 9h Jh Kc");
        if (exchanged) {
            click(button(table, "Command1"));
            click(button(table, "Command4"));
        }
        const QString before = snapshot(table);
        QTest::keyClick(table, Qt::Key_T);
        table->contextMenu()->actions().at(0)->trigger();
        QCOMPARE(snapshot(table), before);
    }

    // Each entry of the menu, in each phase: enabled as its control is, and afterwards the
    // table as after a click on the control.
    void menuEntriesActAsTheirControls_data() {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<int>("entry");
        const QStringList phases = {"start", "dealt", "marking", "settled"};
        const char* entries[] = {"Keverés", "Csere", "Beállítások", "Kilépés"};
        for (const QString& phase : phases)
            for (int e = 0; e < 4; ++e)
                QTest::newRow(qPrintable(phase + ", " + entries[e])) << phase << e;
    }
    void menuEntriesActAsTheirControls() {
        QFETCH(QString, phase);
        QFETCH(int, entry);
        const QString script = "2h 5h 9h Jh Kc 3c 4d 6s 8h 9d 0c Jd";
        board* tables[] = {&open(script), &twin(script)};
        tables[1]->show();
        for (board* t : tables) {
            if (phase != QLatin1String("start"))
                click(button(t, "Command1"));
            if (phase == QLatin1String("marking") || phase == QLatin1String("settled"))
                click(card(t, 4));
            if (phase == QLatin1String("settled"))
                click(button(t, "Command4"));
        }
        const char* names[] = {"Command1", "Command4", "Command6", "Command2"};
        QPushButton* control = button(tables[0], names[entry]);
        std::unique_ptr<QMenu> menu(tables[1]->contextMenu());
        const QList<QAction*> actions = menu->actions();
        // Tipp, Elemzés…, a separator, Gyakorlás…, Haladás…, a separator, four buttons, a
        // separator, the language, the warning
        QCOMPARE(actions.size(), 13);
        QCOMPARE(plain(actions.at(0)->text()), QStringLiteral("Tipp"));
        QCOMPARE(actions.at(0)->isEnabled(), button(tables[1], "Command4")->isEnabled());
        QCOMPARE(plain(actions.at(1)->text()), QStringLiteral("Elemzés…"));
        QAction* action = actions.at(6 + entry);
        QCOMPARE(plain(action->text()), plain(control->text()));
        QCOMPARE(action->isEnabled(), control->isEnabled());
        control->click();
        action->trigger();
        QCOMPARE(snapshot(tables[1]), snapshot(tables[0]));
    }

    // A right click anywhere on the table, a card box included, opens the menu and marks nothing.
    void rightClickOpensTheMenu_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("a card box") << "Picture1_2";
        QTest::newRow("the payout table") << "MSFlexGrid1";
        QTest::newRow("a button") << "Command6";
        QTest::newRow("the table itself") << "board";
    }
    void rightClickOpensTheMenu() {
        QFETCH(QString, where);
        open("2h 5h 9h Jh Kc");
        click(button(table, "Command1"));
        QWidget* target =
            where == QLatin1String("board") ? table.data() : control<QWidget>(table, where);
        const QPoint at = where == QLatin1String("board") ? QPoint(5, 5) : target->rect().center();
        QTest::mouseClick(table->windowHandle(), Qt::RightButton, {}, target->mapTo(table, at));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(menu->objectName(), QStringLiteral("tableMenu"));
        QCOMPARE(marks(table), QStringLiteral("kkkkk"));
        QVERIFY(multipliersEnabled(table));
        menu->actions().at(0)->trigger(); // Tipp from the menu
        menu->close();
        QCOMPARE(marks(table), QStringLiteral("kkkkh"));
    }

    // With the warning on, an exchange worth less than the best asks first, however "Csere" is
    // pressed, and the table waits disabled; an exchange worth the best, or the warning off,
    // exchanges at once.
    void warningBeforeACostlyExchange_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("asks");
        for (const char* press : {"mouse", "Enter", "Alt+C", "menu"}) {
            QTest::newRow(qPrintable(QStringLiteral("best, ") + press))
                << true << "4" << press << false;
            QTest::newRow(qPrintable(QStringLiteral("costly, ") + press))
                << true << "0 1" << press << true;
        }
        QTest::newRow("off, costly") << false << "0 1"
                                     << "mouse" << false;
    }
    void warningBeforeACostlyExchange() {
        QFETCH(bool, on);
        QFETCH(QString, marked);
        QFETCH(QString, press);
        QFETCH(bool, asks);
        open("2h 5h 9h Jh Kc 3c 4d");
        std::unique_ptr<QMenu> menu(table->contextMenu());
        QAction* warning = menu->actions().last();
        QCOMPARE(warning->isChecked(), trainer::Trainer::warnsOfCostlyExchange());
        if (warning->isChecked() != on)
            warning->trigger();
        QCOMPARE(trainer::Trainer::warnsOfCostlyExchange(), on);
        click(button(table, "Command1"));
        for (const QString& i : marked.split(' '))
            click(card(table, i.toInt()));
        const QString before = marks(table);
        if (press == QLatin1String("mouse")) {
            QPushButton* csere = button(table, "Command4");
            QTest::mouseClick(table->windowHandle(), Qt::LeftButton, {},
                              csere->mapTo(table, csere->rect().center()));
        } else if (press == QLatin1String("Enter")) {
            QTest::keyClick(table, Qt::Key_Return);
        } else if (press == QLatin1String("Alt+C")) {
            QTest::keyClick(table, Qt::Key_C, Qt::AltModifier);
            QTest::qWait(300); // a button pressed by its letter clicks after a moment
        } else {
            std::unique_ptr<QMenu>(table->contextMenu())->actions().at(7)->trigger(); // Csere
        }
        QCOMPARE(question() != nullptr, asks);
        QCOMPARE(table->isEnabled(), !asks);
        // Held back, the hand waits as it was marked; otherwise it was exchanged.
        QCOMPARE(marks(table) == before, asks);
        QCOMPARE(button(table, "Command4")->isEnabledTo(table), asks);
        trainer::Trainer::setWarnsOfCostlyExchange(false);
    }

    // Each answer of the question does what it says.
    void warningAnswers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("exchanged");
        QTest::newRow("Csere így is") << "Command1" << true;
        QTest::newRow("Vissza") << "Command2" << false;
        QTest::newRow("Escape") << "Escape" << false;
        QTest::newRow("the table closes") << "table closed" << false;
    }
    void warningAnswers() {
        QFETCH(QString, answer);
        QFETCH(bool, exchanged);
        trainer::Trainer::setWarnsOfCostlyExchange(true);
        open("2h 5h 9h Jh Kc 3c 4d");
        click(button(table, "Command1"));
        click(card(table, 0));
        click(card(table, 1));
        const QString before = snapshot(table);
        click(button(table, "Command4"));
        QPointer<trainer::ExchangeWarning> asked = question();
        QVERIFY(asked);
        if (answer == QLatin1String("Escape")) {
            QTest::keyClick(asked, Qt::Key_Escape);
        } else if (answer == QLatin1String("table closed")) {
            // The program ends another way: the question goes with the table.
            table->close();
            QTRY_VERIFY(!asked || !asked->isVisible());
            trainer::Trainer::setWarnsOfCostlyExchange(false);
            return;
        } else {
            click(control<QPushButton>(asked, answer));
        }
        trainer::Trainer::setWarnsOfCostlyExchange(false);
        QVERIFY(table->isEnabled());
        QVERIFY(!asked || !asked->isVisible());
        if (exchanged) {
            QCOMPARE(marks(table), QStringLiteral("kkkkk"));
            QCOMPARE(QFileInfo(QString::fromStdString(table->state().hand[0].card)).fileName(),
                     QStringLiteral("3c.bmp"));
            QVERIFY(!button(table, "Command4")->isEnabled());
        } else {
            QCOMPARE(snapshot(table), before);
            // Back to marking: Space on the focus must not deal again.
            QCOMPARE(table->focusWidget(), button(table, "Command4"));
        }
    }

    void windowOpensBesideTheTable_data() {
        QTest::addColumn<QRect>("tableFrame");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("at");
        const QSize frame(480, 690);
        QTest::newRow("room on the right")
            << QRect(100, 50, 680, 450) << QRect(0, 0, 1920, 1040) << QPoint(788, 50);
        QTest::newRow("room on the left only")
            << QRect(800, 50, 680, 450) << QRect(0, 0, 1600, 900) << QPoint(312, 50);
        QTest::newRow("low on the screen")
            << QRect(100, 400, 680, 450) << QRect(0, 0, 1920, 1040) << QPoint(788, 350);
        QTest::newRow("no room beside it: on as little of it as can be")
            << QRect(60, 0, 680, 450) << QRect(0, 0, 1024, 768) << QPoint(544, 78);
    }
    void windowOpensBesideTheTable() {
        QFETCH(QRect, tableFrame);
        QFETCH(QRect, area);
        QFETCH(QPoint, at);
        const QSize frame(480, 690);
        const QPoint p = controls::besidePosition(tableFrame, frame, area);
        QCOMPARE(p, at);
        QVERIFY(area.contains(QRect(p, frame)));
        if (area.width() >= tableFrame.width() + frame.width() + 8)
            QVERIFY(!QRect(p, frame).intersects(tableFrame));
    }

    // Every window of the trainer, at its real size in a Windows 10 frame (the largest of the
    // desktops'), beside the real table on the screens of laptops and office desktops with a
    // 40-pixel panel: whole on the screen, clear of the table where it stands at the left edge,
    // clear of the cards and the buttons where the window system centres it.
    void trainerWindowsStandBesideTheTable_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("centred");
        QTest::newRow("1280 x 1024, at the left edge") << QSize(1280, 1024) << false;
        QTest::newRow("1366 x 768, at the left edge") << QSize(1366, 768) << false;
        QTest::newRow("1280 x 1024, centred") << QSize(1280, 1024) << true;
        QTest::newRow("1366 x 768, centred") << QSize(1366, 768) << true;
    }
    void trainerWindowsStandBesideTheTable() {
        QFETCH(QSize, screen);
        QFETCH(bool, centred);
        const QMargins frame(8, 31, 8, 8);
        const std::unique_ptr<board> t(&twin("As Ks Qs Js 9h"));
        const QRect area(0, 0, screen.width(), screen.height() - 40);
        QRect tableFrame = t->rect().marginsAdded(frame);
        if (centred)
            tableFrame.moveCenter(area.center());
        else
            tableFrame.moveTopLeft(area.topLeft());
        const QRect play = t->playArea().translated(tableFrame.topLeft() + QPoint(8, 31));
        trainer::AnalysisWindow analysis;
        trainer::ExchangeWarning warning(nullptr, QStringLiteral("A legjobb csere többet ér."));
        for (const QWidget* w :
             {static_cast<QWidget*>(&analysis), static_cast<QWidget*>(&warning)}) {
            const QSize size = w->size().grownBy(frame);
            QVERIFY2(size.width() <= 600 && size.height() <= 700, w->objectName().toLatin1());
            const QRect at(controls::besidePosition(tableFrame, size, area, play), size);
            QVERIFY2(area.contains(at), w->objectName().toLatin1());
            QVERIFY2(!at.intersects(centred ? play : tableFrame), w->objectName().toLatin1());
        }
    }

    void windowShowsTheHoldsAndTheVerdict() {
        open("As Ks Qs Js 9h  2d 3c 4h  5c 6d 7h 8s 9c");
        click(button(table, "Command1"));
        QTest::keyClick(table, Qt::Key_E);
        QVERIFY(analysis() && analysis()->isVisible());
        QCOMPARE(analysis()->windowTitle(), QStringLiteral("Elemzés"));
        QCOMPARE(holdRow(0, 0), QStringLiteral("A♠ K♠ Q♠ J♠"));
        QCOMPARE(holdRow(0, 1), QStringLiteral("33,60 Ft"));
        QVERIFY(control<QTableWidget>(analysis(), "Grid1")->item(0, 0)->font().bold());
        QVERIFY(!control<QTableWidget>(analysis(), "Grid1")->item(1, 0)->font().bold());
        QCOMPARE(control<QTableWidget>(analysis(), "Grid1")->rowCount(), 32);
        // At x 5 the same holds are worth five times as much.
        click(button(table, "command3_2"));
        QCOMPARE(holdRow(0, 1), QStringLiteral("167,98 Ft"));
        click(button(table, "command3_0"));
        // The player keeps the ace and the king only.
        click(card(table, 2));
        click(card(table, 3));
        click(card(table, 4));
        click(button(table, "Command4"));
        const QString verdict = control<QLabel>(analysis(), "Label2")->text();
        QVERIFY2(verdict.contains(QStringLiteral("A te cseréd: A♠ K♠, várható nyeremény 1,47 Ft")),
                 qPrintable(verdict));
        QVERIFY2(verdict.contains(
                     QStringLiteral("A legjobb csere: A♠ K♠ Q♠ J♠, várható nyeremény 33,60 Ft")),
                 qPrintable(verdict));
        QVERIFY2(verdict.contains(QStringLiteral("A legjobb csere 32,12 Ft-tal többet ért.")),
                 qPrintable(verdict));
        QVERIFY(holdRow(0, 0).startsWith(QStringLiteral("A♠ K♠ Q♠ J♠")));
        QVERIFY(control<QTableWidget>(analysis(), "Grid1")
                    ->findItems(QStringLiteral("A♠ K♠   ◀ a te cseréd"), Qt::MatchExactly)
                    .size() == 1);
        // The chart's line for four to a flush would have said what to keep.
        const QString chart = control<QLabel>(analysis(), "Label4")->text();
        QVERIFY2(chart.contains(QStringLiteral("a 3. sor illik (4 lap színhez)")) &&
                     chart.contains(QStringLiteral("ezt mondta volna: A♠ K♠ Q♠ J♠")),
                 qPrintable(chart));
        QVERIFY(control<QTableWidget>(analysis(), "Grid4")->item(2, 0)->font().bold());
        // Every line of the chart whole: as high as its text wrapped in its column.
        const QTableWidget* lines = control<QTableWidget>(analysis(), "Grid4");
        const int margin = 2 * (lines->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        for (int row = 0; row < lines->rowCount(); ++row) {
            const QTableWidgetItem* line = lines->item(row, 0);
            const QRect text = QFontMetrics(line->font())
                                   .boundingRect(QRect(0, 0, lines->columnWidth(0) - margin, 1000),
                                                 Qt::TextWordWrap, line->text());
            QVERIFY2(lines->rowHeight(row) >= text.height(), qPrintable(line->text()));
        }
        // The next game: the best exchange is praised.
        click(button(table, "Command1"));
        QTest::keyClick(table, Qt::Key_T);
        click(button(table, "Command4"));
        QVERIFY(control<QLabel>(analysis(), "Label2")
                    ->text()
                    .contains(QStringLiteral("Ez volt a legjobb csere.")));
        // Escape closes it, as it does the other windows.
        QTest::keyClick(analysis(), Qt::Key_Escape);
        QVERIFY(!analysis()->isVisible());
    }

    // Several games, with a multiplier press, an abandoned deal and a run out of money: the
    // figures are the sums of the games.
    void sessionFiguresAreTheSumsOfTheGames() {
        open("2c 2d 7h 9s Ac  3h 4h 5s" // pair kept: the exchange draws 3h 4h 5s, a pair: +2
             "  Kc Kd Kh 8s 8c"         // full house kept at x 5: +310
             "  As 3c 6d 9h Jc"         // abandoned: dealt again at x 5 at once
             "  2h 5h 9h Jh Kc  Qd");   // four to a flush, the kicker drawn: nothing
        QTest::keyClick(table, Qt::Key_E);
        click(button(table, "Command1"));   // 250 - 2 = 248
        QTest::keyClick(table, Qt::Key_T);  // keep 2c 2d
        click(button(table, "Command4"));   // 248 + 2 = 250
        click(button(table, "Command1"));   // 250 - 2 = 248
        click(button(table, "command3_2")); // 248 - 10 = 238, x 5
        click(button(table, "Command4"));   // 238 + 310 = 548
        click(button(table, "Command1"));   // 548 - 10 = 538
        click(button(table, "Command1"));   // 538 - 10 = 528
        click(card(table, 4));
        click(button(table, "Command4")); // nothing: 528
        QCOMPARE(control<QLabel>(table, "Label5")->text(), QStringLiteral(" 528"));

        const trainer::Session& s = shell::trainerOf(table)->session();
        QCOMPARE(s.deals(), 4);
        QCOMPARE(s.exchanges(), 3);
        QCOMPARE(s.stakes(), std::int64_t(2 + 2 + 10 + 10 + 10));
        QCOMPARE(s.credits(), std::int64_t(2 + 310));
        QCOMPARE(s.net(), std::int64_t(528 - 250));
        QCOMPARE(s.balances(), (std::vector<std::int64_t>{250, 548, 538, 528}));
        // The pair and the four to a flush were the best holds; keeping the full house was too.
        QCOMPARE(s.notBest(), 0);
        QCOMPARE(s.captions()[std::size_t(kartavo::Category::OnePair)], 1);
        QCOMPARE(s.captions()[std::size_t(kartavo::Category::FullHouse)], 1);
        QCOMPARE(s.captions()[std::size_t(kartavo::Category::Nothing)], 1);
        QCOMPARE(figure(0), QStringLiteral("4"));
        QCOMPARE(figure(2), QStringLiteral("34 Ft"));
        QCOMPARE(figure(3), QStringLiteral("312 Ft"));
        QCOMPARE(figure(4), QStringLiteral("+278 Ft"));
        QCOMPARE(figure(5), QStringLiteral("917,65 %"));
        QCOMPARE(figure(6), QStringLiteral("201,1267 %"));
        QCOMPARE(control<trainer::BalanceChart>(analysis(), "Chart1")->series(), s.balances());

        // Closing the window loses nothing.
        analysis()->close();
        QTest::keyClick(table, Qt::Key_E);
        QVERIFY(analysis()->isVisible());
        QCOMPARE(figure(4), QStringLiteral("+278 Ft"));
    }

    void exchangesThatWereNotBestAreCounted() {
        // Keeping a lone ace from a four to a royal, then breaking a pair.
        open("As Ks Qs Js 9h  2d 3c 4h 6s   2c 2d 7h 9s Kc  5c 8d Qh");
        QTest::keyClick(table, Qt::Key_E);
        const Hand first = handOf("As Ks Qs Js 9h"), second = handOf("2c 2d 7h 9s Kc");
        auto value = [](const Hand& h, std::uint8_t kept) {
            for (const kartavo::HoldValue& v : StrategyService::instance().analyse(h))
                if (v.kept == kept)
                    return v.valueUnits();
            return std::int64_t(-1);
        };
        click(button(table, "Command1"));
        for (int i = 1; i < 5; ++i)
            click(card(table, i));
        click(button(table, "Command4"));
        click(button(table, "Command1"));
        for (int i : {1, 2, 3})
            click(card(table, i));
        click(button(table, "Command4"));
        const trainer::Session& s = shell::trainerOf(table)->session();
        QCOMPARE(s.notBest(), 2);
        const std::int64_t units = value(first, 0b01111) - value(first, 0b00001) +
                                   value(second, 0b00011) - value(second, 0b10001);
        QCOMPARE(s.notBestCost(), double(units) / double(kartavo::drawsMultiple));
        QCOMPARE(figure(7), QStringLiteral("2"));
        QCOMPARE(figure(8), trainer::Words::forints(s.notBestCost()));
    }
};

QTEST_MAIN(TrainerTest)
#include "window_trainer_test.moc"
