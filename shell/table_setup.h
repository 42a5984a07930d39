// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The game table with the windows above it joined to it: the question of a fresh start when the
// money runs out, the trainer (Tipp, Elemzés…), the language choice, and the splash and the
// question closing with it.
#pragma once

#include <QString>
#include <memory>

class board;
class ujra;
namespace kartavo {
class RandomSource;
}
namespace trainer {
class Trainer;
}

namespace shell {

// Loads the game table (its start sound included) with everything joined; the caller shows it.
board* openTable(std::unique_ptr<kartavo::RandomSource> random = nullptr);
// The restart dialog of a table while it is open, else null.
ujra* restartDialogOf(const board* table);
trainer::Trainer* trainerOf(const board* table);

// Speaks the language from now on: every open window and picture, Qt's own texts. Returns false
// (and nothing changes) for a language without its translation.
bool setLanguage(const QString& code);
// As setLanguage, and remembered for the next start: the player's choice.
bool chooseLanguage(const QString& code);

} // namespace shell
