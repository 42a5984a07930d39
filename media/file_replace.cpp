#include "file_replace.h"

#include <QFile>
#include <QSaveFile>

namespace media {

bool replaceFile(const QString& source, const QString& target, QString* errorText) {
    auto fail = [errorText](const QString& why) {
        if (errorText)
            *errorText = why;
        return false;
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(in.errorString());
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return fail(in.errorString());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return fail(out.errorString());
    if (out.write(content) != content.size() || !out.commit())
        return fail(out.errorString());
    return true;
}

} // namespace media
