#include "card_back.h"

#include "file_replace.h"
#include "program_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace media {

namespace {

const QString backName = QStringLiteral("hatlap.bmp");

// Replacing a file takes a temporary file beside it, so its folder must be writable too.
bool canReplace(const QString& path) {
    const QFileInfo file(path);
    return QFileInfo(file.absolutePath()).isWritable() && (!file.exists() || file.isWritable());
}

} // namespace

QString playerCardBackPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir::toNativeSeparators(QDir(folder).filePath(backName));
}

QString cardBackPath() {
    const QString own = playerCardBackPath();
    return QFileInfo::exists(own) ? own : mediaPath(backName);
}

bool saveCardBack(const QString& design, QString* target, QString* errorText) {
    QString path = cardBackPath();
    if (!canReplace(path)) {
        path = playerCardBackPath();
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder)) {
            if (target)
                *target = path;
            if (errorText)
                *errorText = QStringLiteral("A mappa nem hozható létre: %1")
                                 .arg(QDir::toNativeSeparators(folder));
            return false;
        }
    }
    if (target)
        *target = path;
    return replaceFile(design, path, errorText);
}

} // namespace media
