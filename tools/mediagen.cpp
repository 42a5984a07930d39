// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every media file of the program:
// usage `mediagen PROGRAM_FOLDER DESIGN_FOLDER ICON_FOLDER`.
// The program folder receives the files the program reads at run time (cards, backs, pictures,
// sounds, cursors); the design folder the pictures compiled into the windows; the icon folder
// the application icon for the desktop's menus, as icon-SIZE.png and a scalable icon.svg. Every
// picture and cursor also gets a double-size twin beside it for high-density screens
// ("As@2x.bmp"), drawn from the same shapes. An existing "hatlap.bmp" is never overwritten: it
// holds the player's chosen card back; it has no twin, the game shows the twin of the design it
// is a copy of.
#include "card_art.h"

#include <QConicalGradient>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSvgGenerator>
#include <QtEndian>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

QString outDir, designDir, iconDir;
bool failed = false;

void save(const QImage& image, const QString& folder, const QString& name, int quality = 90) {
    const QString path = folder + '/' + name;
    const char* format = name.endsWith(".bmp") ? "BMP" : name.endsWith(".png") ? "PNG" : "JPG";
    const bool keep = name.endsWith(".png") || image.format() == QImage::Format_Indexed8;
    const QImage out = keep ? image : image.convertToFormat(QImage::Format_RGB888);
    if (!out.save(path, format, quality)) {
        std::fprintf(stderr, "mediagen: cannot write %s\n", qPrintable(path));
        failed = true;
    }
}

QFont font(const char* family, int pixels, bool bold = true) {
    QFont f{QString::fromLatin1(family)};
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The double-size twin of a file name: "As.bmp" -> "As@2x.bmp".
QString twinName(const QString& name) {
    return QString(name).insert(name.lastIndexOf('.'), QStringLiteral("@2x"));
}

// A picture drawn at one scale: 1 for the file as named, 2 for its twin.
using Drawing = std::function<QImage(int scale)>;

void saveWithTwin(const QString& folder, const QString& name, const Drawing& draw) {
    save(draw(1), folder, name);
    save(draw(2), folder, twinName(name));
}

// The scale of the picture a painter draws on, for drawing cards inside it at full sharpness.
int deviceScale(const QPainter& p) {
    return qRound(p.device()->devicePixelRatio());
}

void feltBackground(QPainter& p, const QRect& r, QColor centre = QColor(20, 130, 60)) {
    QRadialGradient g(r.center(), r.width() * 0.7);
    g.setColorAt(0, centre);
    g.setColorAt(1, centre.darker(260));
    p.fillRect(r, g);
}

// Five cards side by side, overlapping, scaled to the given card height.
void drawHand(QPainter& p, const std::vector<const char*>& cards, QPointF origin, double height,
              double step) {
    const double scale = height / art::cardHeight;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const QImage face = art::cardFace(cards[i][0], cards[i][1], deviceScale(p));
        const QRectF target(origin.x() + static_cast<double>(i) * step, origin.y(),
                            art::cardWidth * scale, height);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(target.translated(2, 2), 4, 4);
        QPainterPath clip;
        clip.addRoundedRect(target, 4 * scale, 4 * scale);
        p.save();
        p.setClipPath(clip);
        p.drawImage(target, face);
        p.restore();
    }
}

void drawChip(QPainter& p, QPointF c, double r, QColor colour) {
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(colour);
    p.drawEllipse(c, r, r * 0.45);
    p.setPen(QPen(Qt::white, r * 0.12, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.8, r * 0.36);
}

void drawChipStack(QPainter& p, QPointF base, double r, int count, QColor colour) {
    for (int i = 0; i < count; ++i)
        drawChip(p, base - QPointF(0, i * r * 0.22), r, colour);
}

void drawDie(QPainter& p, QRectF r, int value, double angle) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF d(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(230, 30, 40));
    p.drawRoundedRect(d, r.width() * 0.18, r.width() * 0.18);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    const double q = r.width() / 4, dot = r.width() * 0.09;
    // The pips, as offsets from the centre, and which of them the face shows.
    const QPointF pips[] = {QPointF(0, 0),  QPointF(-q, -q), QPointF(q, q), QPointF(q, -q),
                            QPointF(-q, q), QPointF(-q, 0),  QPointF(q, 0)};
    const bool shown[] = {value % 2 == 1, value >= 2, value >= 2, value >= 4,
                          value >= 4,     value == 6, value == 6};
    for (std::size_t i = 0; i < std::size(pips); ++i)
        if (shown[i])
            p.drawEllipse(pips[i], dot, dot);
    p.restore();
}

