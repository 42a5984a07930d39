// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_keys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace controls {

bool questionKey(QWidget* window, QKeyEvent* event, const std::function<void()>& no) {
    switch (event->key()) {
    case Qt::Key_Escape:
        no();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(window->focusWidget()))
            button->click();
        return true;
    default:
        return false;
    }
}

bool closeOnEscape(QWidget* window, QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier)
        return false;
    window->close();
    return true;
}

} // namespace controls
