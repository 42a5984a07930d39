// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows a window owns (its dialogs: made with it as their parent, so that the desktop
// keeps them with it, above it, and centres a modal one over it) stay usable when the window is
// disabled as a whole: a question that disables the window it asks about must still take its
// answer. Qt would disable them along with it, as it does the window's own controls.
#pragma once

class QWidget;

namespace controls {

// From now on, disabling window leaves the windows it owns enabled, unless one was disabled
// by itself.
void keepOwnedWindowsEnabled(QWidget* window);

} // namespace controls
