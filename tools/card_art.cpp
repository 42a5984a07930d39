// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <array>
#include <cmath>
#include <numbers>

namespace art {

namespace {

QPainterPath unitHeart() {
    QPainterPath p;
    p.moveTo(0.5, 0.98);
    p.cubicTo(0.2, 0.72, 0.0, 0.5, 0.0, 0.28);
    p.cubicTo(0.0, 0.1, 0.13, 0.0, 0.27, 0.0);
    p.cubicTo(0.39, 0.0, 0.47, 0.07, 0.5, 0.18);
    p.cubicTo(0.53, 0.07, 0.61, 0.0, 0.73, 0.0);
    p.cubicTo(0.87, 0.0, 1.0, 0.1, 1.0, 0.28);
    p.cubicTo(1.0, 0.5, 0.8, 0.72, 0.5, 0.98);
    p.closeSubpath();
    return p;
}

QPainterPath unitSpade() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.2, 0.3, 0.0, 0.45, 0.0, 0.6);
    p.cubicTo(0.0, 0.74, 0.11, 0.82, 0.24, 0.82);
    p.cubicTo(0.35, 0.82, 0.43, 0.77, 0.47, 0.7);
    p.cubicTo(0.46, 0.84, 0.4, 0.95, 0.3, 1.0);
    p.lineTo(0.7, 1.0);
    p.cubicTo(0.6, 0.95, 0.54, 0.84, 0.53, 0.7);
    p.cubicTo(0.57, 0.77, 0.65, 0.82, 0.76, 0.82);
    p.cubicTo(0.89, 0.82, 1.0, 0.74, 1.0, 0.6);
    p.cubicTo(1.0, 0.45, 0.8, 0.3, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

QPainterPath unitClub() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.addEllipse(QPointF(0.5, 0.25), 0.23, 0.23);
    p.addEllipse(QPointF(0.25, 0.6), 0.23, 0.23);
    p.addEllipse(QPointF(0.75, 0.6), 0.23, 0.23);
    p.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
    QPainterPath stem;
    stem.moveTo(0.47, 0.5);
    stem.cubicTo(0.46, 0.8, 0.4, 0.94, 0.3, 1.0);
    stem.lineTo(0.7, 1.0);
    stem.cubicTo(0.6, 0.94, 0.54, 0.8, 0.53, 0.5);
    stem.closeSubpath();
    p.addPath(stem);
    return p;
}

QPainterPath unitDiamond() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.7, 0.28, 0.9, 0.5);
    p.quadTo(0.7, 0.72, 0.5, 1.0);
    p.quadTo(0.3, 0.72, 0.1, 0.5);
    p.quadTo(0.3, 0.28, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

QString rankLabel(char rank) {
    return rank == '0' ? QStringLiteral("10") : QString(QChar(rank));
}

void drawPip(QPainter& p, char suit, QPointF centre, double w, double h, bool upsideDown) {
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.fillPath(suitPath(suit, QRectF(-w / 2, -h / 2, w, h)), suitColor(suit));
    p.restore();
}

// Pip centres in a unit box, columns 0, 0.5, 1, rows 0 (top) to 1 (bottom).
std::vector<QPointF> pipLayout(int count) {
    const std::vector<QPointF> sides6 = {
        {0, 0  },
        {1, 0  },
        {0, 0.5},
        {1, 0.5},
        {0, 1  },
        {1, 1  }
    };
    const std::vector<QPointF> sides8 = {
        {0, 0      },
        {1, 0      },
        {0, 1.0 / 3},
        {1, 1.0 / 3},
        {0, 2.0 / 3},
        {1, 2.0 / 3},
        {0, 1      },
        {1, 1      }
    };
    std::vector<QPointF> v;
    switch (count) {
    case 2:
        v = {
            {0.5, 0},
            {0.5, 1}
        };
        break;
    case 3:
        v = {
            {0.5, 0  },
            {0.5, 0.5},
            {0.5, 1  }
        };
        break;
    case 4:
        v = {
            {0, 0},
            {1, 0},
            {0, 1},
            {1, 1}
        };
        break;
    case 5:
        v = {
            {0,   0  },
            {1,   0  },
            {0.5, 0.5},
            {0,   1  },
            {1,   1  }
        };
        break;
    case 6:
        v = sides6;
        break;
    case 7:
        v = sides6;
        v.push_back({0.5, 0.25});
        break;
    case 8:
        v = sides6;
        v.push_back({0.5, 0.25});
        v.push_back({0.5, 0.75});
        break;
    case 9:
        v = sides8;
        v.push_back({0.5, 0.5});
        break;
    case 10:
        v = sides8;
        v.push_back({0.5, 1.0 / 6});
        v.push_back({0.5, 5.0 / 6});
        break;
    default:
        break;
    }
    return v;
}

void drawIndex(QPainter& p, char rank, char suit) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    if (rank == '0')
        font.setStretch(QFont::Condensed);
    p.setFont(font);
    p.setPen(suitColor(suit));
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(cardWidth, cardHeight);
            p.rotate(180);
        }
        p.drawText(QRectF(1, 2, 13, 12), Qt::AlignHCenter | Qt::AlignTop, rankLabel(rank));
        drawPip(p, suit, QPointF(7.5, 19.5), 8, 9, false);
        p.restore();
    }
}

