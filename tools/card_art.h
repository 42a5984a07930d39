// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Card faces and card backs, drawn with vector paths at 71 x 96 pixels, or at a whole multiple of
// that for high-density screens.
#pragma once

#include <QImage>
#include <QPainterPath>

namespace art {

inline constexpr int cardWidth = 71;
inline constexpr int cardHeight = 96;

// A blank picture of width x height pixels at `scale` device pixels per pixel: a painter on it
// works in the single-size coordinates at any scale.
QImage canvas(int width, int height, int scale, QImage::Format format = QImage::Format_RGB32);
// The picture's area in those coordinates.
QRect area(const QImage& picture);

// A suit symbol filling the rectangle; suit is 'c', 'd', 'h' or 's'.
QPainterPath suitPath(char suit, const QRectF& box);
QColor suitColor(char suit);

// rank is the rank character ('0' the ten, '2'..'9', 'J', 'Q', 'K', 'A').
QImage cardFace(char rank, char suit, int scale = 1);
// The joker of a 53-card deck, in the style of the faces.
QImage jokerFace(int scale = 1);
// Designs 0..7.
QImage cardBack(int design, int scale = 1);

} // namespace art
