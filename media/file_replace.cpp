// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_replace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace media {

namespace {

// The C library's words for a system error, which Qt passes on for the errors it does not name
// itself: English on most systems, and outside Qt's translation.
QString libraryWords(int code) {
    return QString::fromLocal8Bit(std::strerror(code)).trimmed();
}

// A system error in Hungarian. Qt names the commonest itself, in Hungarian once its translation
// is installed; the others it passes on in the C library's words, so the program has its own.
QString systemReason(int code) {
    switch (code) {
    case ENOENT:
    case EACCES:
    case EMFILE:
    case ENOSPC:
        return qt_error_string(code);
    case EFBIG:
        return QCoreApplication::translate("media",
                                           "a fájl túllépné a megengedett legnagyobb méretet");
#ifdef EDQUOT
    case EDQUOT:
        return QCoreApplication::translate("media", "betelt a lemezkvóta");
#endif
    case EROFS:
        return QCoreApplication::translate("media", "a fájlrendszer csak olvasható");
    case EIO:
        return QCoreApplication::translate("media", "az eszköz olvasása vagy írása nem sikerült");
    case EPERM:
        return QCoreApplication::translate("media", "a művelet nem engedélyezett");
    case EISDIR:
        return QCoreApplication::translate("media", "mappa, nem fájl");
    case ENOTDIR:
        return QCoreApplication::translate("media", "az útvonal egy tagja nem mappa");
    case ENAMETOOLONG:
        return QCoreApplication::translate("media", "túl hosszú fájlnév");
#ifdef ELOOP
    case ELOOP:
        return QCoreApplication::translate("media", "túl sok szimbolikus hivatkozás az útvonalon");
#endif
    case ENFILE:
        return QCoreApplication::translate("media", "a rendszerben túl sok a nyitott fájl");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return QCoreApplication::translate("media", "a fájl vagy az eszköz foglalt");
    case ENOMEM:
        return QCoreApplication::translate("media", "nincs elég memória");
    default:
        return QCoreApplication::translate("media", "rendszerhiba (hibakód: %1)").arg(code);
    }
}

// Qt's text for the failure, else the system's reason: where Qt saw no error at all (a write cut
// short by a full disk), or where its text is only the C library's words.
QString failureText(const QFileDevice& file, int systemError) {
    const int code = systemError != 0 ? systemError : EIO;
    if (file.error() == QFileDevice::NoError)
        return systemReason(code);
    const QString qtText = file.errorString();
    return qtText == libraryWords(code) ? systemReason(code) : qtText;
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
    // Every name is tested by isLeftoverOf, not by a wildcard filter: Qt turns a wildcard into a
    // regular expression, and that alone pulls the regular-expression engine and its compiler
    // into memory at every start.
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Unsorted))
        if (isLeftoverOf(name, targetName) && QFile::remove(dir.filePath(name)))
            ++removed;
    return removed;
}

} // namespace media
