// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The visible mark of the keyboard focus on controls that the style draws none on: picture
// boxes, labels that take the focus.
#pragma once

class QPainter;
class QWidget;

namespace controls {

// Draws the focus mark of widget when it has the focus; call at the end of its paint event.
void drawFocusMark(QWidget* widget, QPainter& painter);

// Makes a widget of a stock class (a label) draw the focus mark over what it paints itself.
void markFocus(QWidget* widget);

} // namespace controls
