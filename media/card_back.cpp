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
    // Without a home folder there is no data folder, and a relative name would mean the
    // working directory.
    if (folder.isEmpty())
        return {};
    return QDir::toNativeSeparators(QDir(folder).filePath(backName));
}

QString cardBackPath() {
    const QString own = playerCardBackPath();
    return !own.isEmpty() && QFileInfo::exists(own) ? own : mediaPath(backName);
}

bool saveCardBack(const QString& design, QString* target, QString* errorText) {
    QString path = cardBackPath();
    QString problem;
    if (!canReplace(path)) {
        path = playerCardBackPath();
        if (path.isEmpty())
            problem = QStringLiteral("A játékos adatmappája nem ismert.");
        else if (const QString folder = QFileInfo(path).absolutePath(); !QDir().mkpath(folder))
            problem = QStringLiteral("A mappa nem hozható létre: %1")
                          .arg(QDir::toNativeSeparators(folder));
    }
    if (target)
        *target = path;
    if (!problem.isEmpty()) {
        if (errorText)
            *errorText = problem;
        return false;
    }
    return replaceFile(design, path, errorText);
}

} // namespace media
