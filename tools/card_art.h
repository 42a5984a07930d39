// Card faces and card backs, drawn with vector paths at 71 x 96 pixels.
#pragma once

#include <QImage>
#include <QPainterPath>

namespace art {

inline constexpr int cardWidth = 71;
inline constexpr int cardHeight = 96;

// A suit symbol filling the rectangle; suit is 'c', 'd', 'h' or 's'.
QPainterPath suitPath(char suit, const QRectF& box);
QColor suitColor(char suit);

// rank is the rank character ('0' the ten, '2'..'9', 'J', 'Q', 'K', 'A').
QImage cardFace(char rank, char suit);
// Designs 0..7.
QImage cardBack(int design);

} // namespace art
