// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The card back in force, and where a chosen design is kept. The back lives as "hatlap.bmp" in
// the program folder; where a player cannot write that folder (an install shared by the whole
// machine) the player's own data folder keeps a "hatlap.bmp" of their own, which then wins.
//
// The back is a copy of one of the eight designs, hat0.bmp to hat7.bmp in the program folder. It
// has no double-size twin of its own: on a dense display it is shown from the twin of the design
// whose file it is a copy of, and from its own pixels when it is a copy of none.
#pragma once

#include "pictures.h"

#include <QString>

namespace media {

// "hatlap.bmp" in the player's data folder, whether or not it exists.
QString playerCardBackPath();

// The file a marked card shows: the player's own back when it exists, else the program folder's.
QString cardBackPath();

// Makes the design file the back in force, atomically. It replaces the back in force where that
// file can be written, else it writes the player's own back (creating the data folder), so the
// program folder is never changed by a player who cannot write it. On failure the back in force
// is untouched, and target and errorText (if given) say what could not be written and why.
bool saveCardBack(const QString& design, QString* target = nullptr, QString* errorText = nullptr);

// The design file whose content is the same as the back file's, wherever the back lies; empty
// when the back cannot be read or is a copy of no design.
QString designOfBack(const QString& backPath);

// The back at backPath, drawn for the display as every picture is.
QPixmap loadCardBack(const QString& backPath, qreal ratio = displayPixelRatio());

} // namespace media
