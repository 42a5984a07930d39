// A picture box: draws its picture unscaled from the top-left corner of its inside, clipped,
// within a sunken border (or none). Clicked by the mouse, or by Space or Enter when focused.
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
