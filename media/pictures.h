// Pictures and cursors from the program folder. A missing or unreadable file, also one that
// reads only in part, is reported in one place: by default a message box naming the file and the
// folder, the same line on stderr, and the program ends with status 1.
#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>

namespace media {

// Reads a whole picture. A file that is missing, is no picture, or decodes only in part (cut
// short, corrupt data) gives a null image, and why (if given) says what is wrong. Any size is
// a picture.
QImage readPicture(const QString& path, QString* why = nullptr);
// The empty path gives the empty picture without touching any file; a file that readPicture
// refuses is reported.
QPixmap loadPicture(const QString& path);
// A Windows cursor file (.cur); its hotspot is taken from the file.
QCursor loadCursor(const QString& path);

struct CursorImage {
    QImage image;
    QPoint hotspot;
};
// Reads a .cur file; a null image when the file is not a readable cursor.
CursorImage readCursorFile(const QString& path);

// Hungarian text of the report for a missing media file.
QString missingFileMessage(const QString& path);

using MissingFileHandler = std::function<void(const QString& path)>;
// Replaces the report (tests record it instead of ending the process). Returns the old handler.
MissingFileHandler setMissingFileHandler(MissingFileHandler handler);

} // namespace media
