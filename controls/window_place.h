// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window opens on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace controls {

// Moves window so that it stands centred over `over`, kept whole within the usable area of the
// screen that `over` is on. A platform that does not let a window place itself ignores the move.
void centreOver(QWidget* window, const QWidget* over);

// Moves window beside `beside`, never over it where the screen leaves room; where it must cover
// some of it, never over `keepClear` (in `beside`'s coordinates) where any place avoids that.
// The window's frame is its real one where the platform knows it before the first showing.
void placeBeside(QWidget* window, const QWidget* beside, const QRect& keepClear = {});
// Where a window of the given frame size goes beside another's frame within the screen's
// available area (all in screen coordinates), always wholly within the area (its top-left corner
// where the window is larger). Right of it, else left of it, top edges level; where neither
// leaves room, wherever it covers least of keepClear, then least of the other window, then
// stands nearest the place right of it.
QPoint besidePosition(const QRect& beside, const QSize& frame, const QRect& area,
                      const QRect& keepClear = {});

} // namespace controls
