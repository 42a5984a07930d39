// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// kartavo-analyze: the strategy engine on the command line.
//   kartavo-analyze [--multiplier N] [--paytable GAME] "As Ks Qs Js 9h"
//       the 32 holds of a dealt hand, best first: kept cards (or "-"), a tab, the expected credit
//   kartavo-analyze --game [--multiplier N] [--paytable GAME]
//       the exact return of the whole game under perfect play
//   kartavo-analyze --strategy [--derive] [--paytable GAME]
//       the strategy chart: its lines with the share of deals each applies to, then its exact
//       return and perfect play's; --derive derives it anew and also prints the best return of
//       every chart length, each line's cost, and the chart as the source holds it
//   kartavo-analyze --chart-hold [--paytable GAME] ["As Ks Qs Js 9h"]
//       the cards the chart keeps, a tab, the number of the line that applies; without cards,
//       for every hand read from standard input, one a line
//   kartavo-analyze --paytable list
//       the built-in games: their names, a tab, the game, a tab, the return under perfect play
//   kartavo-analyze --help | --version
//   GAME: a built-in game's name ("kartavo", the default; "job96", "dw", ...) or a paytable
//   file; a game without a chart of its own has its chart derived first (some seconds).
//   --language hu|en: the language of the words; by default the game's rule from the environment
// Bad input: one line on stderr naming what is wrong, exit status 2.
// The words are translated as the game's (its translation files, the same language rule); the
// numbers, the cards and the tab-separated lines stay the same in every language.
#include "casino_games.h"
#include "game_card.h"
#include "hand_text.h"
#include "language.h"
#include "paytable_file.h"
#include "strategy.h"
#include "strategy_chart.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QString>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace kartavo;

