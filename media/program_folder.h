// Where the media files are: the folder of the executable, never the working directory.
#pragma once

#include <QString>

namespace media {

QString programFolder();
// Tests point the program at a folder of their own; an empty folder restores the default.
void setProgramFolder(const QString& folder);

// The program folder, the platform's separator, then the file name.
QString mediaPath(const QString& fileName);

} // namespace media
