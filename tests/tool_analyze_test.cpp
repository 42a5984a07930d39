// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// kartavo-analyze, run as a program: the output of one hand, the whole game, the strategy chart
// and its holds, and bad input.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status;
    QString out, err;
};

// The tool writes text as the platform does: on Windows every line ends in CR LF, the form
// Windows programs read. The lines are compared without it; a lone CR is still seen.
QString platformText(const QByteArray& output) {
    QString text = QString::fromUtf8(output);
#ifdef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return text;
}

// The tool on a Hungarian system, whatever the caller's language.
Run analyze(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("hu_HU.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("hu_HU.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("hu"));
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + "/kartavo-analyze", arguments);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000))
        qFatal("kartavo-analyze did not finish");
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            platformText(p.readAllStandardOutput()), platformText(p.readAllStandardError())};
}

} // namespace

class ToolAnalyzeTest : public QObject {
    Q_OBJECT
  private slots:
    void printsTheHoldsBestFirst_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("first");
        QTest::newRow("x 1") << QStringList{"As Ks Qs Js 9h"}
                             << QStringList{"As Ks Qs Js\t33.595744681", "Ks Qs Js\t2.448658649",
                                            "Ks Qs Js 9h\t2.212765957",  "As Ks Qs\t1.995374653",
                                            "As Ks Js\t1.995374653",     "As Qs Js\t1.995374653"};
        QTest::newRow("x 10, cards as separate words")
            << QStringList{"--multiplier", "10", "As", "Ks", "Qs", "Js", "9h"}
            << QStringList{"As Ks Qs Js\t335.957446809", "Ks Qs Js\t24.486586494"};
        QTest::newRow("keep all five")
            << QStringList{"9c 9d 9h 9s 2c"}
            << QStringList{"9c 9d 9h 9s 2c\t100.000000000", "9c 9d 9h 9s\t100.000000000"};
    }
    void printsTheHoldsBestFirst() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, first);
        const Run run = analyze(arguments);
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 32);
        QCOMPARE(lines.mid(0, first.size()), first);
        // Every line: the kept cards in the hand's order or "-", a tab, nine decimals.
        const QRegularExpression shape(QStringLiteral("^(-|[0-9JQKA][cdhs]( [0-9JQKA][cdhs]){0,4})"
                                                      "\\t[0-9]+\\.[0-9]{9}$"));
        int exchangeAll = 0;
        for (const QString& line : lines) {
            QVERIFY2(shape.match(line).hasMatch(), qPrintable(line));
            exchangeAll += line.startsWith(QLatin1String("-\t"));
        }
        QCOMPARE(exchangeAll, 1);
    }

    void printsTheGameReturn_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<QString>("percent");
        QTest::newRow("this game") << QStringList{"--game"} << "77695817737/19315145850"
                                   << "visszatérítés: 201.1267 %";
        QTest::newRow("this game at x 5")
            << QStringList{"--game", "--multiplier", "5"} << "77695817737/3863029170"
            << "visszatérítés: 201.1267 %";
        QTest::newRow("9/6 Jacks or Better")
            << QStringList{"--game", "--paytable", "job96"} << "1653526326983/1661102543100"
            << "visszatérítés: 99.5439 %";
    }
    void printsTheGameReturn() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fraction);
        QFETCH(QString, percent);
        const Run run = analyze(arguments);
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines[1].contains(' ' + fraction + ' '), qPrintable(lines[1]));
        QVERIFY2(
            QRegularExpression(QStringLiteral(": [0-9]+\\.[0-9]{9} ")).match(lines[2]).hasMatch(),
            qPrintable(lines[2]));
        QCOMPARE(lines[3], percent);
    }

    // Each line: its number, its name, a tab, the share of deals; then the two returns.
    void printsTheChart_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("perfect");
        QTest::addColumn<double>("goal");
        QTest::newRow("this game") << QStringList{"--strategy"} << "201.1267 %" << 201.0267;
        QTest::newRow("9/6 Jacks or Better")
            << QStringList{"--strategy", "--paytable", "job96"} << "99.5439 %" << 99.50;
    }
    void printsTheChart() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, perfect);
        QFETCH(double, goal);
        const Run run = analyze(arguments);
        QCOMPARE(run.status, 0);
        QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 3 && lines.size() <= 42);
        QCOMPARE(lines.takeLast(), "visszatérítés tökéletes játékkal: " + perfect);
        const QRegularExpressionMatch chart =
            QRegularExpression(
                QStringLiteral("^visszatérítés a táblázattal: ([0-9]+\\.[0-9]{4}) %$"))
                .match(lines.takeLast());
        QVERIFY(chart.hasMatch());
        QVERIFY(chart.captured(1).toDouble() >= goal);
        double shares = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch line =
                QRegularExpression(QStringLiteral("^([0-9]+)\\. [^\t]+\t([0-9]+\\.[0-9]{2}) %$"))
                    .match(lines[i]);
            QVERIFY2(line.hasMatch(), qPrintable(lines[i]));
            QCOMPARE(line.captured(1).toInt(), i + 1);
            shares += line.captured(2).toDouble();
        }
        // Every deal meets one line; each share is rounded to half a hundredth at most.
        QVERIFY(qAbs(shares - 100) <= 0.005 * static_cast<double>(lines.size()));
    }

    // The chart's hold of each hand: the kept cards, a tab, the line that applies. Hands on
    // standard input are answered one a line until a bad one ends the run.
    void chartHoldAnswersEachHand_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        const QStringList job{"--chart-hold", "--paytable", "job96"};
        QTest::newRow("four to a flush")
            << QStringList{"--chart-hold", "As Ks Qs Js 9h"} << QByteArray()
            << QStringList{"As Ks Qs Js\t3"} << 0 << "";
        QTest::newRow("Jacks or Better: four to a royal")
            << (job + QStringList{"As Ks Qs Js 9h"}) << QByteArray()
            << QStringList{"As Ks Qs Js\t2"} << 0 << "";
        QTest::newRow("Jacks or Better: A-2-3-4-5 is a straight")
            << (job + QStringList{"Ac 2d 3h 4s 5c"}) << QByteArray()
            << QStringList{"Ac 2d 3h 4s 5c\t3"} << 0 << "";
        QTest::newRow("Jacks or Better: nothing kept")
            << job << QByteArray("2c 5d 8h 9s 3c\n") << QStringList{"-\t19"} << 0 << "";
        QTest::newRow("hands on standard input, blank lines passed over")
            << QStringList{"--chart-hold"}
            << QByteArray("Ac 2d 3h 4s 5c\n2c 2d 7h 9s Kc\n\n  \nKs 7d 2h 9c 4s")
            << QStringList{"2d 3h 4s 5c\t7", "2c 2d\t4", "9c\t11"} << 0 << "";
        QTest::newRow("a bad hand on standard input")
            << QStringList{"--chart-hold"} << QByteArray("As Ks Qs Js 9h\nAs Ks\nKs 7d 2h 9c 4s\n")
            << QStringList{"As Ks Qs Js\t3"} << 2 << "pontosan öt lap kell, 2";
        // Refused once it is that long, not read to its end: a line may have none.
        QTest::newRow("a line past the limit")
            << QStringList{"--chart-hold"}
            << QByteArray("As Ks Qs Js 9h\n") + QByteArray(1024 * 1024, ' ') + "As"
            << QStringList{"As Ks Qs Js\t3"} << 2 << "túl hosszú leosztás: több mint 1000 bájt";
    }
    void chartHoldAnswersEachHand() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QStringList, output);
        QFETCH(int, status);
        QFETCH(QString, error);
        const Run run = analyze(arguments, input);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts), output);
        QCOMPARE(run.err.count('\n'), error.isEmpty() ? 0 : 1);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
    }

    // The casino games by name, and a game from a paytable file (FILE in the arguments), whose
    // chart is derived when it has none of its own.
    void casinoGames_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("lines"); // the first ones, then the last one
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        const QByteArray jacks85 =
            R"({"format": "Kartavo paytable", "version": 1, "name": "Jacks or Better 8/5",
                "family": "jacks-or-better",
                "pays": {"royal-flush": 800, "straight-flush": 50, "four-of-a-kind": 25,
                         "full-house": 8, "flush": 5, "straight": 4, "three-of-a-kind": 3,
                         "two-pair": 2, "jacks-or-better": 1}})";
        QTest::newRow("the games")
            << QStringList{"--paytable", "list"} << QByteArray()
            << QStringList{"kartavo\tKartavo\t201.1267 %", "job96\tJacks or Better 9/6\t99.5439 %",
                           "jokerk\tJoker Poker, Kings or Better\t100.6463 %"}
            << 0 << "";
        QTest::newRow("a hand with the joker")
            << QStringList{"--paytable", "jokerk", "Jk As Ks 7c 2d"} << QByteArray()
            << QStringList{"Jk As Ks\t1.953014184", "7c 2d\t0.099329325"} << 0 << "";
        QTest::newRow("the joker in a game without one")
            << QStringList{"--paytable", "dw", "Jk As Ks 7c 2d"} << QByteArray() << QStringList{}
            << 2 << "ebben a játékban nincs dzsóker: \"Jk\"";
        QTest::newRow("the multiplier of a casino game")
            << QStringList{"--paytable", "dw", "--multiplier", "5", "As Ks Qs Js 9h"}
            << QByteArray() << QStringList{} << 2 << "a --multiplier csak a játék saját";
        QTest::newRow("8/5 Jacks or Better from a file")
            << QStringList{"--game", "--paytable", "FILE"} << jacks85
            << QStringList{"Jacks or Better 8/5, tét: 1 kredit", "visszatérítés: 97.2984 %"} << 0
            << "";
        QTest::newRow("its chart derived")
            << QStringList{"--chart-hold", "--paytable", "FILE", "Jc Jd 3d 7d 9d"} << jacks85
            << QStringList{"Jc Jd\t6"} << 0 << "";
        QTest::newRow("a bad paytable file")
            << QStringList{"--game", "--paytable", "FILE"}
            << QByteArray(jacks85).replace("\"flush\": 5", "\"flush\": -5") << QStringList{} << 2
            << "t.json:4: pays.flush: egész szám kell 0 és 1000000 között, nem -5";
    }
    void casinoGames() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
        QFETCH(QString, error);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("t.json"));
        if (!file.isEmpty()) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
            arguments.replaceInStrings(QStringLiteral("FILE"), path);
        }
        const Run run = analyze(arguments);
        QCOMPARE(run.status, status);
        const QStringList out = run.out.split('\n', Qt::SkipEmptyParts);
        if (!lines.isEmpty()) {
            QVERIFY(out.size() >= lines.size());
            QCOMPARE(out.mid(0, lines.size() - 1), lines.mid(0, lines.size() - 1));
            QCOMPARE(out.last(), lines.last());
        }
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        if (status != 0) // one line
            QCOMPARE(run.err.count('\n'), 1);
    }

    void badInputIsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("four cards") << QStringList{"As Ks Qs Js"} << "pontosan öt lap kell, 4";
        QTest::newRow("six cards") << QStringList{"As Ks Qs Js 9h 2c"} << "pontosan öt lap kell, 6";
        QTest::newRow("unknown code")
            << QStringList{"As Ks Qs Js 1h"} << "ismeretlen lapkód: \"1h\"";
        QTest::newRow("ten written 10")
            << QStringList{"As Ks Qs Js 10h"} << "ismeretlen lapkód: \"10h\"";
        QTest::newRow("same card twice")
            << QStringList{"As Ks Qs As 9h"} << "kétszer szerepel ugyanaz a lap: \"As\"";
        QTest::newRow("unknown option")
            << QStringList{"--fast", "As Ks Qs Js 9h"} << "ismeretlen kapcsoló: \"--fast\"";
        QTest::newRow("multiplier 3") << QStringList{"--multiplier", "3", "As Ks Qs Js 9h"}
                                      << "a szorzó 1, 2, 5 vagy 10 lehet, nem \"3\"";
        QTest::newRow("multiplier missing")
            << QStringList{"As Ks Qs Js 9h", "--multiplier"} << "a --multiplier után érték kell";
        QTest::newRow("unknown paytable") << QStringList{"--game", "--paytable", "job85"}
                                          << "ismeretlen nyereménytábla: \"job85\"";
        QTest::newRow("cards with --game")
            << QStringList{"--game", "As Ks Qs Js 9h"} << "a --game mellett nincs helye lapoknak";
        QTest::newRow("cards with --strategy") << QStringList{"--strategy", "As Ks Qs Js 9h"}
                                               << "a --strategy mellett nincs helye lapoknak";
        QTest::newRow("--derive alone")
            << QStringList{"--derive"} << "a --derive csak a --strategy mellett adható meg";
        QTest::newRow("two kinds of answer") << QStringList{"--game", "--chart-hold"}
                                             << "a --game, a --strategy és a --chart-hold közül";
        QTest::newRow("unknown code with --chart-hold")
            << QStringList{"--chart-hold", "As Ks Qs Js 1h"} << "ismeretlen lapkód: \"1h\"";
        QTest::newRow("nothing") << QStringList{} << "Használat: kartavo-analyze";
        QTest::newRow("--pdf without --strategy")
            << QStringList{"--game", "--pdf", "x.pdf"} << "a --pdf csak a --strategy mellett";
    }
    void badInputIsRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = analyze(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        if (!arguments.isEmpty()) // one line, naming the program
            QCOMPARE(run.err.count('\n'), 1);
    }

    // The strategy card: the chart printed beside it, and the same lines as real text in the PDF
    // (read back with poppler's pdftotext); a folder that is not there leaves no file and says so.
    void strategyCardHoldsTheChart() {
#ifdef Q_OS_WIN
        QSKIP("read back with poppler-utils on Linux");
#endif
        QTemporaryDir dir;
        const QString card = dir.filePath("dw.pdf");
        const Run run = analyze({"--strategy", "--paytable", "dw", "--pdf", card});
        QCOMPARE(run.status, 0);
        QProcess text;
        text.start("pdftotext", {"-raw", card, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString written = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 20);
        for (const QString& line : lines.mid(0, lines.size() - 2)) { // the two returns last
            const QString name = line.section('\t', 0, 0).section(". ", 1);
            QVERIFY2(written.contains(name.simplified()), qPrintable(name));
        }
        QVERIFY(written.contains("Deuces Wild"));
        QVERIFY(written.contains("100,7620 %"));

        const QString nowhere = dir.filePath("no folder/dw.pdf");
        const Run refused = analyze({"--strategy", "--paytable", "dw", "--pdf", nowhere});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.contains("dw.pdf"), qPrintable(refused.err));
        QVERIFY(!QFile::exists(nowhere));
    }
};

QTEST_GUILESS_MAIN(ToolAnalyzeTest)
#include "tool_analyze_test.moc"
