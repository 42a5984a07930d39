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

QPoint besidePosition(const QRect& t, const QSize& frame, const QRect& area) {
    const int gap = 8;
    QPoint at(t.right() + 1 + gap, t.top());
    if (at.x() + frame.width() > area.right() + 1 && t.left() - gap - frame.width() >= area.left())
        at.setX(t.left() - gap - frame.width());
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
    return at;
}

void placeBeside(QWidget* window, const QWidget* beside) {
    const QScreen* screen = beside->screen();
    // The window's frame is not known before it is first shown; the title bar and the border
    // are reckoned from the other window's.
    const QSize frame = window->size() + (beside->frameGeometry().size() - beside->size());
    window->move(besidePosition(beside->frameGeometry(), frame,
                                screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080)));
}

} // namespace controls
