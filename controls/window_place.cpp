#include "window_place.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace controls {

void centreOver(QWidget* window, const QWidget* over) {
    // Before its first showing a window knows no frame of its own: it will have one like the
    // window it opens over.
    QRect frame = window->frameGeometry();
    if (frame == window->geometry()) {
        const QRect outer = over->frameGeometry(), inner = over->geometry();
        frame += QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                          outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
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
