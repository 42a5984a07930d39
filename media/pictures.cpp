// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "program_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace media {

namespace {

MissingFileNotice& notice() {
    static MissingFileNotice n;
    return n;
}

void reportAndExit(const QString& path) {
    const QString message = missingFileMessage(path);
    std::fprintf(stderr, "kartavo: %s\n", qPrintable(QString(message).replace('\n', ' ')));
    if (notice())
        notice()(message);
    std::exit(1);
}

MissingFileHandler& handler() {
    static MissingFileHandler h = reportAndExit;
    return h;
}

void reportMissing(const QString& path) {
    handler()(path);
}

// Collects what the image plugins complain about while one picture is decoded: a decoder that
// meets damaged data warns and goes on, and the picture it returns is only partly the file's.
class DecoderWarnings {
  public:
    DecoderWarnings() : previous_(qInstallMessageHandler(collect)) { current() = this; }
    ~DecoderWarnings() {
        current() = nullptr;
        qInstallMessageHandler(previous_);
    }
    DecoderWarnings(const DecoderWarnings&) = delete;
    DecoderWarnings& operator=(const DecoderWarnings&) = delete;
    const QString& first() const { return first_; }

  private:
    static DecoderWarnings*& current() {
        static DecoderWarnings* c = nullptr;
        return c;
    }
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        DecoderWarnings* self = current();
        if (self && type != QtDebugMsg && type != QtInfoMsg && context.category &&
            QByteArray(context.category).startsWith("qt.gui.imageio")) {
            if (self->first_.isEmpty())
                self->first_ = text;
            return;
        }
        if (self && self->previous_)
            self->previous_(type, context, text);
    }
    QtMessageHandler previous_;
    QString first_;
};

// Qt reads a Windows bitmap whose pixel rows are cut short without a word, so the length is
// checked against the header. Compressed bitmaps have no fixed length and are not checked.
bool bitmapCutShort(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray h = file.read(34);
    if (h.size() < 26 || !h.startsWith("BM"))
        return false;
    const auto u16 = [&h](int at) { return qFromLittleEndian<quint16>(h.constData() + at); };
    const auto u32 = [&h](int at) { return qFromLittleEndian<quint32>(h.constData() + at); };
    const qint64 dataStart = u32(10);
    qint64 width = 0, height = 0, bits = 0;
    if (u32(14) == 12) { // the old core header
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else {
        if (h.size() < 34)
            return true;
        const quint32 compression = u32(30);
        if (compression != 0 && compression != 3)
            return false;
        width = qFromLittleEndian<qint32>(h.constData() + 18);
        height = qAbs(qFromLittleEndian<qint32>(h.constData() + 22));
        bits = u16(28);
    }
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return file.size() < dataStart + rowBytes * height;
}

const QString designFolder = QStringLiteral(":/design/");

// A twin or a design picture that reads only in part is no picture either.
QImage readImage(const QString& path) {
    return readPicture(path);
}

// The picture to draw: the twin when the display is dense and the twin is fit to stand in for
// the picture of the given size, else the picture itself.
QPixmap forDisplay(const QImage& picture, const QString& twin, qreal ratio) {
    if (ratio > 1 && !twin.isEmpty()) {
        const QImage sharp = readImage(twin);
        if (!sharp.isNull() && sharp.size() == picture.size() * 2) {
            QPixmap pixmap = QPixmap::fromImage(sharp);
            pixmap.setDevicePixelRatio(2);
            return pixmap;
        }
    }
    return QPixmap::fromImage(picture);
}

} // namespace

qreal displayPixelRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QString twinPath(const QString& path) {
    const qsizetype dot = path.lastIndexOf('.');
    const qsizetype slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return dot > slash ? QString(path).insert(dot, QStringLiteral("@2x"))
                       : path + QStringLiteral("@2x");
}

namespace {
QString& languageInForce() {
    static QString code = QStringLiteral("hu");
    return code;
}

QString withLanguage(const QString& path, const QString& code) {
    const qsizetype dot = path.lastIndexOf('.');
    const qsizetype slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return dot > slash ? QString(path).insert(dot, QLatin1Char('.') + code) : path;
}
} // namespace

void setPictureLanguage(const QString& code) {
    languageInForce() = code;
}

QString pictureLanguage() {
    return languageInForce();
}

QString inPictureLanguage(const QString& path) {
    const QString& code = languageInForce();
    if (path.isEmpty() || code == QLatin1String("hu"))
        return path;
    for (const QString& c : {code, QStringLiteral("en")}) {
        const QString variant = withLanguage(path, c);
        if (variant != path && QFile::exists(variant))
            return variant;
    }
    return path;
}