// One half of a court figure, drawn above the card's horizontal middle line; the other half is
// the same figure turned about the centre, as on real court cards.
void drawCourtHalf(QPainter& p, char rank, char suit, const QRectF& frame) {
    const QColor ink = suitColor(suit);
    const QColor robe = rank == 'K'   ? QColor(176, 30, 40)
                        : rank == 'Q' ? QColor(40, 70, 160)
                                      : QColor(30, 120, 60);
    const QColor gold(222, 176, 40);
    const double cx = frame.center().x();
    const double mid = frame.center().y();
    const double top = frame.top();
    // Shoulders and robe.
    QPainterPath body;
    body.moveTo(frame.left() + 3, mid);
    body.cubicTo(frame.left() + 4, top + 26, cx - 10, top + 22, cx, top + 22);
    body.cubicTo(cx + 10, top + 22, frame.right() - 4, top + 26, frame.right() - 3, mid);
    body.closeSubpath();
    p.fillPath(body, robe);
    p.setPen(QPen(Qt::black, 0.6));
    p.drawPath(body);
    // Collar stripes.
    p.setPen(QPen(gold, 1.6));
    p.drawLine(QPointF(cx - 8, top + 25), QPointF(cx - 3, mid));
    p.drawLine(QPointF(cx + 8, top + 25), QPointF(cx + 3, mid));
    // Head.
    p.setPen(QPen(Qt::black, 0.6));
    p.setBrush(QColor(250, 214, 170));
    p.drawEllipse(QPointF(cx, top + 15), 6, 7);
    // Eyes.
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(cx - 2.2, top + 14), 0.7, 0.7);
    p.drawEllipse(QPointF(cx + 2.2, top + 14), 0.7, 0.7);
    // Headwear: a pointed crown, a rounded crown or a feathered cap.
    p.setBrush(gold);
    QPainterPath hat;
    if (rank == 'K') {
        hat.moveTo(cx - 7, top + 10);
        hat.lineTo(cx - 7, top + 3);
        hat.lineTo(cx - 3.5, top + 6.5);
        hat.lineTo(cx, top + 1.5);
        hat.lineTo(cx + 3.5, top + 6.5);
        hat.lineTo(cx + 7, top + 3);
        hat.lineTo(cx + 7, top + 10);
        hat.closeSubpath();
    } else if (rank == 'Q') {
        hat.moveTo(cx - 6.5, top + 10);
        hat.cubicTo(cx - 7, top + 4, cx - 3, top + 3, cx, top + 5);
        hat.cubicTo(cx + 3, top + 3, cx + 7, top + 4, cx + 6.5, top + 10);
        hat.closeSubpath();
        hat.addEllipse(QPointF(cx, top + 3.2), 1.6, 1.6);
    } else {
        hat.moveTo(cx - 7, top + 10);
        hat.cubicTo(cx - 6, top + 4, cx + 6, top + 4, cx + 7, top + 10);
        hat.closeSubpath();
        p.setBrush(robe.lighter(130));
    }
    p.drawPath(hat);
    if (rank == 'J') {
        p.setPen(QPen(ink, 1.4));
        p.drawLine(QPointF(cx + 4, top + 6), QPointF(cx + 10, top + 1.5));
    }
    // The suit in the robe.
    drawPip(p, suit, QPointF(frame.right() - 8, top + 33), 7, 8, false);
}