void drawGlowText(QPainter& p, const QRectF& r, const QString& text, const QFont& f, QColor c) {
    p.setFont(f);
    for (int i = 4; i >= 1; --i) {
        QColor glow = c;
        glow.setAlpha(40);
        p.setPen(glow);
        p.drawText(r.translated(i * 0.5, i * 0.5), Qt::AlignCenter, text);
        p.drawText(r.translated(-i * 0.5, -i * 0.5), Qt::AlignCenter, text);
    }
    p.setPen(c.lighter(150));
    p.drawText(r, Qt::AlignCenter, text);
}

// Reward pictures: 330 x 225, the inside of the reward box.
QImage casinoPicture(int n, int scale) {
    QImage img = art::canvas(330, 225, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect r = art::area(img);
    QRandomGenerator rng(static_cast<quint32>(n * 77));
    switch (n) {
    case 1: { // roulette wheel
        feltBackground(p, r);
        const QPointF c(165, 112);
        for (int i = 0; i < 37; ++i) {
            p.setPen(QPen(QColor(200, 170, 80), 0.6));
            p.setBrush(i == 0  ? QColor(20, 140, 50)
                       : i % 2 ? QColor(190, 20, 30)
                               : QColor(25, 25, 25));
            p.drawPie(QRectF(c.x() - 95, c.y() - 95, 190, 190), i * 16 * 360 / 37,
                      16 * 360 / 37 + 1);
        }
        QRadialGradient hub(c, 60);
        hub.setColorAt(0, QColor(250, 220, 130));
        hub.setColorAt(1, QColor(120, 70, 20));
        p.setBrush(hub);
        p.drawEllipse(c, 60, 60);
        p.setBrush(QColor(230, 200, 110));
        p.drawEllipse(c, 12, 12);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(70, -40), 5, 5);
        break;
    }
    case 2: { // chip stacks
        feltBackground(p, r);
        const std::array<QColor, 5> colours = {QColor(200, 30, 30), QColor(30, 60, 180),
                                               QColor(20, 20, 20), QColor(30, 150, 60),
                                               QColor(230, 180, 30)};
        for (int i = 0; i < 5; ++i)
            drawChipStack(p, QPointF(50 + i * 58, 190 - (i % 2) * 15), 26, 6 + i * 2, colours[i]);
        break;
    }
    case 3: { // dice
        feltBackground(p, r, QColor(30, 90, 150));
        drawDie(p, QRectF(70, 60, 80, 80), 6, -12);
        drawDie(p, QRectF(180, 80, 80, 80), 5, 18);
        break;
    }
    case 4: { // slot machine showing 7 7 7
        QLinearGradient g(0, 0, 0, 225);
        g.setColorAt(0, QColor(90, 0, 20));
        g.setColorAt(1, QColor(30, 0, 10));
        p.fillRect(r, g);
        p.setPen(QPen(QColor(240, 200, 60), 4));
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(QRectF(40, 30, 250, 165), 18, 18);
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(60 + i * 72, 65, 62, 95));
            p.setFont(font("DejaVu Serif", 60));
            p.setPen(QColor(200, 20, 30));
            p.drawText(QRectF(60 + i * 72, 65, 62, 95), Qt::AlignCenter, QStringLiteral("7"));
        }
        p.setPen(QPen(QColor(200, 200, 210), 5));
        p.drawLine(QPointF(300, 70), QPointF(300, 140));
        p.setBrush(QColor(220, 20, 20));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(300, 64), 9, 9);
        break;
    }
    case 5: { // fan of a royal flush
        feltBackground(p, r);
        const std::array<const char*, 5> cards = {"0h", "Jh", "Qh", "Kh", "Ah"};
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(165, 215);
            p.rotate(-28 + i * 14);
            p.drawImage(QRectF(-46, -190, 92, 124),
                        art::cardFace(cards[i][0], cards[i][1], deviceScale(p)));
            p.restore();
        }
        break;
    }
    case 6: { // neon sign
        p.fillRect(r, QColor(12, 8, 30));
        for (int i = 0; i < 60; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 40 + rng.bounded(120)));
            p.drawEllipse(QPointF(rng.bounded(330), rng.bounded(225)), 1, 1);
        }
        drawGlowText(p, QRectF(0, 40, 330, 80), QStringLiteral("CASINO"), font("DejaVu Sans", 58),
                     QColor(255, 40, 160));
        drawGlowText(p, QRectF(0, 130, 330, 50), QStringLiteral("★ ★ ★"), font("DejaVu Sans", 34),
                     QColor(60, 200, 255));
        break;
    }
    case 7: { // table with cards and chips
        feltBackground(p, r, QColor(10, 110, 50));
        drawHand(p, {"As", "Ad", "Kh", "Kc", "Ks"}, QPointF(40, 40), 96, 52);
        drawChipStack(p, QPointF(80, 195), 20, 5, QColor(200, 30, 30));
        drawChipStack(p, QPointF(140, 200), 20, 8, QColor(20, 20, 20));
        drawChipStack(p, QPointF(250, 195), 20, 4, QColor(30, 60, 180));
        break;
    }
    default: { // jackpot coins
        QRadialGradient g(QPointF(165, 112), 220);
        g.setColorAt(0, QColor(120, 40, 0));
        g.setColorAt(1, QColor(20, 5, 0));
        p.fillRect(r, g);
        for (int i = 0; i < 40; ++i) {
            const QPointF c(20 + rng.bounded(290), 120 + rng.bounded(100));
            QRadialGradient coin(c - QPointF(4, 4), 18);
            coin.setColorAt(0, QColor(255, 240, 150));
            coin.setColorAt(1, QColor(190, 130, 20));
            p.setPen(QPen(QColor(120, 80, 10), 1));
            p.setBrush(coin);
            p.drawEllipse(c, 15, 10);
        }
        drawGlowText(p, QRectF(0, 20, 330, 90), QStringLiteral("JACKPOT"), font("DejaVu Sans", 48),
                     QColor(255, 200, 40));
        break;
    }
    }
    return img;
}