namespace {

// The words in the language in force.
std::string say(const QString& text) {
    return text.toStdString();
}

// The usage lines, printed alone (on stderr) when nothing is asked.
std::string synopsis() {
    return say(QCoreApplication::translate(
        "kartavo-analyze",
        "Használat: kartavo-analyze [--multiplier N] [--paytable JÁTÉK] LAPOK\n"
        "  vagy:  kartavo-analyze --game [--multiplier N] [--paytable JÁTÉK]\n"
        "  vagy:  kartavo-analyze --strategy [--derive] [--paytable JÁTÉK] [--pdf FÁJL]\n"
        "  vagy:  kartavo-analyze --chart-hold [--paytable JÁTÉK] [LAPOK]\n"
        "  vagy:  kartavo-analyze --paytable list\n"));
}

// The rest of --help. Laid out as help2man reads it, for the manual page made from it (in
// Hungarian; the English is laid out the same): the usage lines, the description, "Kapcsolók:"
// (options, descriptions in one column), a heading followed by an indented line (a subsection),
// "Példák:" (commands after "$ ", kept as they are).
std::string help() {
    return say(QCoreApplication::translate(
        "kartavo-analyze",
        "A Kartavo ötlapos pókerének pontos elemzője és stratégiai táblázata.\n"
        "\n"
        "Öt lapot megadva kiírja a leosztás 32 lehetséges megtartását, a legjobbat elöl:\n"
        "soronként a megtartott lapokat (\"-\", ha mind az öt cserélődik), egy tabulátort és\n"
        "a várható nyereményt kilenc tizedesjeggyel (a Kartavóban forintban, a kaszinók\n"
        "játékaiban kreditben).\n"
        "\n"
        "Lapok:\n"
        "  rang   2-9, 0 (a tízes), J, Q, K, A\n"
        "  szín   c (treff), d (káró), h (kőr), s (pikk)\n"
        "\n"
        "Minden lap a rangja és utána a színe, ahogy a játék a képeit nevezi (As, 0h, 9c);\n"
        "a dzsóker Jk, csak a Joker Pokerben. A lapokat szóköz választja el, egy\n"
        "argumentumban vagy ötben.\n"
        "\n"
        "Játékok:\n"
        "  kartavo  a Kartavo saját nyereménytáblája (alapból)\n"
        "  job96    Jacks or Better 9/6\n"
        "  bp85     Bonus Poker 8/5\n"
        "  bpd96    Bonus Poker Deluxe 9/6\n"
        "  db107    Double Bonus 10/7\n"
        "  ddb96    Double Double Bonus 9/6\n"
        "  dw       Deuces Wild (a 2-esek vadlapok)\n"
        "  jokerk   Joker Poker, király vagy jobb pár (53 lap, a dzsóker vadlap)\n"
        "\n"
        "A kaszinók játékai érménként fizetnek, kreditben; a royal flöshöz 800-at, mint öt\n"
        "érme tétjével. Bármely más nyereménytábla egy JSON fájlból olvasható (UTF-8,\n"
        "legfeljebb 64 KB): a \"format\" \"Kartavo paytable\", a \"version\" 1, a \"name\" a\n"
        "játék neve, a \"family\" a játékcsaládja (jacks-or-better, bonus-poker,\n"
        "bonus-poker-deluxe, double-bonus, double-double-bonus, deuces-wild, joker-poker), a\n"
        "\"pays\" a család minden sorát egyszer adja meg, 0 és 1000000 közötti egész\n"
        "kreditben. Saját táblázat nélkül a stratégiai táblázatát előbb levezeti (néhány\n"
        "másodperc).\n"
        "\n"
        "Kapcsolók:\n"
        "      --multiplier N    a szorzó: 1, 2, 5 vagy 10 (alapból 1); a tét és a\n"
        "                        nyeremények vele szorzódnak (csak a Kartavóban)\n"
        "      --paytable JÁTÉK  a játék neve a fentiek közül, vagy egy\n"
        "                        nyereménytábla-fájl; list: a beépített játékok, a\n"
        "                        nevük és a visszatérítésük\n"
        "      --game            a teljes játék pontos visszatérítése tökéletes játékkal\n"
        "      --strategy        a stratégiai táblázat: számozott sorai, egy tabulátor és a\n"
        "                        leosztások része, amelyre a sor érvényes; utána a táblázat\n"
        "                        és a tökéletes játék visszatérítése\n"
        "      --derive          a --strategy mellett: a táblázat újra levezetve, minden\n"
        "                        táblázathossz legjobb visszatérítésével és a sorok árával\n"
        "      --pdf FÁJL        a --strategy mellett: a táblázat stratégiakártyaként is,\n"
        "                        egyoldalas PDF-ben (a játék neve, nyereménytáblája, a\n"
        "                        számozott sorok és a visszatérítések; A4-re és Letterre\n"
        "                        is), a kiírás nyelvén\n"
        "      --chart-hold      amit a táblázat megtart, egy tabulátor és az érvényes sor\n"
        "                        száma; lapok nélkül a szabványos bemenet minden sorára\n"
        "                        (soronként egy leosztás)\n"
        "      --language hu|en  a kiírás nyelve, magyar vagy angol; alapból magyar, ha\n"
        "                        a rendszer nyelve magyar vagy nincs megadva (C, POSIX),\n"
        "                        különben angol; a számok és a lapok minden nyelven\n"
        "                        ugyanazok\n"
        "  -h, --help            ez a súgó\n"
        "      --version         a program változata\n"
        "\n"
        "Kilépési érték:\n"
        "  0   rendben\n"
        "  1   a stratégiakártya nem írható ki (egy sor mondja meg, miért)\n"
        "  2   hibás bemenet, amelyet egy sor nevez meg a szabványos hibakimeneten\n"
        "\n"
        "Példák:\n"
        "  $ kartavo-analyze \"As Ks Qs Js 9h\"\n"
        "  $ kartavo-analyze --multiplier 5 As Ks Qs Js 9h\n"
        "  $ kartavo-analyze --game --paytable job96\n"
        "  $ kartavo-analyze --paytable jokerk Jk As Ks 7c 2d\n"
        "  $ kartavo-analyze --strategy --paytable 8-5-jacks.json\n"
        "  $ kartavo-analyze --strategy --paytable dw --pdf deuces.pdf\n"
        "  $ kartavo-analyze --chart-hold < leosztasok.txt\n"));
}

// A paytable's unit of money as the language writes it ("Ft" is the same in every language).
const char* const unitWords[] = {QT_TRANSLATE_NOOP("kartavo-analyze", "kredit")};

std::string unitName(const std::string& unit) {
    for (const char* word : unitWords)
        if (unit == word)
            return say(QCoreApplication::translate("kartavo-analyze", word));
    return unit;
}

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "kartavo-analyze: %s\n", why.c_str());
    std::exit(2);
}

// What the user wrote, in quotes.
QString inQuotes(const std::string& s) {
    return QLatin1Char('"') + QString::fromStdString(s) + QLatin1Char('"');
}

