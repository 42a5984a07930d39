// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound switch and playEffect, the same on every platform; the playback itself is the
// platform's (sound_sdl.cpp, sound_winmm.cpp).
#include "sound.h"

#include "program_folder.h"
#include "sound_backend.h"

namespace media {

bool soundOn = false;

QStringList& effectLog() {
    static QStringList log;
    return log;
}

namespace {
// The log keeps the latest sounds only, so that a long game does not grow it without end.
constexpr qsizetype effectLogLimit = 1000;
} // namespace

void playEffect(const QString& fileName) {
    if (!soundOn)
        return;
    QStringList& log = effectLog();
    if (log.size() >= effectLogLimit)
        log.remove(0, log.size() - effectLogLimit + 1);
    log.append(fileName);
    playSoundFile(mediaPath(fileName));
}

} // namespace media
