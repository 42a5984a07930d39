// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that the practice and progress windows share: a chart line's name and numbers as a
// player reads them. Each comes from one function, so that a translation changes it in one place.
#pragma once

#include <QString>

namespace trainer {

// The name of a line of the game's chart (index from 0), as a player reads it.
QString practiceLineName(int line);
// A number with the given count of decimals and the reader's decimal mark: "3,42".
QString shownNumber(double value, int decimals);
// Forints: "3,42 Ft" shown, "3,42 forint" spoken.
QString shownForints(double value);
QString spokenForints(double value);

} // namespace trainer