void drawCourt(QPainter& p, char rank, char suit) {
    const QRectF frame(13.5, 11.5, 44, 73);
    p.fillRect(frame, QColor(252, 246, 224));
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2));
        drawCourtHalf(p, rank, suit, frame);
        p.restore();
    }
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.drawLine(QPointF(frame.left() + 2, frame.bottom() - 2),
               QPointF(frame.right() - 2, frame.top() + 2 + frame.height() / 2 - 2));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(suitColor(suit), 1));
    p.drawRect(frame);
}

// A five-pointed star of outer radius r about the centre, one point up.
QPainterPath star(QPointF centre, double r) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double radius = i % 2 ? r * 0.42 : r;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// "JOKER" down the corner, a letter a line, as real decks write it; a star below.
void drawJokerIndex(QPainter& p) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(cardWidth, cardHeight);
            p.rotate(180);
        }
        const QColor ink = corner == 0 ? suitColor('h') : suitColor('s');
        p.setPen(ink);
        const QString word = QStringLiteral("JOKER");
        for (int i = 0; i < word.size(); ++i)
            p.drawText(QRectF(1, 3 + i * 8, 13, 9), Qt::AlignHCenter | Qt::AlignVCenter,
                       word.mid(i, 1));
        p.fillPath(star(QPointF(7.5, 48), 3.6), ink);
        p.restore();
    }
}