QImage readPicture(const QString& path, QString* why) {
    auto fail = [why](const QString& text) {
        if (why)
            *why = text;
        return QImage();
    };
    QImageReader reader(path);
    QImage image;
    QString warning;
    {
        const DecoderWarnings warnings;
        image = reader.read();
        warning = warnings.first();
    }
    // Qt names the common faults itself ("File not found", "Unsupported image format"), in
    // Hungarian once its translation is installed. Its "Unknown error" says nothing, and the
    // decoders' warnings are English only, so those faults get the program's own words.
    if (image.isNull())
        return fail(reader.error() == QImageReader::UnknownError
                        ? QCoreApplication::translate("media", "a fájl nem olvasható kép")
                        : reader.errorString());
    if (!warning.isEmpty())
        return fail(QCoreApplication::translate("media", "a kép adatai sérültek"));
    if (bitmapCutShort(path))
        return fail(QCoreApplication::translate("media", "a kép adatai hiányosak"));
    return image;
}

QString missingFileMessage(const QString& path) {
    return QCoreApplication::translate("media", "Hiányzó vagy olvashatatlan fájl: %1\n"
                                                "A program mappája: %2\nA program kilép.")
        .arg(path, programFolder());
}

void setMissingFileNotice(MissingFileNotice show) {
    notice() = std::move(show);
}

MissingFileHandler setMissingFileHandler(MissingFileHandler h) {
    return std::exchange(handler(), std::move(h));
}

QPixmap loadPicture(const QString& given, qreal ratio) {
    const QString path = inPictureLanguage(given);
    return loadPictureWithTwin(path, path.isEmpty() ? QString() : twinPath(path), ratio);
}

QPixmap loadPictureWithTwin(const QString& path, const QString& twin, qreal ratio) {
    if (path.isEmpty())
        return {};
    // The picture itself is read at every density: it is the file the game needs, and the one
    // whose absence is reported.
    const QImage image = readImage(path);
    if (image.isNull()) {
        reportMissing(path);
        return {};
    }
    return forDisplay(image, twin, ratio);
}

QPixmap designPicture(const QString& name, qreal ratio) {
    const QString path = inPictureLanguage(designFolder + name);
    return forDisplay(readImage(path), twinPath(path), ratio);
}

QIcon designIcon(const QString& name) {
    QIcon icon;
    for (const QString& path : {designFolder + name, twinPath(designFolder + name)}) {
        const QImage image = readImage(path);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

CursorImage readCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    // Header: reserved 0, type 2 (cursor), image count; then 16-byte entries whose colour-plane
    // and bit-count words hold the hotspot.
    if (data.size() < 22 || qFromLittleEndian<quint16>(data.constData()) != 0 ||
        qFromLittleEndian<quint16>(data.constData() + 2) != 2 ||
        qFromLittleEndian<quint16>(data.constData() + 4) < 1)
        return {};
    const QPoint hotspot(qFromLittleEndian<quint16>(data.constData() + 10),
                         qFromLittleEndian<quint16>(data.constData() + 12));
    // The image data is laid out as in an icon file; Qt reads it as one once the type says so.
    qToLittleEndian<quint16>(1, data.data() + 2);
    QImage image;
    const DecoderWarnings warnings;
    if (!image.loadFromData(data, "ICO") || !warnings.first().isEmpty())
        return {};
    return {image, hotspot};
}

QCursor loadCursor(const QString& path, qreal ratio) {
    const CursorImage c = readCursorFile(path);
    if (c.image.isNull()) {
        reportMissing(path);
        return {};
    }
    if (ratio > 1) {
        const CursorImage sharp = readCursorFile(twinPath(path));
        if (!sharp.image.isNull() && sharp.image.size() == c.image.size() * 2) {
            QPixmap pixmap = QPixmap::fromImage(sharp.image);
            pixmap.setDevicePixelRatio(2);
            // Qt's X11 backend puts the hotspot on that pixel of the cursor's own picture; the
            // other platforms take it in window pixels, as for the plain cursor.
            const QPoint hotspot = QGuiApplication::platformName() == QLatin1String("xcb")
                                       ? sharp.hotspot
                                       : sharp.hotspot / 2;
            return QCursor(pixmap, hotspot.x(), hotspot.y());
        }
    }
    return QCursor(QPixmap::fromImage(c.image), c.hotspot.x(), c.hotspot.y());
}

} // namespace media
