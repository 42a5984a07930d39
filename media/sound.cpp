// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound switch and playEffect, the same on every platform; the playback itself is the
// platform's (sound_sdl.cpp, sound_winmm.cpp).
#include "sound.h"

#include "program_folder.h"
#include "sound_backend.h"

#include <QFileInfo>

namespace media {

bool soundOn = false;

QStringList& effectLog() {
    static QStringList log;
    return log;
}

namespace {
// The log keeps the latest sounds only, so that a long game does not grow it without end.
constexpr qsizetype effectLogLimit = 1000;
// A sound file is read whole before it plays, at every deal: a larger one is not played. The
// game's own are some kilobytes; ten seconds of studio sound are a few megabytes.
constexpr qint64 largestSoundFile = 16 * 1024 * 1024;
} // namespace

void playEffect(const QString& fileName) {
    if (!soundOn)
        return;
    QStringList& log = effectLog();
    if (log.size() >= effectLogLimit)
        log.remove(0, log.size() - effectLogLimit + 1);
    log.append(fileName);
    const QString path = mediaPath(fileName);
    if (QFileInfo(path).size() <= largestSoundFile)
        playSoundFile(path);
}

} // namespace media