// A jester in a framed picture, as the court cards have theirs: the three-pointed cap with its
// bells, the face, a ruff, and a motley of red and black diamonds; gold stars about the cap.
void drawJester(QPainter& p) {
    const QRectF frame(13.5, 11.5, 44, 73);
    const QColor red = suitColor('h'), black = suitColor('s');
    const QColor gold(222, 176, 40), blue(40, 70, 160), skin(250, 214, 170);
    p.fillRect(frame, QColor(252, 246, 224));
    p.save();
    p.setClipRect(frame);
    const double cx = frame.center().x();
    const QPen outline(Qt::black, 0.6);
    // The motley: diamonds in red and black down to the frame's bottom, under the shoulders.
    QPainterPath body;
    body.moveTo(frame.left() + 3, frame.bottom());
    body.cubicTo(frame.left() + 3, 60, cx - 12, 55, cx, 55);
    body.cubicTo(cx + 12, 55, frame.right() - 3, 60, frame.right() - 3, frame.bottom());
    body.closeSubpath();
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    for (int row = 0; row < 6; ++row)
        for (int col = -3; col <= 3; ++col) {
            const QPointF c(cx + col * 8 + (row % 2) * 4, 57 + row * 6);
            QPainterPath diamond;
            diamond.moveTo(c + QPointF(0, -3.5));
            diamond.lineTo(c + QPointF(4, 0));
            diamond.lineTo(c + QPointF(0, 3.5));
            diamond.lineTo(c + QPointF(-4, 0));
            diamond.closeSubpath();
            p.fillPath(diamond, (col + row) % 2 ? red : black);
        }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(outline);
    p.drawPath(body);
    // Buttons down the front.
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(cx, 65 + i * 6.5), 1.3, 1.3);
    // The ruff: points in turn red and gold about the neck.
    for (int i = 0; i < 8; ++i) {
        const double x = cx - 12 + i * 3;
        QPainterPath point;
        point.moveTo(x, 50);
        point.lineTo(x + 3, 50);
        point.lineTo(x + 1.5, 57);
        point.closeSubpath();
        p.setPen(QPen(Qt::black, 0.4));
        p.setBrush(i % 2 ? gold : red);
        p.drawPath(point);
    }
    // The face, smiling, with red cheeks.
    p.setPen(outline);
    p.setBrush(skin);
    p.drawEllipse(QPointF(cx, 43), 6.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 110, 150));
    p.drawEllipse(QPointF(cx - 3.8, 45.5), 1.5, 1.1);
    p.drawEllipse(QPointF(cx + 3.8, 45.5), 1.5, 1.1);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(cx - 2.3, 42), 0.75, 0.9);
    p.drawEllipse(QPointF(cx + 2.3, 42), 0.75, 0.9);
    p.setPen(QPen(Qt::black, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 3, 43.5, 6, 4), 200 * 16, 140 * 16);
    // The cap: three floppy points, red, blue and black, each ending in a gold bell.
    struct Point {
        QPointF tip, control1, control2;
        QColor colour;
    };
    const std::array<Point, 3> points = {
        Point{QPointF(cx - 17, 37), QPointF(cx - 14, 22), QPointF(cx - 22, 28), red  },
        Point{QPointF(cx,      15), QPointF(cx - 6,  24), QPointF(cx + 2,  19), blue },
        Point{QPointF(cx + 17, 37), QPointF(cx + 14, 22), QPointF(cx + 22, 28), black},
    };
    const double brimLeft = cx - 7, brimRight = cx + 7, brim = 37;
    for (const Point& pt : points) {
        QPainterPath cap;
        const double side = pt.tip.x() < cx ? -1 : pt.tip.x() > cx ? 1 : 0;
        const QPointF inner(side < 0 ? brimLeft + 5 : side > 0 ? brimRight - 5 : cx + 4, brim);
        const QPointF outer(side < 0 ? brimLeft : side > 0 ? brimRight : cx - 4, brim);
        cap.moveTo(outer);
        cap.cubicTo(pt.control1 + QPointF(side * -3, 0), pt.control2, pt.tip);
        cap.cubicTo(pt.control2 + QPointF(side * 3, 4), pt.control1 + QPointF(side * 3, 6), inner);
        cap.closeSubpath();
        p.setPen(outline);
        p.setBrush(pt.colour);
        p.drawPath(cap);
    }
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(brimLeft - 0.5, brim - 2, 15, 3.5), 1.5, 1.5);
    for (const Point& pt : points)
        p.drawEllipse(pt.tip, 2.2, 2.2);
    // Stars about the cap.
    p.setPen(Qt::NoPen);
    for (const QPointF& c : {QPointF(frame.left() + 6, 17), QPointF(frame.right() - 6, 17),
                             QPointF(frame.left() + 5, 48), QPointF(frame.right() - 5, 48)})
        p.fillPath(star(c, 2.8), gold);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(red, 1));
    p.drawRect(frame);
}

QImage blankCard(int scale) {
    QImage img = canvas(cardWidth, cardHeight, scale);
    img.fill(QColor(239, 239, 239)); // the window's grey shows at the rounded corners
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, cardWidth - 1, cardHeight - 1), 5, 5);
    return img;
}

} // namespace