void printChartHold(const StrategyChart& chart, const Hand& hand) {
    const ChartHold hold = chartHold(chart, hand);
    std::printf("%s\t%d\n", keptCodes(hand, hold.kept).c_str(), hold.line + 1);
}

// The hand the text names; a bad one ends the program with what is wrong.
Hand parseHand(const std::string& text, int deckSize) {
    const HandRead read = readHand(text, deckSize);
    if (const auto* wrong = std::get_if<HandTextError>(&read))
        fail(wrong->message(texts::keyTranslator()));
    return std::get<Hand>(read);
}

// Answers every hand of standard input with the chart's hold, as it comes, so that a program
// can also ask one hand at a time; a bad line ends the program with what is wrong.
void printChartHolds(const StrategyChart& chart, int deckSize) {
    if (const std::optional<HandTextError> wrong =
            readHandLines(std::cin, deckSize, [&chart](const Hand& hand) {
                printChartHold(chart, hand);
                std::fflush(stdout);
            }))
        fail(wrong->message(texts::keyTranslator()));
}

// Shows the share done on stderr once the work has taken more than half a second.
class ProgressLine {
  public:
    ProgressLine()
        : counting_(say(QCoreApplication::translate("kartavo-analyze", "számolás..."))),
          done_text_(say(QCoreApplication::translate("kartavo-analyze", "kész"))), watcher_([this] {
              std::unique_lock lock(mutex_);
              if (stop_.wait_for(lock, std::chrono::milliseconds(500), [this] { return done_; }))
                  return;
              while (!done_) {
                  std::fprintf(stderr, "\rkartavo-analyze: %s %3d %%", counting_.c_str(),
                               percent_.load());
                  std::fflush(stderr);
                  stop_.wait_for(lock, std::chrono::milliseconds(250), [this] { return done_; });
              }
              std::fprintf(stderr, "\rkartavo-analyze: %s %s \n", counting_.c_str(),
                           done_text_.c_str());
          }) {}
    ~ProgressLine() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        stop_.notify_all();
        watcher_.join();
    }
    void set(double share) { percent_ = static_cast<int>(share * 100); }

  private:
    const std::string counting_, done_text_; // before the watcher, which reads them
    std::mutex mutex_;
    std::condition_variable stop_;
    bool done_ = false;
    std::atomic<int> percent_{0};
    std::thread watcher_;
};

// A share of all deals as a percentage with two decimals, exactly rounded.
std::string dealsPercent(std::int64_t deals, std::int64_t allDeals) {
    return Fraction::reduced(static_cast<Wide>(deals) * 100, static_cast<Wide>(allDeals))
               .decimal(2) +
           " %";
}

// The chart's lines and its return beside perfect play's.
void printChart(const StrategyChart& chart, const ChartPrice& price) {
    for (std::size_t i = 0; i < chart.lines.size(); ++i)
        std::printf("%zu. %s\t%s\n", i + 1,
                    kindName(chart.lines[i], chart.rules, texts::keyTranslator()).c_str(),
                    dealsPercent(price.lines[i].deals, price.lines[i].allDeals).c_str());
    std::printf("%s\n", say(QCoreApplication::translate("kartavo-analyze",
                                                        "visszatérítés a táblázattal: %1")
                                .arg(QString::fromStdString(price.chartReturn.percent(4))))
                            .c_str());
    std::printf("%s\n", say(QCoreApplication::translate("kartavo-analyze",
                                                        "visszatérítés tökéletes játékkal: %1")
                                .arg(QString::fromStdString(price.perfectReturn.percent(4))))
                            .c_str());
}

