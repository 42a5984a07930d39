// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The analyzer's hands: after a first byte that picks the game (this game, Deuces Wild or Joker
// Poker with its 53 cards), the input is read as a file of hands on standard input with
// --chart-hold, each answered by the game's chart, and as one hand on the command line.
#include "fuzz_targets.h"

#include "casino_games.h"
#include "hand_text.h"
#include "strategy.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace fuzz {

namespace {

const kartavo::GameSetup& gameOf(unsigned char choice) {
    static const kartavo::GameSetup games[] = {*kartavo::builtInGame("kartavo"),
                                               *kartavo::builtInGame("dw"),
                                               *kartavo::builtInGame("jokerk")};
    return games[choice % std::size(games)];
}

void checkHand(const kartavo::GameSetup& game, const kartavo::Hand& hand) {
    for (const kartavo::CardId card : hand) {
        FUZZ_CHECK(card < game.paytable.deckSize);
        FUZZ_CHECK(std::count(hand.begin(), hand.end(), card) == 1);
    }
    // What the analyzer prints for it.
    const kartavo::ChartHold hold = kartavo::chartHold(*game.chart, hand);
    FUZZ_CHECK(hold.kept < 32);
    FUZZ_CHECK(hold.line >= 0 && hold.line < int(game.chart->lines.size()));
    FUZZ_CHECK(!kartavo::keptCodes(hand, hold.kept).empty());
    // Its codes read back as the same hand.
    std::string codes;
    for (const kartavo::CardId card : hand)
        codes += kartavo::cardCode(card) + " ";
    const kartavo::HandRead again = kartavo::readHand(codes, game.paytable.deckSize);
    FUZZ_CHECK(std::holds_alternative<kartavo::Hand>(again) &&
               std::get<kartavo::Hand>(again) == hand);
}

void checkError(const kartavo::HandTextError& error) {
    FUZZ_CHECK(error.what != nullptr && !error.message().empty());
}

void prepare() {}

void run(QByteArrayView input) {
    if (input.isEmpty())
        return;
    const kartavo::GameSetup& game = gameOf(static_cast<unsigned char>(input[0]));
    const std::string text(input.data() + 1, static_cast<std::size_t>(input.size() - 1));
    std::istringstream lines(text);
    std::vector<kartavo::Hand> hands;
    const std::optional<kartavo::HandTextError> wrong =
        kartavo::readHandLines(lines, game.paytable.deckSize, [&](const kartavo::Hand& hand) {
            checkHand(game, hand);
            hands.push_back(hand);
        });
    if (wrong)
        checkError(*wrong);
    // The same as the whole text split into its lines: blank ones passed over, a long one
    // refused, the first bad one ending the file.
    std::vector<kartavo::Hand> expected;
    std::optional<kartavo::HandTextError> bad;
    for (std::size_t at = 0; at < text.size() && !bad;) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = std::string_view(text).substr(at, end - at);
        at = end + 1;
        if (line.size() <= kartavo::longestHandText &&
            line.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;
        const kartavo::HandRead read = kartavo::readHand(line, game.paytable.deckSize);
        if (const auto* error = std::get_if<kartavo::HandTextError>(&read))
            bad = *error;
        else
            expected.push_back(std::get<kartavo::Hand>(read));
    }
    FUZZ_CHECK(hands == expected && wrong.has_value() == bad.has_value());
    FUZZ_CHECK(!wrong || wrong->message() == bad->message());
    const kartavo::HandRead one = kartavo::readHand(text, game.paytable.deckSize);
    if (const auto* error = std::get_if<kartavo::HandTextError>(&one))
        checkError(*error);
    else
        checkHand(game, std::get<kartavo::Hand>(one));
}

} // namespace

const Target handsTarget = {"hands", prepare, run};

} // namespace fuzz
