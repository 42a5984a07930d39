// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <QFile>
#include <QSettings>
#include <memory>

namespace texts {

namespace {
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Kartavo"), QStringLiteral("Kartavo"));
}
} // namespace

QVariant setting(const QString& key) {
    const auto s = settings();
    return s->status() == QSettings::NoError ? s->value(key) : QVariant();
}

void saveSetting(const QString& key, const QVariant& value) {
    auto s = settings();
    if (s->status() != QSettings::NoError && QFile::exists(s->fileName())) {
        // What could not be read stays for whoever wants it; the settings start afresh.
        const QString file = s->fileName(), bad = file + QStringLiteral(".bad");
        s.reset();
        QFile::remove(bad);
        QFile::rename(file, bad);
        s = settings();
    }
    s->setValue(key, value);
    s->sync();
}

} // namespace texts
