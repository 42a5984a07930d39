#include "pictures.h"

#include "program_folder.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>
#include <QtEndian>
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

} // namespace

QString missingFileMessage(const QString& path) {
    return QStringLiteral("Hiányzó vagy olvashatatlan fájl: %1\nA program mappája: %2\n"
                          "A program kilép.")
        .arg(path, programFolder());
}

MissingFileHandler setMissingFileHandler(MissingFileHandler h) {
    return std::exchange(handler(), std::move(h));
}

QPixmap loadPicture(const QString& path) {
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        reportMissing(path);
        return {};
    }
    return QPixmap::fromImage(image);
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

QCursor loadCursor(const QString& path) {
    const CursorImage c = readCursorFile(path);
    if (c.image.isNull()) {
        reportMissing(path);
        return {};
    }
    return QCursor(QPixmap::fromImage(c.image), c.hotspot.x(), c.hotspot.y());
}

} // namespace media
