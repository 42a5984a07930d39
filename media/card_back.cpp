// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_back.h"

#include "file_replace.h"
#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace media {

namespace {

const QString backName = QStringLiteral("hatlap.bmp");

// Replacing a file takes a temporary file beside it, so its folder must take a new file. That is
// tried, not read from the folder's permissions: Windows grants writes by access control lists,
// which Qt does not read by default, so a folder under Program Files would look writable. The
// trial file is named as the replace's own, which the next start removes if it is left behind.
bool canReplace(const QString& path) {
    const QFileInfo file(path);
    QTemporaryFile trial(QDir(file.absolutePath()).filePath(backName + QStringLiteral(".XXXXXX")));
    return trial.open() && (!file.exists() || file.isWritable());
}

QByteArray contentOf(const QString& path, qint64 expectedSize = -1) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || (expectedSize >= 0 && file.size() != expectedSize))
        return {};
    return file.readAll();
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
            problem = QCoreApplication::translate("media", "A játékos adatmappája nem ismert.");
        else if (const QString folder = QFileInfo(path).absolutePath(); !QDir().mkpath(folder))
            problem = QCoreApplication::translate("media", "A mappa nem hozható létre: %1")
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
