// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box: draws its picture unscaled from the top-left corner of its inside, clipped,
// within a sunken border (or none). Clicked by the mouse, or by Space when focused; a focused
// box shows the focus mark. To a screen reader a box that can be clicked is a button.
#pragma once

#include <QFrame>
#include <QPixmap>

namespace controls {

class PictureBox : public QFrame {
    Q_OBJECT
  public:
    PictureBox(QWidget* parent, bool border);
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    bool hasPicture() const { return !picture_.isNull(); }
    // Clicks the box as the mouse does; nothing while the box (or its window) is disabled.
    void click();
    // Whether anything listens to the box's clicks.
    bool clickable() const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPixmap picture_;
};

} // namespace controls
