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

// Moves window beside `beside`, never over it where the screen leaves room.
void placeBeside(QWidget* window, const QWidget* beside);
// Where a window of the given frame size goes beside another's frame within the screen's
// available area: right of it, else left of it, else as near as the screen allows.
QPoint besidePosition(const QRect& beside, const QSize& frame, const QRect& area);

} // namespace controls
