// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Sound effects: one switch and one synchronous play operation for the whole program.
#pragma once

#include <QString>
#include <QStringList>

namespace media {

// The program-wide sound-effects switch. False at process start; the game table's load turns it
// on through the options dialog's "Effektek" box.
extern bool soundOn;

// Plays a WAV file from the program folder and returns when it has been played out. With soundOn
// false it makes no audio call at all. A missing or unplayable file, a file over 16 MB, or no audio
// device, plays nothing and reports nothing. Through SDL (Linux) a sound plays at most its first
// 10 seconds, and one of fewer than 8000 samples a second not at all. The audio device is open
// only while a sound plays.
void playEffect(const QString& fileName);

// The file names that playEffect was asked to play while soundOn was true, in order: the latest
// thousand. Lets tests tell which sounds a handler played and that a switched-off program made
// no audio call.
QStringList& effectLog();

#ifdef Q_OS_WIN
// The platform call behind playEffect on Windows, winmm's PlaySoundW: the sound, a module and
// the flags. Tests put their own in its place to see what playEffect hands it.
using PlaySoundFunction = int (*)(const wchar_t* sound, void* module, unsigned long flags);
PlaySoundFunction& playSoundFunction();
#endif

} // namespace media
