// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_owner.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace controls {

namespace {

class OwnedWindowsKeeper final : public QObject {
  public:
    explicit OwnedWindowsKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // By now Qt has disabled the owned windows too; those that had not been disabled on
        // their own (Qt::WA_ForceDisabled) are enabled again.
        if (watched == window_ && event->type() == QEvent::EnabledChange && !window_->isEnabled())
            for (QObject* child : window_->children())
                if (auto* owned = qobject_cast<QWidget*>(child);
                    owned && owned->isWindow() && !owned->testAttribute(Qt::WA_ForceDisabled))
                    owned->setEnabled(true);
        return false;
    }

  private:
    QWidget* window_;
};

} // namespace

void keepOwnedWindowsEnabled(QWidget* window) {
    new OwnedWindowsKeeper(window);
}

} // namespace controls
