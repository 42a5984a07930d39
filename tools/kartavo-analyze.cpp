// kartavo-analyze: the strategy engine on the command line.
//   kartavo-analyze [--multiplier N] [--paytable job96] "As Ks Qs Js 9h"
//       the 32 holds of a dealt hand, best first: kept cards (or "-"), a tab, the expected credit
//   kartavo-analyze --game [--multiplier N] [--paytable job96]
//       the exact return of the whole game under perfect play
// Bad input: one line on stderr naming what is wrong, exit status 2.
#include "strategy.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace kartavo;

namespace {

constexpr const char* usage =
    "használat: kartavo-analyze [--multiplier N] [--paytable job96] \"As Ks Qs Js 9h\"\n"
    "           kartavo-analyze --game [--multiplier N] [--paytable job96]\n";

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "kartavo-analyze: %s\n", why.c_str());
    std::exit(2);
}

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

Hand parseHand(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> codes;
    for (std::string code; in >> code;)
        codes.push_back(code);
    if (codes.size() != 5)
        fail("pontosan öt lap kell, " + std::to_string(codes.size()) +
             " érkezett: " + quoted(text));
    Hand hand{};
    for (std::size_t i = 0; i < 5; ++i) {
        const std::optional<CardId> card = parseCardCode(codes[i]);
        if (!card)
            fail("ismeretlen lapkód: " + quoted(codes[i]) +
                 " (rang: 2-9, 0 a tízes, J, Q, K, A; szín: c, d, h, s)");
        for (std::size_t j = 0; j < i; ++j)
            if (hand[j] == *card)
                fail("kétszer szerepel ugyanaz a lap: " + quoted(codes[i]));
        hand[i] = *card;
    }
    return hand;
}

// Shows the share done on stderr once the work has taken more than half a second.
class ProgressLine {
  public:
    ProgressLine()
        : watcher_([this] {
              std::unique_lock lock(mutex_);
              if (stop_.wait_for(lock, std::chrono::milliseconds(500), [this] { return done_; }))
                  return;
              while (!done_) {
                  std::fprintf(stderr, "\rkartavo-analyze: számolás... %3d %%", percent_.load());
                  std::fflush(stderr);
                  stop_.wait_for(lock, std::chrono::milliseconds(250), [this] { return done_; });
              }
              std::fprintf(stderr, "\rkartavo-analyze: számolás... kész \n");
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
    std::mutex mutex_;
    std::condition_variable stop_;
    bool done_ = false;
    std::atomic<int> percent_{0};
    std::thread watcher_;
};

} // namespace

int main(int argc, char** argv) {
    bool game = false;
    int multiplier = 1;
    bool multiplierGiven = false;
    std::string paytableName;
    std::string cards;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                fail("a " + arg + " után érték kell");
            return argv[++i];
        };
        if (arg == "--game") {
            game = true;
        } else if (arg == "--multiplier") {
            const std::string v = value();
            if (v != "1" && v != "2" && v != "5" && v != "10")
                fail("a szorzó 1, 2, 5 vagy 10 lehet, nem " + quoted(v));
            multiplier = std::stoi(v);
            multiplierGiven = true;
        } else if (arg == "--paytable") {
            paytableName = value();
            if (paytableName != "job96")
                fail("ismeretlen nyereménytábla: " + quoted(paytableName) + " (ismert: job96)");
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(usage, stdout);
            return 0;
        } else if (arg.starts_with("-")) {
            fail("ismeretlen kapcsoló: " + quoted(arg));
        } else {
            cards += (cards.empty() ? "" : " ") + arg;
        }
    }
    if (!paytableName.empty() && multiplierGiven)
        fail("a --multiplier csak a játék saját nyereménytáblájával adható meg");
    if (game && !cards.empty())
        fail("a --game mellett nincs helye lapoknak: " + quoted(cards));
    if (!game && cards.empty()) {
        std::fputs(usage, stderr);
        return 2;
    }
    const Hand hand = game ? Hand{} : parseHand(cards);
    const Paytable paytable = paytableName.empty() ? gamePaytable(multiplier) : jacksOrBetter96();

    std::optional<GameReturn> result;
    HoldRanking holds{};
    {
        ProgressLine progress;
        const StrategyTables tables(paytable);
        if (game)
            result = gameReturn(tables, [&](double share) { progress.set(share); });
        else
            holds = tables.analyse(hand);
    }
    if (game) {
        const std::string unit = " " + paytable.unit;
        std::printf("%s, tét: %lld%s\n", paytable.name.c_str(),
                    static_cast<long long>(paytable.stake), unit.c_str());
        std::printf("átlagos nyeremény osztásonként: %s%s\n", result->meanCredit.text().c_str(),
                    unit.c_str());
        std::printf("átlagos nyeremény osztásonként: %s%s\n", result->meanCredit.decimal(9).c_str(),
                    unit.c_str());
        std::printf("visszatérítés: %s\n", result->percent(4).c_str());
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
