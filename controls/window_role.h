// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The role a window plays for a screen reader: a plain widget window reads as a bare panel, so
// the windows say what they are (the table a window, the restart question a dialog), and a
// screen reader announces them as such when they open.
#pragma once

#include <QAccessible>

class QWidget;

namespace controls {

void setWindowRole(QWidget* window, QAccessible::Role role);

// The same for a control inside a window: a tab widget's page stack, which a screen reader would
// otherwise name by its role ("layered pane") each time the focus enters a page, reads as a
// plain grouping that it passes over.
void setControlRole(QWidget* control, QAccessible::Role role);

} // namespace controls