// The words are Hungarian, or English for the pictures of the English interface.
QImage splashPicture(bool first, bool english, int scale) {
    QImage img = art::canvas(501, 341, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (first) { // the maker's card
        QLinearGradient g(0, 0, 501, 341);
        g.setColorAt(0, QColor(20, 20, 40));
        g.setColorAt(1, QColor(70, 20, 50));
        p.fillRect(art::area(img), g);
        drawGlowText(p, QRectF(0, 100, 501, 80), QStringLiteral("Morvane"),
                     font("DejaVu Serif", 60), QColor(230, 190, 90));
        p.setFont(font("DejaVu Sans", 20, false));
        p.setPen(QColor(220, 220, 230));
        p.drawText(QRectF(0, 190, 501, 40), Qt::AlignCenter,
                   english ? QStringLiteral("presents") : QStringLiteral("bemutatja"));
    } else { // the game's title
        feltBackground(p, art::area(img));
        drawHand(p, {"0s", "Js", "Qs", "Ks", "As"}, QPointF(90, 150), 140, 68);
        drawGlowText(p, QRectF(0, 25, 501, 80), QStringLiteral("Kartavo"), font("DejaVu Serif", 64),
                     QColor(250, 215, 90));
        p.setFont(font("DejaVu Sans", 18));
        p.setPen(QColor(240, 240, 240));
        p.drawText(QRectF(0, 100, 501, 36), Qt::AlignCenter,
                   english ? QStringLiteral("Video Poker") : QStringLiteral("Videopóker"));
    }
    return img;
}

// The combination pictures: the five cards of the combination on felt, 190 x 110.
QImage combinationPicture(const std::vector<const char*>& cards, int scale) {
    QImage img = art::canvas(190, 110, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    feltBackground(p, art::area(img));
    drawHand(p, cards, QPointF(5, 17), 76, 31);
    return img;
}

// Design pictures compiled into the windows.
QImage iconPicture(int size, QColor colour, char suit, int scale) {
    QImage img = art::canvas(size, size, scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), size / 32.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(size * 0.16, size * 0.06, size * 0.68, size * 0.88), size * 0.08,
                      size * 0.08);
    p.fillPath(art::suitPath(suit, QRectF(size * 0.27, size * 0.25, size * 0.46, size * 0.5)),
               colour);
    return img;
}

// The application icon on a 256 x 256 canvas: two fanned cards on a round felt table. One
// painting serves every bitmap size and the scalable icon.
void paintAppIcon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(10, 60, 28), 6));
    QRadialGradient felt(QPointF(128, 110), 150);
    felt.setColorAt(0, QColor(40, 160, 80));
    felt.setColorAt(1, QColor(12, 80, 36));
    p.setBrush(felt);
    p.drawEllipse(QRectF(8, 8, 240, 240));
    const QRectF card(-58, -80, 116, 160);
    const auto drawCard = [&](QPointF centre, double angle, char suit) {
        p.save();
        p.translate(centre);
        p.rotate(angle);
        p.setPen(QPen(QColor(60, 60, 60), 4));
        p.setBrush(QColor(252, 252, 248));
        p.drawRoundedRect(card, 12, 12);
        p.fillPath(art::suitPath(suit, QRectF(-30, -34, 60, 68)), art::suitColor(suit));
        p.restore();
    };
    drawCard(QPointF(84, 134), -16, 's');
    drawCard(QPointF(172, 122), 14, 'h');
}

