// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The media files a player may replace: after a first byte that picks the file, the input is a
// picture, a double-size twin, a cursor or its twin, the card back, a twin of a card-back design
// or a sound in a program folder of the process's own, loaded by the program's own loaders. A
// file that cannot be read is reported (the program would end there), never shown in part; a
// twin that cannot stand in leaves the picture its size; a sound returns.
#include "fuzz_targets.h"

#include "card_back.h"
#include "pictures.h"
#include "program_folder.h"
#include "sound.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>

namespace fuzz {

namespace {

// The pictures the program folder holds besides the input: each 4 x 4.
constexpr QSize pictureSize(4, 4);

QString folder() {
    return workFolder() + QStringLiteral("/program");
}

QString inFolder(const QString& name) {
    return media::mediaPath(name);
}

QByteArray pictureBytes(QColor colour, QSize size, const char* format) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    FUZZ_CHECK(image.save(&buffer, format));
    return bytes;
}

// A cursor as the program's own: an icon file whose type says cursor, with a hotspot.
QByteArray cursorBytes(QSize size) {
    QByteArray bytes = pictureBytes(Qt::white, size, "ICO");
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(1, bytes.data() + 10);
    qToLittleEndian<quint16>(1, bytes.data() + 12);
    return bytes;
}

bool reported = false;

void prepare() {
    media::setProgramFolder(folder());
    media::setMissingFileHandler([](const QString&) { reported = true; });
    // Sounds go to a file as fast as it takes them.
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIODELAY", "0");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(workFolder() + QStringLiteral("/sound.raw")));
    media::soundOn = true;
    writeFile(inFolder(QStringLiteral("As.bmp")), pictureBytes(Qt::red, pictureSize, "BMP"));
    writeFile(inFolder(QStringLiteral("hand.cur")), cursorBytes(QSize(8, 8)));
    for (int design = 0; design < 8; ++design)
        writeFile(inFolder(QStringLiteral("hat%1.bmp").arg(design)),
                  pictureBytes(QColor(design * 30, 0, 0), pictureSize, "BMP"));
}

// The picture at ratio 2 keeps its size on the window, from the twin or from its own pixels.
void checkOnDenseDisplay(const QPixmap& pixmap) {
    FUZZ_CHECK(!pixmap.isNull() && pixmap.deviceIndependentSize() == QSizeF(pictureSize));
}

void run(QByteArrayView input) {
    if (input.isEmpty())
        return;
    const QByteArrayView file = input.sliced(1);
    reported = false;
    switch (static_cast<unsigned char>(input[0]) % 8) {
    case 0: { // a card face
        const QString path = inFolder(QStringLiteral("Qh.bmp"));
        writeFile(path, file);
        const QPixmap pixmap = media::loadPicture(path, 1);
        FUZZ_CHECK(pixmap.isNull() == reported);
        FUZZ_CHECK(reported == media::readPicture(path).isNull());
        break;
    }
    case 1: { // a picture of the splash or the rewards
        const QString path = inFolder(QStringLiteral("casino1.jpg"));
        writeFile(path, file);
        FUZZ_CHECK(media::loadPicture(path, 1).isNull() == reported);
        break;
    }
    case 2: { // a card face's twin
        writeFile(inFolder(QStringLiteral("As@2x.bmp")), file);
        checkOnDenseDisplay(media::loadPicture(inFolder(QStringLiteral("As.bmp")), 2));
        FUZZ_CHECK(!reported);
        break;
    }
    case 3: { // a cursor
        const QString path = inFolder(QStringLiteral("handk.cur"));
        writeFile(path, file);
        const QCursor cursor = media::loadCursor(path, 1);
        FUZZ_CHECK(reported == media::readCursorFile(path).image.isNull());
        FUZZ_CHECK(reported || !cursor.pixmap().isNull());
        break;
    }
    case 4: { // a cursor's twin
        writeFile(inFolder(QStringLiteral("hand@2x.cur")), file);
        const QCursor cursor = media::loadCursor(inFolder(QStringLiteral("hand.cur")), 2);
        FUZZ_CHECK(!reported && cursor.pixmap().deviceIndependentSize() == QSizeF(8, 8));
        break;
    }
    case 5: { // the card back in force, a copy of no design
        const QString path = inFolder(QStringLiteral("hatlap.bmp"));
        writeFile(path, file);
        const QPixmap back = media::loadCardBack(path, 2);
        FUZZ_CHECK(back.isNull() == reported);
        break;
    }
    case 6: { // the twin of the design the back is a copy of
        QFile::remove(inFolder(QStringLiteral("hatlap.bmp")));
        FUZZ_CHECK(QFile::copy(inFolder(QStringLiteral("hat3.bmp")),
                               inFolder(QStringLiteral("hatlap.bmp"))));
        writeFile(inFolder(QStringLiteral("hat3@2x.bmp")), file);
        checkOnDenseDisplay(media::loadCardBack(inFolder(QStringLiteral("hatlap.bmp")), 2));
        FUZZ_CHECK(!reported);
        break;
    }
    default: { // a sound
        writeFile(inFolder(QStringLiteral("ok.wav")), file);
        media::playEffect(QStringLiteral("ok.wav"));
        FUZZ_CHECK(media::effectLog().last() == QStringLiteral("ok.wav"));
        break;
    }
    }
}

} // namespace

const Target mediaTarget = {"media", prepare, run};

} // namespace fuzz