// What deriving adds: every length's best return, the derived chart's lines with what the deals
// they get wrong cost, its exact return, and the chart as the source writes it.
void printDerivation(const ChartDerivation& d, const ChartPrice& price, const Paytable& paytable) {
    for (std::size_t i = 0; i < d.returnByLength.size(); ++i) {
        const int lines = static_cast<int>(i + 1);
        const QString upTo =
            QCoreApplication::translate("kartavo-analyze", "legfeljebb %n sor", nullptr, lines);
        std::printf("%s\t%s\n", say(upTo).c_str(), d.returnByLength[i].percent(4).c_str());
    }
    std::printf("\n");
    printChart(d.chart, price);
    std::printf("%s\n",
                say(d.goalReached
                        ? QCoreApplication::translate("kartavo-analyze", "a cél teljesül")
                        : QCoreApplication::translate("kartavo-analyze", "a cél nem teljesül"))
                    .c_str());
    std::printf("%s\n",
                say(QCoreApplication::translate("kartavo-analyze", "a táblázat visszatérítése: %1")
                        .arg(QString::fromStdString(price.chartReturn.ratio().text())))
                    .c_str());
    std::printf("\n%s\n",
                say(QCoreApplication::translate(
                        "kartavo-analyze",
                        "soronként: a rossz leosztások része, amit a visszatérítésből elvesznek"))
                    .c_str());
    for (std::size_t i = 0; i < price.lines.size(); ++i) {
        const std::int64_t deals = price.lines[i].allDeals;
        const std::string cost =
            Fraction::reduced(price.lines[i].costUnits * 100, static_cast<Wide>(drawsMultiple) *
                                                                  static_cast<Wide>(deals) *
                                                                  static_cast<Wide>(paytable.stake))
                .decimal(4);
        std::printf("%zu.\t%s\t%s\n", i + 1, dealsPercent(price.lines[i].wrongDeals, deals).c_str(),
                    say(QCoreApplication::translate("kartavo-analyze", "%1 százalékpont")
                            .arg(QString::fromStdString(cost)))
                        .c_str());
    }
    // By HoldShape, as the source names them; the names in the comments are the source's own.
    constexpr std::array<const char*, 20> shapes = {
        "RoyalFlush",   "StraightFlush",    "FiveOfAKind",
        "FourOfAKind",  "FullHouse",        "Flush",
        "Straight",     "ThreeOfAKind",     "TwoPairs",
        "Pair",         "StraightOrBetter", "PairedCards",
        "ToRoyalFlush", "ToStraightFlush",  "ToFlush",
        "ToStraight",   "HighCards",        "OneCard",
        "WildCards",    "Nothing"};
    std::printf("\n");
    for (const HoldKind& k : d.chart.lines) {
        std::printf("// %s\n{S::%s, %d, %d, %d, %d, 0x%04x", kindName(k, d.chart.rules).c_str(),
                    shapes.at(static_cast<std::size_t>(k.shape)), k.cards, k.minStraights,
                    k.maxStraights, k.minHighCards, k.ranks);
        // The wild cards and the kicker only where a game has them.
        if (k.wild != 0 || k.kicker != 0)
            std::printf(", %d", k.wild);
        if (k.kicker != 0)
            std::printf(", 0x%04x", k.kicker);
        std::printf("},\n");
    }
}

// The built-in games, one a line: the name for --paytable, the game, its return.
void printGames() {
    for (const BuiltInGame& g : builtInGames())
        std::printf("%s\t%s\t%s %%\n", g.id, builtInGame(g.id)->name.c_str(), g.perfectReturn);
}

// The game that --paytable names: a built-in game, else a paytable file.
GameSetup chooseGame(const std::string& name, int multiplier) {
    if (std::optional<GameSetup> setup = builtInGame(name, multiplier))
        return *setup;
    const bool looksLikeName = name.find_first_of("./\\") == std::string::npos;
    if (looksLikeName && !std::filesystem::exists(name)) {
        QStringList known;
        for (const BuiltInGame& g : builtInGames())
            known << QString::fromLatin1(g.id);
        known << QStringLiteral("list");
        fail(say(QCoreApplication::translate("kartavo-analyze",
                                             "ismeretlen nyereménytábla: %1 (ismert: %2, vagy "
                                             "egy nyereménytábla-fájl)")
                     .arg(inQuotes(name), known.join(QStringLiteral(", ")))));
    }
    const PaytableRead read = readPaytableFile(name);
    if (const auto* error = std::get_if<PaytableError>(&read))
        fail(error->message(texts::keyTranslator()));
    return casinoGameSetup(std::get<CasinoGame>(read), name);
}

// Translations beside the program (the build tree, the Windows install), else in the program
// folder of the Linux install (lib/kartavo, the analyzer being in bin/).
void findTranslations() {
    const QDir here(QCoreApplication::applicationDirPath());
    texts::setTranslationFolders({here.filePath(QStringLiteral("translations")),
                                  here.filePath(QStringLiteral("../lib/kartavo/translations"))});
}