// A Windows icon file holding the given PNG images, each a square of its size (up to 256).
QByteArray icoOfPngs(const std::vector<std::pair<int, QByteArray>>& pngs) {
    QByteArray ico;
    const auto put16 = [&ico](int v) {
        char b[2];
        qToLittleEndian<quint16>(static_cast<quint16>(v), b);
        ico.append(b, 2);
    };
    const auto put32 = [&ico](qsizetype v) {
        char b[4];
        qToLittleEndian<quint32>(static_cast<quint32>(v), b);
        ico.append(b, 4);
    };
    put16(0); // reserved
    put16(1); // an icon
    put16(static_cast<int>(pngs.size()));
    qsizetype offset = 6 + 16 * static_cast<qsizetype>(pngs.size());
    for (const auto& [size, png] : pngs) {
        ico.append(static_cast<char>(size >= 256 ? 0 : size)); // 0 stands for 256
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append('\0'); // no palette
        ico.append('\0');
        put16(1);  // colour planes
        put16(32); // bits per pixel
        put32(png.size());
        put32(offset);
        offset += png.size();
    }
    for (const auto& entry : pngs)
        ico.append(entry.second);
    return ico;
}

void saveAppIcons() {
    std::vector<std::pair<int, QByteArray>> pngs;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage img(size, size, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.scale(size / 256.0, size / 256.0);
        paintAppIcon(p);
        p.end();
        // PNG is lossless: quality 0 only asks for the strongest compression.
        save(img, iconDir, QStringLiteral("icon-%1.png").arg(size), 0);
        QFile png(iconDir + QStringLiteral("/icon-%1.png").arg(size));
        if (png.open(QIODevice::ReadOnly))
            pngs.emplace_back(size, png.readAll());
    }
    // The executable's icon on Windows, every size in one file.
    QFile ico(iconDir + QStringLiteral("/icon.ico"));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoOfPngs(pngs)) < 0) {
        std::fprintf(stderr, "mediagen: cannot write %s/icon.ico\n", qPrintable(iconDir));
        failed = true;
    }
    QSvgGenerator svg;
    svg.setFileName(iconDir + QStringLiteral("/icon.svg"));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Kartavo"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "mediagen: cannot write %s/icon.svg\n", qPrintable(iconDir));
        failed = true;
        return;
    }
    paintAppIcon(p);
}

