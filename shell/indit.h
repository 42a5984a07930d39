// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up splash: two pictures one after the other, then the game table. It takes no
// input and cannot be skipped.
#pragma once

#include <QTimer>
#include <QWidget>

namespace controls {
class PictureBox;
}

class indit : public QWidget {
    Q_OBJECT
  public:
    static constexpr int tickMilliseconds = 150;
    // Loads the splash: shows "splash2.jpg" and starts the timer.
    indit();

    void Timer1_Timer();
    int tickCount() const { return tickCount_; }
    QTimer& timer() { return Timer1; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    controls::PictureBox* Picture1;
    QTimer Timer1;
    int tickCount_ = 1;
    bool closing_ = false;
};
