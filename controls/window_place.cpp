// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_place.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <tuple>

namespace controls {

namespace {
// Where a window of that size at p stands wholly within the area; one larger than the area keeps
// its top-left corner on it.
QPoint withinArea(QPoint p, const QSize& size, const QRect& area) {
    p.setX(std::clamp(p.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    p.setY(std::clamp(p.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    return p;
}

std::int64_t overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : std::int64_t(both.width()) * both.height();
}
} // namespace

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
    if (const QScreen* screen = over->screen())
        frame.moveTopLeft(withinArea(frame.topLeft(), frame.size(), screen->availableGeometry()));
    window->move(frame.topLeft());
}

QPoint besidePosition(const QRect& t, const QSize& frame, const QRect& area,
                      const QRect& keepClear) {
    const int gap = 8, w = frame.width(), h = frame.height();
    const auto inArea = [&](QPoint p) { return withinArea(p, frame, area); };
    // Every place that stands clear of the table or of keepClear, or flush with an edge of the
    // area, if there is one, is among these: each of them beside or above or below one of the
    // two, or against the area's edges.
    const QRect k = keepClear.isEmpty() ? t : keepClear;
    const int xs[] = {t.right() + 1 + gap, t.left() - gap - w, t.right() + 1, t.left() - w,
                      k.right() + 1,       k.left() - w,       area.left(),   area.right() + 1 - w};
    const int ys[] = {t.top(),        t.bottom() + 1 + gap, t.top() - gap - h,
                      t.bottom() + 1, t.top() - h,          k.bottom() + 1,
                      k.top() - h,    area.top(),           area.bottom() + 1 - h};
    const QPoint right = inArea(QPoint(xs[0], ys[0])), left = inArea(QPoint(xs[1], ys[0]));
    using Cost = std::tuple<std::int64_t, std::int64_t, int, int>;
    QPoint best;
    std::optional<Cost> bestCost;
    for (const int y : ys)
        for (const int x : xs) {
            const QPoint p = inArea(QPoint(x, y));
            const QRect r(p, frame);
            const int rank = p == right ? 0 : p == left ? 1 : 2;
            const Cost cost{overlap(r, keepClear), overlap(r, t), rank,
                            (p - right).manhattanLength()};
            if (!bestCost || cost < *bestCost) {
                best = p;
                bestCost = cost;
            }
        }
    return best;
}

void placeBeside(QWidget* window, const QWidget* beside, const QRect& keepClear) {
    const QScreen* screen = beside->screen();
    // Where the platform gives a window its frame when it is made (Windows), the real one counts;
    // elsewhere the frame is known only after the first showing, and is reckoned from the other
    // window's title bar and border.
    window->winId();
    QSize frame = window->frameGeometry().size();
    if (frame == window->size())
        frame += beside->frameGeometry().size() - beside->size();
    const QRect clear =
        keepClear.isEmpty() ? QRect() : keepClear.translated(beside->mapToGlobal(QPoint(0, 0)));
    window->move(besidePosition(beside->frameGeometry(), frame,
                                screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080),
                                clear));
}

} // namespace controls
