// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's half of playEffect: SDL2 on Linux (sound_sdl.cpp), winmm on Windows
// (sound_winmm.cpp).
#pragma once

#include <QString>

namespace media {

// Plays the sound file at path and returns when it has been played out. A missing or unplayable
// file, or no sound device, plays nothing and reports nothing.
void playSoundFile(const QString& path);

} // namespace media
