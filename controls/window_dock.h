// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that open beside another one. Where the platform lets a program place its windows
// (X11, Windows), such a window opens as a window of its own beside its host. Where it does not
// (Wayland: the compositor places every window, wherever it likes, over the host too), it is
// docked instead: the host's window grows by a side panel right of its own area, which stays as
// it is, and the panel holds the windows asked for, one page each, the last asked for in front.
#pragma once

#include <QRect>

class QWidget;

namespace controls {

// Whether the windows that the program opens stand where it puts them.
bool windowsPlaceThemselves();

// Opens window beside host, or brings it to the front when it is open, and gives it the focus.
// Where windows place themselves: placed beside host the first time (never over keepClear, in
// host's coordinates, where the screen leaves room), shown, raised and activated. Elsewhere:
// docked in host's side panel as its front page. A docked window leaves the panel when it is
// closed or hidden, and the host shrinks back when none is left.
void showBeside(QWidget* window, QWidget* host, const QRect& keepClear = {});

// The docked window that w is in (w itself, or one of its controls), else null.
QWidget* dockedWindowOf(const QWidget* w);
// Whether window is open: shown, or docked behind another page of its host's panel.
bool isOpen(const QWidget* window);

} // namespace controls
