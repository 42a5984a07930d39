// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Paytable files: the input is a file a player opens, read as the practice window reads it and
// as the analyzer does. The two agree; a paytable read is one the engine can take, and the
// progress key made of it names the same game again. The input is also tried as a progress key,
// which the progress window reads back into a game.
#include "fuzz_targets.h"

#include "game_choice.h"
#include "language.h"
#include "paytable_file.h"

#include <QFile>

namespace fuzz {

namespace {

QString filePath() {
    return workFolder() + QStringLiteral("/paytable.json");
}

void prepare() {}

void run(QByteArrayView input) {
    const std::string_view bytes(input.data(), static_cast<std::size_t>(input.size()));
    const kartavo::PaytableRead read = kartavo::readPaytable(bytes, "paytable.json");
    writeFile(filePath(), input);
    const kartavo::PaytableRead fromFile =
        kartavo::readPaytableFile(QFile::encodeName(filePath()).toStdString());
    const std::variant<trainer::ChosenGame, QString> opened = trainer::openPaytableFile(filePath());
    FUZZ_CHECK(read.index() == fromFile.index());
    if (const auto* error = std::get_if<kartavo::PaytableError>(&read)) {
        // One line that names what is wrong, not the file's whole text.
        const std::string message = error->message(texts::keyTranslator());
        FUZZ_CHECK(!message.empty() && message.size() < 1000);
        FUZZ_CHECK(std::holds_alternative<QString>(opened));
        FUZZ_CHECK(!std::get<QString>(opened).isEmpty());
    } else {
        const auto& game = std::get<kartavo::CasinoGame>(read);
        const auto& rows = kartavo::familyRules(game.family).rows;
        FUZZ_CHECK(game.pays.size() == rows.size());
        for (const std::int32_t pay : game.pays)
            FUZZ_CHECK(pay >= 0 && pay <= kartavo::largestPay);
        FUZZ_CHECK(std::get<kartavo::CasinoGame>(fromFile).pays == game.pays);
        FUZZ_CHECK(std::holds_alternative<trainer::ChosenGame>(opened));
        const trainer::ChosenGame& chosen = std::get<trainer::ChosenGame>(opened);
        FUZZ_CHECK(chosen.setup.casino && chosen.setup.casino->pays == game.pays);
        const std::optional<trainer::ChosenGame> again =
            trainer::gameOfKey(chosen.entry.key, chosen.entry.name);
        FUZZ_CHECK(again && again->setup.casino && again->setup.casino->pays == game.pays &&
                   again->setup.casino->family == game.family);
        FUZZ_CHECK(kartavo::paytableLines(game).size() == rows.size());
    }
    // The input as a progress key.
    if (const auto game = trainer::gameOfKey(QString::fromUtf8(input), QStringLiteral("x"))) {
        FUZZ_CHECK(game->setup.paytable.deckSize == 52 || game->setup.paytable.deckSize == 53);
        if (game->setup.casino)
            FUZZ_CHECK(game->setup.casino->pays.size() ==
                       kartavo::familyRules(game->setup.casino->family).rows.size());
    }
}

} // namespace

const Target paytableTarget = {"paytable", prepare, run};

} // namespace fuzz
