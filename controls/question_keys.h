// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of a small question window (the restart question, the warning before an exchange):
// Escape answers no, Enter presses the focused button; and of a window that Escape closes.
#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

namespace controls {

// Handles the key for the window; false when it is none of these keys and goes on as usual.
bool questionKey(QWidget* window, QKeyEvent* event, const std::function<void()>& no);

// A window that Escape closes (the trainer's windows); false for any other key.
bool closeOnEscape(QWidget* window, QKeyEvent* event);

} // namespace controls
