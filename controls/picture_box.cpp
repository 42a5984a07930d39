#include "picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

PictureBox::PictureBox(QWidget* parent, bool border) : QFrame(parent) {
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

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter p(this);
    // A picture drawn for another density is reduced smoothly, never blocky; at its own density
    // it is copied pixel for pixel.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setClipRect(contentsRect());
    p.drawPixmap(contentsRect().topLeft(), picture_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        emit clicked();
    else
        QFrame::keyPressEvent(event);
}

} // namespace controls