QImage logoPicture(int scale) {
    QImage img = art::canvas(144, 43, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 43);
    g.setColorAt(0, QColor(30, 90, 50));
    g.setColorAt(1, QColor(10, 50, 25));
    p.fillRect(art::area(img), g);
    p.setFont(font("DejaVu Serif", 26));
    p.setPen(QColor(245, 210, 90));
    p.drawText(QRectF(0, 0, 144, 43), Qt::AlignCenter, QStringLiteral("Kartavo"));
    return img;
}

QImage rewardStartPicture(bool english, int scale) {
    QImage img = art::canvas(338, 265, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    feltBackground(p, art::area(img));
    drawHand(p, {"Ah", "Ks", "Qd", "Jc", "0h"}, QPointF(45, 70), 100, 50);
    p.setFont(font("DejaVu Serif", 30));
    p.setPen(QColor(250, 215, 90));
    p.drawText(QRectF(0, 10, 330, 50), Qt::AlignCenter,
               english ? QStringLiteral("Good luck!") : QStringLiteral("Sok szerencsét!"));
    return img;
}

QImage aboutPhoto(int scale) {
    QImage img = art::canvas(100, 75, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    feltBackground(p, art::area(img));
    drawHand(p, {"As", "Ah"}, QPointF(22, 10), 56, 22);
    return img;
}

QImage aboutTitle(int scale) {
    QImage img = art::canvas(160, 50, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(art::area(img), QColor(40, 20, 50));
    p.setFont(font("DejaVu Serif", 24));
    p.setPen(QColor(230, 190, 90));
    p.drawText(QRectF(0, 0, 160, 50), Qt::AlignCenter, QStringLiteral("Morvane"));
    return img;
}

QImage restartPicture(int scale) {
    QImage img = art::canvas(50, 50, scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawChipStack(p, QPointF(25, 40), 18, 1, QColor(200, 30, 30));
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.drawEllipse(QPointF(25, 22), 16, 16);
    p.drawLine(QPointF(14, 33), QPointF(36, 11));
    return img;
}

// ---- sounds -------------------------------------------------------------------------------
constexpr int sampleRate = 22050;

void saveWav(const QString& name, const std::vector<double>& samples) {
    QByteArray data;
    data.reserve(static_cast<int>(samples.size() * 2 + 44));
    auto put32 = [&data](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        data.append(b, 4);
    };
    auto put16 = [&data](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        data.append(b, 2);
    };
    const auto bytes = static_cast<quint32>(samples.size() * 2);
    data.append("RIFF");
    put32(36 + bytes);
    data.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(sampleRate);
    put32(sampleRate * 2);
    put16(2);
    put16(16);
    data.append("data");
    put32(bytes);
    for (double s : samples)
        put16(static_cast<quint16>(
            static_cast<qint16>(std::lround(std::clamp(s, -1.0, 1.0) * 32000))));
    QFile f(outDir + '/' + name);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        std::fprintf(stderr, "mediagen: cannot write %s\n", qPrintable(f.fileName()));
        failed = true;
    }
}

std::vector<double> silence(double seconds) {
    return std::vector<double>(static_cast<std::size_t>(seconds * sampleRate), 0.0);
}

// Adds a bell-like tone (fundamental and two partials, fast attack, exponential decay).
void addBell(std::vector<double>& out, double start, double freq, double length, double volume) {
    const auto first = static_cast<std::size_t>(start * sampleRate);
    const auto count = static_cast<std::size_t>(length * sampleRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double env = std::min(1.0, t / 0.005) * std::exp(-t * 4.0 / length);
        const double w = 2 * std::numbers::pi * freq * t;
        out[first + i] +=
            volume * env * (std::sin(w) + 0.35 * std::sin(2 * w) + 0.12 * std::sin(3 * w));
    }
}

// A short soft click: a decaying sine sweep.
void addClick(std::vector<double>& out, double start, double f0, double f1, double length,
              double volume) {
    const auto first = static_cast<std::size_t>(start * sampleRate);
    const auto count = static_cast<std::size_t>(length * sampleRate);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(count);
        phase += 2 * std::numbers::pi * (f0 + (f1 - f0) * t) / sampleRate;
        out[first + i] += volume * std::min(1.0, t * 40) * std::pow(1 - t, 3) * std::sin(phase);
    }
}

void makeSounds() {
    auto note = [](int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); };
    { // start: a rising arpeggio and a chord
        auto s = silence(2.2);
        const std::array<int, 4> steps = {3, 7, 10, 15}; // C5 E5 G5 C6
        for (int i = 0; i < 4; ++i)
            addBell(s, i * 0.18, note(steps[i]), 1.0, 0.22);
        for (int st : steps)
            addBell(s, 0.8, note(st), 1.35, 0.12);
        saveWav(QStringLiteral("start.wav"), s);
    }
    { // keveres: a riffle of cards, fast clicks of filtered noise
        auto s = silence(0.75);
        QRandomGenerator rng(42);
        double lp = 0;
        for (int k = 0; k < 34; ++k) {
            const double at = 0.04 + 0.62 * std::pow(k / 34.0, 0.8);
            const auto first = static_cast<std::size_t>(at * sampleRate);
            for (std::size_t i = 0; i < 260 && first + i < s.size(); ++i) {
                const double noise = rng.generateDouble() * 2 - 1;
                lp += 0.35 * (noise - lp);
                s[first + i] += 0.5 * lp * std::exp(-static_cast<double>(i) / 50.0);
            }
        }
        saveWav(QStringLiteral("keveres.wav"), s);
    }
    { // szorzo: a coin blip
        auto s = silence(0.16);
        addClick(s, 0, 1300, 1900, 0.15, 0.5);
        saveWav(QStringLiteral("szorzo.wav"), s);
    }
    { // options: a soft pop
        auto s = silence(0.14);
        addClick(s, 0, 700, 450, 0.13, 0.55);
        saveWav(QStringLiteral("options.wav"), s);
    }
    { // ok: a short click
        auto s = silence(0.1);
        addClick(s, 0, 1000, 800, 0.09, 0.5);
        saveWav(QStringLiteral("ok.wav"), s);
    }
    { // nyert: a rising chime
        auto s = silence(1.2);
        const std::array<int, 4> steps = {15, 19, 22, 27}; // C6 E6 G6 C7
        for (int i = 0; i < 4; ++i)
            addBell(s, i * 0.1, note(steps[i]), 0.8, 0.2);
        saveWav(QStringLiteral("nyert.wav"), s);
    }
    { // semmi: a soft low tone sinking a little
        auto s = silence(0.6);
        double phase = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(s.size());
            phase += 2 * std::numbers::pi * (220 - 50 * t) / sampleRate;
            s[i] = 0.35 * std::min(1.0, t * 30) * (1 - t) * (1 - t) *
                   (std::sin(phase) + 0.2 * std::sin(2 * phase));
        }
        saveWav(QStringLiteral("semmi.wav"), s);
    }
    { // kilepes: a falling farewell
        auto s = silence(1.0);
        const std::array<int, 3> steps = {10, 7, 3}; // G5 E5 C5
        for (int i = 0; i < 3; ++i)
            addBell(s, i * 0.17, note(steps[i]), 0.6, 0.22);
        saveWav(QStringLiteral("kilepes.wav"), s);
    }
}

