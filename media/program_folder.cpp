#include "program_folder.h"

#include "cards.h"

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

QString mediaPath(const QString& fileName) {
    return QString::fromStdString(kartavo::joinMediaPath(
        programFolder().toStdString(), fileName.toStdString(), QDir::separator().toLatin1()));
}

} // namespace media