QImage canvas(int width, int height, int scale, QImage::Format format) {
    QImage img(width * scale, height * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}

QRect area(const QImage& picture) {
    return QRect(QPoint(), picture.deviceIndependentSize().toSize());
}

QPainterPath suitPath(char suit, const QRectF& box) {
    QPainterPath unit;
    switch (suit) {
    case 'h':
        unit = unitHeart();
        break;
    case 's':
        unit = unitSpade();
        break;
    case 'c':
        unit = unitClub();
        break;
    default:
        unit = unitDiamond();
        break;
    }
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    return t.map(unit);
}

QColor suitColor(char suit) {
    return suit == 'h' || suit == 'd' ? QColor(200, 16, 32) : QColor(20, 20, 20);
}

QImage cardFace(char rank, char suit, int scale) {
    QImage img = blankCard(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawIndex(p, rank, suit);
    if (rank == 'A') {
        const double size = suit == 's' ? 34 : 28;
        drawPip(p, suit, QPointF(cardWidth / 2.0, cardHeight / 2.0), size, size * 1.1, false);
        if (suit == 's') {
            p.setPen(QPen(QColor(20, 20, 20), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(cardWidth / 2.0, cardHeight / 2.0), 23, 25);
        }
    } else if (rank == 'J' || rank == 'Q' || rank == 'K') {
        drawCourt(p, rank, suit);
    } else {
        const int count = rank == '0' ? 10 : rank - '0';
        const QRectF area(19.5, 16, 32, 64);
        for (const QPointF& u : pipLayout(count)) {
            const QPointF c(area.left() + u.x() * area.width(), area.top() + u.y() * area.height());
            drawPip(p, suit, c, 11, 12.5, u.y() > 0.5);
        }
    }
    return img;
}

QImage jokerFace(int scale) {
    QImage img = blankCard(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawJokerIndex(p);
    drawJester(p);
    return img;
}

QImage cardBack(int design, int scale) {
    QImage img = blankCard(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner(4, 4, cardWidth - 8, cardHeight - 8);
    QPainterPath clip;
    clip.addRoundedRect(inner, 3, 3);
    p.setClipPath(clip);
    QRandomGenerator rng(static_cast<quint32>(1000 + design)); // fixed: the same back every build
    switch (design) {
    case 0: { // "Standard kék": fine blue lattice
        p.fillRect(inner, QColor(24, 60, 150));
        p.setPen(QPen(QColor(120, 160, 235), 1));
        for (int d = -100; d < 100; d += 6) {
            p.drawLine(QPointF(d, 0), QPointF(d + 100, 100));
            p.drawLine(QPointF(d + 100, 0), QPointF(d, 100));
        }
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(inner.adjusted(4, 4, -4, -4), 2, 2);
        break;
    }
    case 1: { // "Berakásos": mosaic of blue tiles
        const std::array<QColor, 5> blues = {QColor(18, 50, 130), QColor(40, 90, 180),
                                             QColor(80, 130, 210), QColor(150, 185, 235),
                                             QColor(230, 240, 252)};
        for (int y = 0; y < cardHeight; y += 7)
            for (int x = 0; x < cardWidth; x += 7) {
                QPolygonF a{QPointF(x, y), QPointF(x + 7, y), QPointF(x, y + 7)};
                QPolygonF b{QPointF(x + 7, y), QPointF(x + 7, y + 7), QPointF(x, y + 7)};
                p.setPen(Qt::NoPen);
                p.setBrush(blues[rng.bounded(5)]);
                p.drawPolygon(a);
                p.setBrush(blues[rng.bounded(5)]);
                p.drawPolygon(b);
            }
        break;
    }
    case 2:   // "Moonveil": veiled portrait under a crescent moon
    case 3: { // "Starveil": veiled portrait under stars
        QLinearGradient g(inner.topLeft(), inner.bottomLeft());
        g.setColorAt(0, design == 2 ? QColor(20, 24, 70) : QColor(60, 20, 80));
        g.setColorAt(1, design == 2 ? QColor(90, 80, 150) : QColor(160, 70, 140));
        p.fillRect(inner, g);
        p.setPen(Qt::NoPen);
        if (design == 2) {
            p.setBrush(QColor(250, 240, 190));
            p.drawEllipse(QPointF(50, 18), 9, 9);
            p.setBrush(g.stops().first().second);
            p.drawEllipse(QPointF(46, 15), 8, 8);
        } else {
            p.setBrush(QColor(255, 250, 210));
            for (int i = 0; i < 18; ++i)
                p.drawEllipse(QPointF(6 + rng.bounded(60), 6 + rng.bounded(40)), 0.9, 0.9);
        }
        QPainterPath veil;
        veil.moveTo(14, 92);
        veil.cubicTo(14, 50, 22, 28, 36, 28);
        veil.cubicTo(50, 28, 58, 50, 58, 92);
        veil.closeSubpath();
        p.setBrush(QColor(230, 225, 250, 150));
        p.drawPath(veil);
        p.setBrush(QColor(240, 205, 180));
        p.drawEllipse(QPointF(36, 44), 8, 10);
        p.setBrush(design == 2 ? QColor(60, 40, 30) : QColor(190, 130, 60));
        p.drawChord(QRectF(27, 33, 18, 16), 0, 180 * 16);
        p.setBrush(QColor(200, 190, 230, 170));
        p.drawRect(QRectF(26, 56, 20, 36));
        break;
    }
    case 4: { // "Unicum": a round bottle beside its box
        p.fillRect(inner, QColor(245, 232, 200));
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(QColor(170, 30, 30));
        p.drawRect(QRectF(40, 40, 24, 46)); // box
        p.setBrush(QColor(230, 200, 90));
        p.drawRect(QRectF(43, 50, 18, 10));
        p.setBrush(QColor(25, 35, 25));
        p.drawEllipse(QPointF(24, 68), 15, 17); // bottle
        p.drawRect(QRectF(20, 30, 8, 24));
        p.setBrush(QColor(200, 30, 30));
        p.drawRect(QRectF(19, 26, 10, 6));
        p.setBrush(QColor(240, 220, 120));
        p.drawEllipse(QPointF(24, 68), 7, 7);
        p.setPen(QPen(QColor(200, 30, 30), 2));
        p.drawLine(QPointF(24, 63), QPointF(24, 73));
        p.drawLine(QPointF(19, 68), QPointF(29, 68));
        break;
    }
    case 5:   // "Kisfiú": a little boy
    case 6: { // "Kislány": a little girl
        const bool girl = design == 6;
        p.fillRect(inner, girl ? QColor(250, 215, 230) : QColor(200, 225, 250));
        p.setPen(QPen(Qt::black, 0.7));
        p.setBrush(girl ? QColor(220, 70, 130) : QColor(40, 100, 190));
        QPainterPath clothes;
        clothes.moveTo(girl ? 14 : 20, 92);
        clothes.lineTo(girl ? 22 : 22, 58);
        clothes.cubicTo(28, 52, 44, 52, 50, 58);
        clothes.lineTo(girl ? 58 : 52, 92);
        clothes.closeSubpath();
        p.drawPath(clothes);
        p.setBrush(QColor(245, 210, 175));
        p.drawEllipse(QPointF(36, 40), 11, 12);
        p.setBrush(girl ? QColor(150, 90, 40) : QColor(230, 190, 80));
        p.drawChord(QRectF(24, 27, 24, 18), 0, 180 * 16);
        if (girl) {
            p.drawEllipse(QPointF(22, 40), 4, 7);
            p.drawEllipse(QPointF(50, 40), 4, 7);
            p.setBrush(QColor(220, 70, 130));
            p.drawEllipse(QPointF(22, 32), 2.5, 2.5);
            p.drawEllipse(QPointF(50, 32), 2.5, 2.5);
        }
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(32, 41), 1.2, 1.2);
        p.drawEllipse(QPointF(40, 41), 1.2, 1.2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(32, 43, 8, 5), 200 * 16, 140 * 16);
        break;
    }
    default: { // "Névjegy": the maker's name on a red brick wall
        p.fillRect(inner, QColor(190, 180, 170));
        p.setPen(Qt::NoPen);
        for (int row = 0; row * 8 < cardHeight; ++row)
            for (int x = (row % 2) * -8; x < cardWidth; x += 16) {
                p.setBrush(QColor(150 + rng.bounded(40), 45 + rng.bounded(20), 35));
                p.drawRect(QRectF(x + 1, row * 8 + 1, 14, 6));
            }
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.save();
        p.translate(cardWidth / 2.0, cardHeight / 2.0);
        p.rotate(-60);
        p.setPen(QColor(0, 0, 0, 120));
        p.drawText(QRectF(-40, -9, 81, 20), Qt::AlignCenter, QStringLiteral("Morvane"));
        p.setPen(QColor(250, 250, 240));
        p.drawText(QRectF(-41, -10, 81, 20), Qt::AlignCenter, QStringLiteral("Morvane"));
        p.restore();
        break;
    }
    }
    return img;
}

} // namespace art
