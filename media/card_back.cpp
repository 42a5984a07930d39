#include "card_back.h"

#include "program_folder.h"

#include <QFile>

namespace media {

namespace {

QByteArray contentOf(const QString& path, qint64 expectedSize = -1) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || (expectedSize >= 0 && file.size() != expectedSize))
        return {};
    return file.readAll();
}

} // namespace

QString designOfBack(const QString& backPath) {
    const QByteArray back = contentOf(backPath);
    if (back.isEmpty())
        return {};
    for (int design = 0; design < 8; ++design) {
        const QString path = mediaPath(QStringLiteral("hat%1.bmp").arg(design));
        if (contentOf(path, back.size()) == back)
            return path;
    }
    return {};
}

QPixmap loadCardBack(const QString& backPath, qreal ratio) {
    // Only a dense display needs the design: at one pixel to a pixel no other file is read.
    const QString design = ratio > 1 ? designOfBack(backPath) : QString();
    return loadPictureWithTwin(backPath, design.isEmpty() ? QString() : twinPath(design), ratio);
}

} // namespace media