// The language: --language where given, else the game's rule for the system's languages. Read
// before the other arguments, so that what is said of them is said in it.
void chooseLanguage(int argc, char** argv) {
    // Without its translation file a language leaves the words as they are written: Hungarian.
    texts::setLanguage(texts::defaultLanguage(QLocale::system().uiLanguages(), texts::languages()));
    QStringList known = texts::languages();
    if (!known.contains(texts::english))
        known << texts::english;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--language") {
            const std::string asked = argv[++i];
            const QString code = QString::fromStdString(asked);
            if (!known.contains(code))
                fail(say(QCoreApplication::translate("kartavo-analyze",
                                                     "ismeretlen nyelv: %1 (ismert: %2)")
                             .arg(inQuotes(asked), known.join(QStringLiteral(", ")))));
            texts::setLanguage(code);
        }
}

// The chart as a one-page PDF; 1, with one line saying why, where it could not be written.
int writeCard(const GameSetup& setup, const StrategyChart& chart, const ChartPrice& price,
              const std::string& file) {
    const auto figure = [](const GameReturn& r) {
        QString percent = QString::fromStdString(r.percent(4));
        percent.chop(2); // " %"
        return percent;
    };
    const QString path = QString::fromLocal8Bit(file.c_str());
    const printing::WriteResult result = printing::writeStrategyCard(
        printing::GameCard::of(setup, chart, figure(price.perfectReturn), figure(price.chartReturn),
                               QStringLiteral(KARTAVO_VERSION)),
        path);
    if (result.written())
        return 0;
    std::fprintf(stderr, "kartavo-analyze: %s\n",
                 say(printing::GameCard::failure(result, path)).c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // A strategy card takes fonts, so a GUI application: on the offscreen platform where there
    // is one, as no window shows (Windows has fonts only through its own platform).
    bool printing = false;
    for (int i = 1; i < argc; ++i)
        printing = printing || std::string(argv[i]) == "--pdf";
#ifndef Q_OS_WIN
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // The program says in its own lines what went wrong; Qt's notes on its environment (no
    // runtime folder for the offscreen platform, say) are not the user's business.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "kartavo-analyze: %s\n", message.toLocal8Bit().constData());
    });
    const std::unique_ptr<QCoreApplication> application =
        printing ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    findTranslations();
    chooseLanguage(argc, argv);
    bool game = false, strategy = false, derive = false, holdByChart = false;
    int multiplier = 1;
    bool multiplierGiven = false;
    std::string paytableName;
    std::string cards;
    std::optional<std::string> pdf;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                fail(say(QCoreApplication::translate("kartavo-analyze", "a %1 után érték kell")
                             .arg(QString::fromStdString(arg))));
            return argv[++i];
        };
        if (arg == "--game") {
            game = true;
        } else if (arg == "--strategy") {
            strategy = true;
        } else if (arg == "--derive") {
            derive = true;
        } else if (arg == "--chart-hold") {
            holdByChart = true;
        } else if (arg == "--language") {
            value(); // chosen already
        } else if (arg == "--multiplier") {
            const std::string v = value();
            if (v != "1" && v != "2" && v != "5" && v != "10")
                fail(say(QCoreApplication::translate("kartavo-analyze",
                                                     "a szorzó 1, 2, 5 vagy 10 lehet, nem %1")
                             .arg(inQuotes(v))));
            multiplier = std::stoi(v);
            multiplierGiven = true;
        } else if (arg == "--paytable") {
            paytableName = value();
        } else if (arg == "--pdf") {
            pdf = value();
        } else if (arg == "--help" || arg == "-h") {
            std::printf("%s\n%s", synopsis().c_str(), help().c_str());
            return 0;
        } else if (arg == "--version") {
            std::printf("kartavo-analyze %s\n", KARTAVO_VERSION);
            return 0;
        } else if (arg.starts_with("-")) {
            fail(say(QCoreApplication::translate("kartavo-analyze", "ismeretlen kapcsoló: %1")
                         .arg(inQuotes(arg))));
        } else {
            cards += (cards.empty() ? "" : " ") + arg;
        }
    }
    if (paytableName == "list") {
        if (game || strategy || holdByChart || derive || !cards.empty() || multiplierGiven)
            fail(say(QCoreApplication::translate("kartavo-analyze",
                                                 "a --paytable list mellett nem adható meg más")));
        printGames();
        return 0;
    }
    if (int(game) + int(strategy) + int(holdByChart) > 1)
        fail(say(QCoreApplication::translate(
            "kartavo-analyze",
            "a --game, a --strategy és a --chart-hold közül csak egy adható meg")));
    if (derive && !strategy)
        fail(say(QCoreApplication::translate("kartavo-analyze",
                                             "a --derive csak a --strategy mellett adható meg")));
    if (pdf && !strategy)
        fail(say(QCoreApplication::translate("kartavo-analyze",
                                             "a --pdf csak a --strategy mellett adható meg")));
    if ((game || strategy) && !cards.empty())
        fail(say(
            QCoreApplication::translate("kartavo-analyze", "a %1 mellett nincs helye lapoknak: %2")
                .arg(QString::fromLatin1(game ? "--game" : "--strategy"), inQuotes(cards))));
    if (!game && !strategy && !holdByChart && cards.empty()) {
        std::fprintf(
            stderr, "%s%s\n", synopsis().c_str(),
            say(QCoreApplication::translate("kartavo-analyze", "Bővebben: kartavo-analyze --help"))
                .c_str());
        return 2;
    }
    const GameSetup setup = chooseGame(paytableName.empty() ? "kartavo" : paytableName, multiplier);
    if (multiplierGiven && setup.id != "kartavo")
        fail(say(QCoreApplication::translate(
            "kartavo-analyze",
            "a --multiplier csak a játék saját nyereménytáblájával adható meg")));
    const Paytable& paytable = setup.paytable;
    const int deckSize = paytable.deckSize;

    if (holdByChart && setup.chart) { // needs no tables
        if (!cards.empty()) {
            printChartHold(*setup.chart, parseHand(cards, deckSize));
            return 0;
        }
        printChartHolds(*setup.chart, deckSize);
        return 0;
    }

    std::optional<GameReturn> result;
    std::optional<ChartDerivation> derivation;
    std::optional<ChartPrice> price;
    const StrategyChart* chart = setup.chart;
    HoldRanking holds{};
    const Hand hand = cards.empty() ? Hand{} : parseHand(cards, deckSize);
    GameEngine engine(setup);
    {
        ProgressLine progress;
        const StrategyTables& tables = engine.tables();
        const Progress report = [&](double share) { progress.set(share); };
        // A game without a chart of its own has it derived first.
        const bool deriving = derive || ((strategy || holdByChart) && !setup.chart);
        const auto part = [&](double from, double to) -> Progress {
            return
                [&progress, from, to](double share) { progress.set(from + (to - from) * share); };
        };
        if (game) {
            result = gameReturn(tables, report);
        } else if (derive) {
            derivation = deriveChart(tables, setup.rules, setup.goal, part(0, 0.9));
            chart = &derivation->chart;
        } else if (deriving) {
            chart = &engine.chart(part(0, 0.9));
        } else if (!strategy) {
            holds = tables.analyse(hand);
        }
        if (strategy)
            price = priceChart(tables, *chart, deriving ? part(0.9, 1) : report);
    }
    if (holdByChart) {
        if (!cards.empty()) {
            printChartHold(*chart, hand);
            return 0;
        }
        printChartHolds(*chart, deckSize);
        return 0;
    }
    if (strategy) {
        if (derive)
            printDerivation(*derivation, *price, paytable);
        else
            printChart(*chart, *price);
        if (pdf)
            return writeCard(setup, *chart, *price, *pdf);
        return 0;
    }
    if (game) {
        const QString unit = QString::fromStdString(unitName(paytable.unit));
        const auto line = [](const QString& text) { std::printf("%s\n", say(text).c_str()); };
        line(QCoreApplication::translate("kartavo-analyze", "%1, tét: %2 %3")
                 .arg(QString::fromStdString(paytable.name))
                 .arg(static_cast<long long>(paytable.stake))
                 .arg(unit));
        for (const std::string& mean : {result->meanCredit.text(), result->meanCredit.decimal(9)})
            line(QCoreApplication::translate("kartavo-analyze",
                                             "átlagos nyeremény osztásonként: %1 %2")
                     .arg(QString::fromStdString(mean), unit));
        line(QCoreApplication::translate("kartavo-analyze", "visszatérítés: %1")
                 .arg(QString::fromStdString(result->percent(4))));
        return 0;
    }
    for (const HoldValue& hold : holds)
        std::printf(
            "%s\t%s\n", keptCodes(hand, hold.kept).c_str(),
            Fraction::reduced(static_cast<Wide>(hold.creditSum), static_cast<Wide>(hold.draws))
                .decimal(9)
                .c_str());
    return 0;
}
