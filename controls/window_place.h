// Where a window opens on the screen.
#pragma once

class QWidget;

namespace controls {

// Moves window so that it stands centred over `over`, kept whole within the usable area of the
// screen that `over` is on. A platform that does not let a window place itself ignores the move.
void centreOver(QWidget* window, const QWidget* over);

} // namespace controls
