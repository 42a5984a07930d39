// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice and progress: what "Egy sor" and "A gyengéim" deal, the casino games and a player's
// own paytable practised, the progress file read back (a file of the first version too), damaged
// or unwritable, and practice leaving the game as it was.
#include "board.h"
#include "game_choice.h"
#include "picture_box.h"
#include "pictures.h"
#include "practice_window.h"
#include "progress_store.h"
#include "strategy_chart.h"
#include "strategy_service.h"
#include "test_support.h"
#include "trainer.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>

using trainer::PracticeWindow;
using trainer::ProgressStore;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

kartavo::Hand hand(const char* codes) {
    kartavo::Hand h{};
    const QStringList list = QString::fromLatin1(codes).split(' ');
    for (int p = 0; p < 5; ++p)
        h[static_cast<std::size_t>(p)] = *kartavo::parseCardCode(list[p].toStdString());
    return h;
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;

    static ProgressStore& store() { return ProgressStore::instance(); }
    // The table with its practice window open through the key G.
    PracticeWindow& openPractice(const QString& script = "2h 5h 9h Jh Kc") {
        trainer::Trainer::setPracticeSeed(2026);
        table = shell::openTable(dealing(script));
        table->show();
        activate(table);
        QTest::keyClick(table, Qt::Key_G);
        PracticeWindow* w = shell::trainerOf(table)->practiceWindow();
        if (!w)
            qFatal("no practice window");
        return *w;
    }
    // Marks every card but those of the hold and checks; the verdict's text.
    static QString answer(PracticeWindow& w, std::uint8_t kept) {
        for (int p = 0; p < 5; ++p)
            if (!(kept & (1u << p)))
                w.Picture1_Click(p);
        w.Command1_Click();
        return control<QLabel>(&w, "Label2")->text();
    }
    static void choose(PracticeWindow& w, PracticeWindow::DealKind kind, int line = 0) {
        control<QComboBox>(&w, "Combo2")->setCurrentIndex(line);
        control<QComboBox>(&w, "Combo1")->setCurrentIndex(static_cast<int>(kind));
    }

  private slots:
    void initTestCase() { StrategyService::instance().waitUntilReady(); }
    void init() {
        folder = std::make_unique<MediaFolder>();
        store().unload();
    }
    void cleanup() {
        store().unload();
        folder.reset();
        trainer::Trainer::setPracticeSeed(std::nullopt);
    }

    // Every hand of "Egy sor" is one that the chosen line decides, also the rarest line's.
    void oneLineDealsAreDecidedByThatLine_data() {
        QTest::addColumn<int>("line");
        for (int line = 0; line < static_cast<int>(kartavo::gameChart().lines.size()); ++line)
            QTest::newRow(qPrintable(QString::number(line + 1))) << line;
    }
    void oneLineDealsAreDecidedByThatLine() {
        QFETCH(int, line);
        PracticeWindow& w = openPractice();
        choose(w, PracticeWindow::DealKind::OneLine, line);
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(kartavo::chartHold(kartavo::gameChart(), w.hand()).line, line);
            w.Command1_Click();
            w.Command2_Click();
        }
    }

    // "A gyengéim" draws the lines in proportion to what the player's mistakes there cost, and
    // mixed deals while there are too few mistakes to weigh. The same deals again: the
    // generator's seed is the test's.
    void weakSpotsWeighByCost_data() {
        QTest::addColumn<QList<int>>("lines"); // one mistake of cost 1 Ft each
        QTest::addColumn<double>("shareOfFirst");
        QTest::newRow("three to one") << QList<int>{8, 8, 8, 2} << 0.75;
        QTest::newRow("one to one") << QList<int>{4, 9, 4, 9} << 0.5;
        QTest::newRow("too few to weigh") << QList<int>{4, 9} << -1.0;
    }
    void weakSpotsWeighByCost() {
        QFETCH(QList<int>, lines);
        QFETCH(double, shareOfFirst);
        store().load();
        for (const int line : lines)
            store().record(line, hand("2c 7d 9h Js Ks"), 0, 1.0);
        PracticeWindow& w = openPractice();
        choose(w, PracticeWindow::DealKind::WeakSpots);
        const int deals = 1000;
        int first = 0;
        for (int i = 0; i < deals; ++i) {
            if (shareOfFirst < 0) {
                QCOMPARE(w.weakLine(), -1);
            } else {
                QVERIFY(lines.contains(w.weakLine()));
                QCOMPARE(kartavo::chartHold(kartavo::gameChart(), w.hand()).line, w.weakLine());
            }
            first += w.weakLine() == lines.first() ? 1 : 0;
            // Answered right, so that the weights stay as they were.
            const std::uint8_t best = StrategyService::instance().analyse(w.hand())[0].kept;
            for (int p = 0; p < 5; ++p)
                if (!(best & (1u << p)))
                    w.Picture1_Click(p);
            w.Command1_Click();
            w.Command2_Click();
        }
        if (shareOfFirst >= 0)
            QVERIFY2(std::abs(first / double(deals) - shareOfFirst) < 0.05,
                     qPrintable(QString::number(first)));
    }

    // Each casino game is dealt from its own deck and judged by its own engine: its best hold is
    // right, exchanging all five where that is not as good is not, and the answers count for
    // that game's progress. Joker Poker's hands show the joker, and a screen reader hears it.
    void casinoGamesAreJudgedByTheirEngine_data() {
        QTest::addColumn<int>("entry");
        const std::vector<trainer::GameEntry> games = trainer::builtInEntries();
        for (std::size_t i = 1; i < games.size(); ++i)
            QTest::newRow(qPrintable(games[i].key)) << static_cast<int>(i);
    }
    void casinoGamesAreJudgedByTheirEngine() {
        QFETCH(int, entry);
        PracticeWindow& w = openPractice();
        w.chooseGame(entry);
        QVERIFY(!w.preparing());
        const QString key = w.game().entry.key;
        StrategyService& engine = StrategyService::of(w.game().setup);
        const bool joker = w.game().setup.paytable.deckSize == 53;
        bool jokerSeen = false;
        int wrong = 0;
        for (int i = 0; i < 200 && (i < 20 || (joker && !jokerSeen)); ++i) {
            const kartavo::HoldRanking holds = engine.analyse(w.hand());
            const kartavo::HoldValue* none = nullptr;
            for (const auto& v : holds)
                none = v.kept == 0 ? &v : none;
            const bool drawAllIsWrong = none->valueUnits() < holds[0].valueUnits();
            const int p = static_cast<int>(
                std::find(w.hand().begin(), w.hand().end(), kartavo::jokerCard) - w.hand().begin());
            if (p < 5) {
                jokerSeen = true;
                auto* box = control<controls::PictureBox>(&w, QString("Picture1_%1").arg(p));
                QVERIFY2(box->accessibleName().contains("dzsóker"),
                         qPrintable(box->accessibleName()));
                QCOMPARE(box->picture().toImage(),
                         media::loadPicture(media::mediaPath("Jk.bmp")).toImage());
            }
            const QString verdict = answer(w, i % 2 || !drawAllIsWrong ? holds[0].kept : 0);
            const bool right = i % 2 || !drawAllIsWrong;
            wrong += right ? 0 : 1;
            QVERIFY2(verdict.startsWith(right ? "Helyes" : "Nem ez"), qPrintable(verdict));
            QVERIFY2(verdict.contains("kredit"), qPrintable(verdict));
            w.Command2_Click();
        }
        QCOMPARE(jokerSeen, joker);
        std::int64_t hands = 0, mistakes = 0;
        for (const auto& t : store().progress().tallies({}, key)) {
            hands += t.hands;
            mistakes += t.mistakes;
        }
        QVERIFY(hands >= 20);
        QCOMPARE(mistakes, wrong);
        QCOMPARE(store().progress().tallies().front().hands, 0); // this game's: none
    }

    // A player's own paytable: opened, its chart derived while the window says so, practised
    // and remembered for the next start; a bad file refused with one message in the analyzer's
    // words and the game unchanged; a remembered file gone, said once, and off the list.
    void ownPaytableOpenedAndBadOnesRefused() {
        QTemporaryDir dir;
        const QString good = dir.filePath("jacks-8-5.json");
        writeBytes(good, R"({"format": "Kartavo paytable", "version": 1,
            "name": "Jacks or Better 8/5", "family": "jacks-or-better",
            "pays": {"royal-flush": 800, "straight-flush": 50, "four-of-a-kind": 25,
                     "full-house": 8, "flush": 5, "straight": 4, "three-of-a-kind": 3,
                     "two-pair": 2, "jacks-or-better": 1}})");
        const QString bad = dir.filePath("bad.json");
        writeBytes(bad, R"({"format": "Kartavo paytable", "version": 1, "name": "x",
            "family": "jacks-or-better",
            "pays": {"royal-flush": 800, "straight-flush": 50, "four-of-a-kind": 25,
                     "full-house": 8, "flush": -5, "straight": 4, "three-of-a-kind": 3,
                     "two-pair": 2, "jacks-or-better": 1}})");
        {
            PracticeWindow& w = openPractice();
            QVERIFY(w.openPaytable(good));
            const QString key = w.game().entry.key;
            QCOMPARE(key, QString("custom:jacks-or-better:800,50,25,8,5,4,3,2,1"));
            QVERIFY(w.preparing());
            QVERIFY(control<QWidget>(&w, "Progress1")->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(!w.preparing(), 120000);
            QVERIFY(control<QComboBox>(&w, "Combo3")->currentText().contains("jacks-8-5.json"));
            answer(w, StrategyService::of(w.game().setup).analyse(w.hand())[0].kept);
            QCOMPARE(store().progress().tallies({}, key).empty(), false);

            QVERIFY(!w.openPaytable(bad));
            QCOMPARE(w.game().entry.key, key);
            auto* message = w.findChild<QMessageBox*>("tablaHiba");
            QVERIFY(message);
            QVERIFY2(message->text().contains(QDir::toNativeSeparators(bad)) &&
                         message->text().contains("pays.flush"),
                     qPrintable(message->text()));
            delete message;
        }
        deleteAllWindows();
        // The next start: the file remembered and chosen again.
        {
            PracticeWindow& w = openPractice();
            QVERIFY(w.game().entry.file.endsWith("jacks-8-5.json"));
            deleteAllWindows();
        }
        QFile::remove(good);
        PracticeWindow& w = openPractice();
        QCOMPARE(w.game().entry.key, QString("kartavo"));
        QTRY_VERIFY(w.findChild<QMessageBox*>("tablaHiba"));
        QVERIFY(w.findChild<QMessageBox*>("tablaHiba")->text().contains("jacks-8-5.json"));
        QCOMPARE(control<QComboBox>(&w, "Combo3")->count(),
                 static_cast<int>(trainer::builtInEntries().size()) + 1);
    }

    // A progress file of the first version is this game's progress; another game's is kept
    // apart beside it, and this game's stays where the first version reads it.
    void firstVersionFileIsThisGames() {
        writeBytes(store().path(), R"({"format": "Kartavo progress", "version": 1,
            "days": {"2026-11-30": {"4": [3, 1, 0.5]}},
            "mistakes": [{"day": "2026-11-30", "line": 4, "hand": "2c 2d 7h 9s Ac",
                          "kept": "Ac", "cost": 0.5}]})");
        store().load();
        QCOMPARE(store().progress().tallies()[3].hands, 3);
        QCOMPARE(store().progress().mistakes().size(), std::size_t(1));
        store().record(2, hand("2c 7d 9h Js Ks"), 0, 0.25, "job96", "Jacks or Better 9/6");
        store().flush();
        const QJsonObject root = QJsonDocument::fromJson(fileBytes(store().path())).object();
        QCOMPARE(root.value("days").toObject().value("2026-11-30").toObject().value("4"),
                 QJsonValue(QJsonArray{3, 1, 0.5}));
        QVERIFY(root.value("games").toObject().contains("job96"));
        store().unload();
        store().load();
        QCOMPARE(store().progress().tallies()[3].hands, 3);
        QCOMPARE(store().progress().tallies({}, "job96")[2].mistakes, 1);
        QCOMPARE(store().progress().mistakes("job96").front().cost, 0.25);
        QCOMPARE(store().progress().mistakes().size(), std::size_t(1));
    }

    // What is written is read back, and the fields of a later version are written back as they
    // came.
    void progressFileRoundTrip() {
        writeBytes(store().path(),
                   "{\"format\": \"Kartavo progress\", \"version\": 2, \"future\": {\"goal\": 7}}");
        store().load();
        store().record(3, hand("2c 2d 7h 9s Ac"), 0b00011, 0);
        store().record(3, hand("2c 2d 7h 9s Ac"), 0b10000, 0.75);
        store().record(10, hand("2c 7d 9h Js Ks"), 0, 0.125);
        store().flush();
        const auto before = store().progress().tallies();
        const QByteArray written = fileBytes(store().path());
        const QJsonObject root = QJsonDocument::fromJson(written).object();
        QCOMPARE(root.value("future").toObject().value("goal").toInt(), 7);
        QCOMPARE(root.value("version").toInt(), 2);

        store().unload();
        store().load();
        const auto after = store().progress().tallies();
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            QCOMPARE(after[i].hands, before[i].hands);
            QCOMPARE(after[i].mistakes, before[i].mistakes);
            QCOMPARE(after[i].cost, before[i].cost);
        }
        QCOMPARE(after[3].hands, 2);
        QCOMPARE(after[3].mistakes, 1);
        const auto& mistakes = store().progress().mistakes();
        QCOMPARE(mistakes.size(), std::size_t(2));
        QCOMPARE(mistakes.front().dealt, hand("2c 2d 7h 9s Ac"));
        QCOMPARE(int(mistakes.front().kept), 0b10000);
        QCOMPARE(mistakes.back().line, 10);
        store().flush();
        QCOMPARE(fileBytes(store().path()), written);
    }

    // A file that is no progress file is set aside whole as progress.json.bad, said once with its
    // name, and progress starts afresh in a good file.
    void damagedFileKeptAsBad_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated")
            << QByteArray("{\"format\": \"Kartavo progress\", \"days\": {\"20");
        QTest::newRow("foreign") << QByteArray("{\"name\": \"something else\"}");
        QTest::newRow("not text") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10);
        QTest::newRow("wrong type inside") << QByteArray(
            "{\"format\": \"Kartavo progress\", \"days\": {\"2026-01-02\": {\"4\": [3, 4, 0.5]}}}");
        // Refused unread, however good what it holds.
        QTest::newRow("far larger than any real one")
            << QByteArray("{\"format\": \"Kartavo progress\", \"version\": 2}")
                   .append(trainer::Progress::largestFile, ' ');
    }
    void damagedFileKeptAsBad() {
        QFETCH(QByteArray, bytes);
        writeBytes(store().path(), bytes);
        QSignalSpy trouble(&store(), &ProgressStore::trouble);
        store().load();
        QCOMPARE(trouble.size(), 1);
        QVERIFY(trouble.at(0).at(0).toString().contains(store().path()));
        QCOMPARE(fileBytes(store().path() + ".bad"), bytes);
        QVERIFY(store().progress().empty());
        store().record(0, hand("5c 6d 7h 8s 9c"), 31, 0);
        store().flush();
        QVERIFY(trainer::Progress::fromJson(fileBytes(store().path())).has_value());
        QCOMPARE(trouble.size(), 1);
    }

    // Progress that would outgrow the file's limit is not written, where the next start would set
    // it aside: the file keeps what it had, and that is said once.
    void progressPastTheLimitIsNotWritten() {
        const QByteArray bytes = QByteArray("{\"format\": \"Kartavo progress\", \"version\": 2, "
                                            "\"notes\": \"")
                                     .append(trainer::Progress::largestFile - 80, 'x')
                                     .append("\"}");
        writeBytes(store().path(), bytes);
        QSignalSpy trouble(&store(), &ProgressStore::trouble);
        for (int i = 0; i < 2; ++i) {
            store().record(0, hand("5c 6d 7h 8s 9c"), 31, 0);
            store().flush();
        }
        QCOMPARE(trouble.size(), 1);
        QCOMPARE(fileBytes(store().path()), bytes);
    }

    // A data folder that cannot be written: practice goes on, one message, no second try.
    void unwritableFolderIsToldOnce() {
        const QString dataFolder = QFileInfo(store().path()).absolutePath();
        QDir().mkpath(QFileInfo(dataFolder).absolutePath());
        writeBytes(dataFolder, "a file where the folder should be");
        QSignalSpy trouble(&store(), &ProgressStore::trouble);
        PracticeWindow& w = openPractice();
        for (int i = 0; i < 3; ++i) {
            w.Command1_Click();
            store().flush();
            w.Command2_Click();
        }
        QCOMPARE(trouble.size(), 1);
        QVERIFY(!store().keeping());
        QCOMPARE(store().progress().tallies().size(), kartavo::gameChart().lines.size());
        QFile::remove(dataFolder);
    }

    // Practice by mouse and keys: the table's balance, cards, deck and the game's figures in
    // Elemzés stay as they were; the verdict is read with "Következő".
    void practiceNeverTouchesTheGame() {
        PracticeWindow& w = openPractice("2h 5h 9h Jh Kc 3c 4d");
        activate(table);
        QTest::keyClick(table, Qt::Key_Return); // a deal on the table
        const auto* label5 = control<QLabel>(table, "Label5");
        const QString balance = label5->text();
        const int dealt = table->state().deck.dealtCount();
        const trainer::Session session = shell::trainerOf(table)->session();
        QTest::keyClick(table, Qt::Key_G);
        activate(&w);
        for (int i = 0; i < 5; ++i) {
            // The third card clicked by the mouse through the window, the first by its key.
            auto* card = control<controls::PictureBox>(&w, "Picture1_2");
            QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {},
                              card->mapTo(&w, card->rect().center()));
            QTest::keyClick(&w, Qt::Key_1);
            QCOMPARE(int(w.marked()), 0b00101);
            QTest::keyClick(&w, Qt::Key_Return);
            QVERIFY(w.checked());
            auto* next = control<QPushButton>(&w, "Command2");
            QCOMPARE(QApplication::focusWidget(), next);
            QVERIFY2(next->accessibleDescription().contains(QStringLiteral("A táblázat")),
                     qPrintable(next->accessibleDescription()));
            QTest::keyClick(&w, Qt::Key_Return);
            QVERIFY(!w.checked());
        }
        QCOMPARE(label5->text(), balance);
        QCOMPARE(table->state().deck.dealtCount(), dealt);
        const trainer::Session& now = shell::trainerOf(table)->session();
        QCOMPARE(now.deals(), session.deals());
        QCOMPARE(now.exchanges(), session.exchanges());
        QCOMPARE(now.notBest(), session.notBest());
        QCOMPARE(now.balances(), session.balances());
        std::int64_t hands = 0;
        for (const auto& t : store().progress().tallies())
            hands += t.hands;
        QCOMPARE(hands, 5);
    }
};

QTEST_MAIN(PracticeTest)
#include "window_practice_test.moc"
