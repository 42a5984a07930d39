#include "file_replace.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace media {

namespace {

// Qt's text for the failure, or the system's when Qt only knows that something went wrong (a
// full disk must not read "Unknown error").
QString failureText(const QFileDevice& file, int systemError) {
    const QString qtText = file.errorString();
    if (!qtText.isEmpty() && qtText != QLatin1String("Unknown error"))
        return qtText;
    return QString::fromLocal8Bit(std::strerror(systemError != 0 ? systemError : EIO));
}

} // namespace

bool replaceFile(const QString& source, const QString& target, QString* errorText) {
    auto fail = [errorText](const QFileDevice& file) {
        const int systemError = errno;
        if (errorText)
            *errorText = failureText(file, systemError);
        return false;
    };
    errno = 0;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(in);
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return fail(in);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return fail(out);
    if (out.write(content) != content.size() || !out.commit())
        return fail(out);
    return true;
}

bool isLeftoverOf(const QString& fileName, const QString& targetName) {
    if (fileName.size() != targetName.size() + 7 || !fileName.startsWith(targetName) ||
        fileName[targetName.size()] != QLatin1Char('.'))
        return false;
    for (qsizetype i = targetName.size() + 1; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

int removeLeftovers(const QString& folder, const QString& targetName) {
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name :
         dir.entryList({targetName + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        if (isLeftoverOf(name, targetName) && QFile::remove(dir.filePath(name)))
            ++removed;
    return removed;
}

} // namespace media
