// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the media files are: the folder of the executable, never the working directory.
#pragma once

#include <QString>

namespace media {

QString programFolder();
// Tests point the program at a folder of their own; an empty folder restores the default.
void setProgramFolder(const QString& folder);

// The program folder, the platform's separator, then the file name.
QString mediaPath(const QString& fileName);
// A folder, the separator, then the file name. The separator is always inserted, also after a
// folder that already ends in one (a root folder).
QString joinMediaPath(const QString& folder, const QString& fileName, QChar separator);

} // namespace media
