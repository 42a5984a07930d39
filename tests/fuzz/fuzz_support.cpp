// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_targets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

void broken(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
    std::abort();
}

QString workFolder() {
    static QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("kartavo-fuzz-XXXXXX")));
    if (!folder.isValid())
        broken("a temporary folder", __FILE__, __LINE__);
    return folder.path();
}

void writeFile(const QString& path, QByteArrayView bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size())
        broken(qPrintable(QStringLiteral("write %1").arg(path)), __FILE__, __LINE__);
}

} // namespace fuzz
