// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Window geometry is designed in twips: 15 twips to the pixel at 96 dots per inch.
#pragma once

#include <QLine>
#include <QRect>
#include <cmath>

namespace controls {

constexpr int twipsPerPixel = 15;

constexpr int px(int twips) {
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

constexpr QRect pxRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr QLine pxLine(int x1, int y1, int x2, int y2) {
    return QLine(px(x1), px(y1), px(x2), px(y2));
}

} // namespace controls
