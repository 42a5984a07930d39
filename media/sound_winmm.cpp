// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: sounds play through winmm's PlaySound, by file path and synchronously.
#include "sound.h"
#include "sound_backend.h"
#include "winmm.h"

namespace media {

namespace {
int systemPlaySound(const wchar_t* sound, void* module, unsigned long flags) {
    return ::PlaySoundW(sound, static_cast<HMODULE>(module), flags);
}
} // namespace

PlaySoundFunction& playSoundFunction() {
    static PlaySoundFunction play = systemPlaySound;
    return play;
}

void playSoundFile(const QString& path) {
    // The wide-character call takes any folder name as it is. SND_SYNC (0) returns when the sound
    // has ended; SND_NODEFAULT keeps a missing file silent instead of playing the system's
    // default sound. The result is not read: a sound that cannot be played (no file, no sound
    // card) is skipped without a word.
    playSoundFunction()(reinterpret_cast<const wchar_t*>(path.utf16()), nullptr,
                        SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

} // namespace media
