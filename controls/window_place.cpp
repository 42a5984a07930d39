#include "window_place.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace controls {

void centreOver(QWidget* window, const QWidget* over) {
    // Before its first showing a window knows no frame of its own; its client area stands in.
    QRect frame = window->frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    if (const QScreen* screen = over->screen()) {
        const QRect usable = screen->availableGeometry();
        // A window larger than the screen keeps its top-left corner on it.
        frame.moveLeft(
            std::max(usable.left(), std::min(frame.left(), usable.right() - frame.width() + 1)));
        frame.moveTop(
            std::max(usable.top(), std::min(frame.top(), usable.bottom() - frame.height() + 1)));
    }
    window->move(frame.topLeft());
}

} // namespace controls
