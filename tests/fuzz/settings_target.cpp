// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's settings: the input is the settings file, read as the program reads it at start
// (the language) and as the practice window does (the game chosen, the paytable files opened
// last). Whatever the file holds, the choice is one of the list, and a setting saved over it
// reads back.
#include "fuzz_targets.h"

#include "game_choice.h"
#include "language.h"
#include "settings.h"

#include <QDir>
#include <QSettings>

namespace fuzz {

namespace {

void prepare() {
    // Two languages to choose from: the program's own and a translation's file.
    const QString translations = workFolder() + QStringLiteral("/translations");
    writeFile(translations + QStringLiteral("/kartavo_en.qm"), {});
    texts::setTranslationFolders({translations});
}

void run(QByteArrayView input) {
    // A folder for each input: Qt keeps what it read of a settings file by its name.
    static int count = 0;
    const QString folder = workFolder() + QStringLiteral("/config%1").arg(count++);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    writeFile(folder + QStringLiteral("/Kartavo/Kartavo.conf"), input);

    const QString language = texts::startLanguage();
    FUZZ_CHECK(language == texts::hungarian || language == texts::english);
    {
        // As the practice window opens: the game remembered, else this game.
        trainer::GameChoice choice;
        const std::size_t builtIn = trainer::builtInEntries().size();
        const std::vector<trainer::GameEntry> entries = choice.entries();
        FUZZ_CHECK(entries.size() <= builtIn + trainer::GameChoice::rememberedFiles);
        FUZZ_CHECK(choice.current() >= 0 && choice.current() < int(entries.size()));
        if (std::holds_alternative<QString>(choice.choose(choice.current())))
            FUZZ_CHECK(
                std::holds_alternative<trainer::ChosenGame>(choice.choose(choice.current())));
    }
    texts::saveLanguage(texts::english);
    FUZZ_CHECK(texts::startLanguage() == texts::english);
    QDir(folder).removeRecursively();
}

} // namespace

const Target settingsTarget = {"settings", prepare, run};

} // namespace fuzz
