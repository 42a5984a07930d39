#include "pictures.h"

#include "program_folder.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace media {

namespace {

void reportAndExit(const QString& path) {
    const QString message = missingFileMessage(path);
    std::fprintf(stderr, "kartavo: %s\n", qPrintable(QString(message).replace('\n', ' ')));
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("Kartavo"), message);
    std::exit(1);
}

MissingFileHandler& handler() {
    static MissingFileHandler h = reportAndExit;
    return h;
}

void reportMissing(const QString& path) {
    handler()(path);
}

const QString designFolder = QStringLiteral(":/design/");

QImage readImage(const QString& path) {
    QImageReader reader(path);
    return reader.read();
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

QString missingFileMessage(const QString& path) {
    return QStringLiteral("Hiányzó vagy olvashatatlan fájl: %1\nA program mappája: %2\n"
                          "A program kilép.")
        .arg(path, programFolder());
}

MissingFileHandler setMissingFileHandler(MissingFileHandler h) {
    return std::exchange(handler(), std::move(h));
}

QPixmap loadPicture(const QString& path, qreal ratio) {
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
    const QString path = designFolder + name;
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
    if (!image.loadFromData(data, "ICO"))
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
