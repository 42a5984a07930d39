// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "focus_mark.h"

#include <QEvent>
#include <QPainter>
#include <QPen>
#include <QWidget>

namespace controls {

void drawFocusMark(QWidget* widget, QPainter& painter) {
    if (!widget->hasFocus())
        return;
    // A dashed rectangle in the highlight colour, just inside the edge: seen on the tooltip
    // yellow of the money boxes and on a card picture alike.
    QPen pen(widget->palette().color(QPalette::Highlight), 2, Qt::DashLine);
    painter.save();
    painter.setClipping(false);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(widget->rect().adjusted(1, 1, -2, -2));
    painter.restore();
}

namespace {
class FocusMarkFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || event->type() != QEvent::Paint || !widget->hasFocus())
            return false;
        // Let the widget paint itself first, then draw the mark over it.
        static_cast<QObject*>(widget)->event(event);
        QPainter painter(widget);
        drawFocusMark(widget, painter);
        return true;
    }
};
} // namespace

void markFocus(QWidget* widget) {
    widget->installEventFilter(new FocusMarkFilter(widget));
}

} // namespace controls