// ---- cursors ------------------------------------------------------------------------------
// A pointing hand, 32 x 32, fingertip at (x 9, y 1); at double scale 64 x 64, fingertip at
// (18, 2).
const QPoint fingertip(9, 1);

QImage handImage(QColor glove, int scale) {
    QImage img = art::canvas(32, 32, scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(7, 3);
    hand.cubicTo(7, 0.5, 11, 0.5, 11, 3);
    hand.lineTo(11, 13);
    hand.cubicTo(11.5, 11, 15, 11, 15, 13.5);
    hand.cubicTo(15.5, 11.5, 19, 11.5, 19, 14);
    hand.cubicTo(19.5, 12.5, 23, 12.5, 23, 15);
    hand.lineTo(23, 22);
    hand.cubicTo(23, 27, 20, 30, 16, 30);
    hand.lineTo(12, 30);
    hand.cubicTo(9, 30, 7, 27, 5, 24);
    hand.lineTo(1.5, 18);
    hand.cubicTo(0.5, 16, 3, 14.5, 4.5, 16);
    hand.lineTo(7, 19);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(glove);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.8));
    p.drawLine(QPointF(15, 14), QPointF(15, 19));
    p.drawLine(QPointF(19, 15), QPointF(19, 19));
    return img;
}

void saveCursor(const QString& name, const QImage& image, QPoint hotspot) {
    const int w = image.width(), h = image.height();
    const int maskRow = ((w + 31) / 32) * 4;
    QByteArray dib;
    auto put32 = [&dib](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        dib.append(b, 4);
    };
    auto put16 = [&dib](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        dib.append(b, 2);
    };
    put32(40);
    put32(static_cast<quint32>(w));
    put32(static_cast<quint32>(h * 2)); // colour image and mask
    put16(1);
    put16(32);
    put32(0);
    put32(static_cast<quint32>(w * h * 4 + maskRow * h));
    put32(0);
    put32(0);
    put32(0);
    put32(0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const QRgb px = image.pixel(x, y);
            const char bgra[4] = {char(qBlue(px)), char(qGreen(px)), char(qRed(px)),
                                  char(qAlpha(px))};
            dib.append(bgra, 4);
        }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        dib.append(row);
    }
    QByteArray file;
    auto f16 = [&file](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        file.append(b, 2);
    };
    auto f32 = [&file](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        file.append(b, 4);
    };
    f16(0);
    f16(2); // cursor
    f16(1);
    file.append(char(w));
    file.append(char(h));
    file.append(char(0));
    file.append(char(0));
    f16(static_cast<quint16>(hotspot.x()));
    f16(static_cast<quint16>(hotspot.y()));
    f32(static_cast<quint32>(dib.size()));
    f32(22);
    file.append(dib);
    QFile out(outDir + '/' + name);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
        std::fprintf(stderr, "mediagen: cannot write %s\n", qPrintable(out.fileName()));
        failed = true;
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: mediagen PROGRAM_FOLDER DESIGN_FOLDER ICON_FOLDER\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    designDir = QString::fromLocal8Bit(argv[2]);
    iconDir = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(outDir);
    QDir().mkpath(designDir);
    QDir().mkpath(iconDir);

    for (char suit : {'c', 'd', 'h', 's'})
        for (char rank : {'0', '2', '3', '4', '5', '6', '7', '8', '9', 'J', 'Q', 'K', 'A'})
            saveWithTwin(outDir, QString("%1%2.bmp").arg(rank).arg(suit),
                         [rank, suit](int scale) { return art::cardFace(rank, suit, scale); });
    // The joker of the games with a 53rd card.
    saveWithTwin(outDir, QStringLiteral("Jk.bmp"), art::jokerFace);
    for (int d = 0; d < 8; ++d)
        saveWithTwin(outDir, QString("hat%1.bmp").arg(d),
                     [d](int scale) { return art::cardBack(d, scale); });
    if (!QFile::exists(outDir + "/hatlap.bmp"))
        save(art::cardBack(0), outDir, QStringLiteral("hatlap.bmp"));
    for (int n = 1; n <= 8; ++n)
        saveWithTwin(outDir, QString("casino%1.jpg").arg(n),
                     [n](int scale) { return casinoPicture(n, scale); });
    // The pictures with words also in English, "<name>.en.<ext>", chosen by the interface's
    // language as a twin is chosen by the display's density.
    for (const bool english : {false, true}) {
        const QString ending = english ? QStringLiteral(".en.jpg") : QStringLiteral(".jpg");
        saveWithTwin(outDir, QStringLiteral("splash2") + ending,
                     [english](int scale) { return splashPicture(true, english, scale); });
        saveWithTwin(outDir, QStringLiteral("splash") + ending,
                     [english](int scale) { return splashPicture(false, english, scale); });
    }

    const std::vector<std::pair<const char*, std::vector<const char*>>> combinations = {
        {"mroyal.jpg",   {"0s", "Js", "Qs", "Ks", "As"}},
        {"mflos.jpg",    {"5h", "6h", "7h", "8h", "9h"}},
        {"mpoker.jpg",   {"Ac", "Ad", "Ah", "As", "Kd"}},
        {"mfull.jpg",    {"Kc", "Kd", "Kh", "8s", "8c"}},
        {"mszfloss.jpg", {"2d", "6d", "9d", "Jd", "Ad"}},
        {"msor.jpg",     {"4c", "5d", "6h", "7s", "8c"}},
        {"mdrill.jpg",   {"Qc", "Qd", "Qh", "5s", "9c"}},
        {"mketpar.jpg",  {"Jc", "Jh", "4d", "4s", "Ah"}},
        {"mpar.jpg",     {"9c", "9s", "2h", "6d", "Kc"}},
    };
    for (const auto& [name, cards] : combinations)
        saveWithTwin(outDir, QString::fromLatin1(name),
                     [&hand = cards](int scale) { return combinationPicture(hand, scale); });

    makeSounds();
    for (const auto& [name, glove] : {
             std::pair{"hand.cur",  QColor(255, 255, 255)},
             std::pair{"handk.cur", QColor(255, 236, 150)}
    })
        for (int scale : {1, 2}) {
            const QString file = QString::fromLatin1(name);
            saveCursor(scale == 1 ? file : twinName(file), handImage(glove, scale),
                       fingertip * scale);
        }

    // The windows' own pictures; the build compiles each with its twin into the program.
    const std::vector<std::pair<const char*, Drawing>> design = {
        {"board_icon.png",      [](int s) { return iconPicture(32, QColor(200, 16, 32), 'h', s); }},
        {"board_logo.jpg",      logoPicture                                                       },
        {"board_reward.jpg",    [](int s) { return rewardStartPicture(false, s); }                },
        {"board_reward.en.jpg", [](int s) { return rewardStartPicture(true, s); }                 },
        {"options_icon.png",    [](int s) { return iconPicture(32, QColor(20, 20, 20), 's', s); } },
        {"about_photo.jpg",     aboutPhoto                                                        },
        {"about_title.jpg",     aboutTitle                                                        },
        {"ujra_icon.png",       [](int s) { return iconPicture(48, QColor(200, 16, 32), 'd', s); }},
        {"ujra_picture.png",    restartPicture                                                    },
    };
    for (const auto& [name, draw] : design)
        saveWithTwin(designDir, QString::fromLatin1(name), draw);
    // The chooser's thumbnails of the eight backs; the first in 256 colours.
    for (int d = 0; d < 8; ++d)
        saveWithTwin(designDir, QString("options_back%1.bmp").arg(d), [d](int scale) {
            const QImage back = art::cardBack(d, scale);
            return d == 0 ? back.convertToFormat(QImage::Format_Indexed8) : back;
        });
    saveAppIcons();
    return failed ? 1 : 0;
}
