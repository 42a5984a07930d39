// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_box.h"

#include "accessible.h"
#include "focus_mark.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

namespace {

// A box that takes clicks is read as a button with a press action; any other as a picture.
class AccessiblePictureBox : public PressableAccessible<PictureBox> {
  public:
    explicit AccessiblePictureBox(PictureBox* box)
        : PressableAccessible(box, QAccessible::Graphic) {}
    QAccessible::Role role() const override {
        return control()->clickable() ? QAccessible::Button : QAccessible::Graphic;
    }

  protected:
    bool pressable() const override { return control()->clickable(); }
};

QAccessibleInterface* accessibleFactory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<PictureBox*>(object))
        return new AccessiblePictureBox(box);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent, bool border) : QFrame(parent) {
    installAccessibleFactory<accessibleFactory>();
    if (border) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureBox::click() {
    if (isEnabled())
        emit clicked();
}

bool PictureBox::clickable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&PictureBox::clicked));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    if (!picture_.isNull()) {
        // A picture drawn for another density is reduced smoothly, never blocky; at its own
        // density it is copied pixel for pixel.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setClipRect(contentsRect());
        p.drawPixmap(contentsRect().topLeft(), picture_);
    }
    drawFocusMark(this, p);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    // Space clicks the focused box as it does a button; Enter belongs to the window.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit clicked();
    else
        QFrame::keyPressEvent(event);
}

} // namespace controls
