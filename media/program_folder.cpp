// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace media {

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString programFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString& folder) {
    folderOverride() = folder;
}

QString joinMediaPath(const QString& folder, const QString& fileName, QChar separator) {
    return folder + separator + fileName;
}

QString mediaPath(const QString& fileName) {
    return joinMediaPath(programFolder(), fileName, QDir::separator());
}

} // namespace media
