// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and cursors from the program folder. A missing or unreadable file, also one that
// reads only in part, is reported in one place: by default a line on stderr naming the file and
// the folder, the same text shown to the player where the program set a notice (a message box),
// and the program ends with status 1.
//
// Pictures are drawn for the density of the display: where it has more than one device pixel to
// a window pixel, a picture is read from its double-size twin beside it ("As@2x.bmp" beside
// "As.bmp") and keeps its size on the window. A missing or unreadable twin, or one that is not
// exactly twice the size, falls back to the picture itself without a word; only the picture
// itself is ever reported missing.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>

namespace media {

// Device pixels to a window pixel that pictures are drawn for: the highest of the screens, so
// that a window shows sharp pictures on whichever screen it is moved to.
qreal displayPixelRatio();

// The double-size twin of a picture or cursor file: ".../As.bmp" gives ".../As@2x.bmp".
QString twinPath(const QString& path);

// Pictures with words come in the interface's language: beside "splash.jpg" the English
// "splash.en.jpg" (with its own twin "splash.en@2x.jpg"). Where the language in force ("hu" at
// start) has no picture of its own, a language other than Hungarian takes the English one, and
// where there is none of that either, the picture itself; without a word, as a missing twin.
void setPictureLanguage(const QString& code);
QString pictureLanguage();
// The picture of path in the language in force: path itself in Hungarian or where there is no
// other.
QString inPictureLanguage(const QString& path);

// Reads a whole picture. A file that is missing, is no picture, or decodes only in part (cut
// short, corrupt data) gives a null image, and why (if given) says what is wrong. Any size is
// a picture. The reason is Qt's own where Qt names the fault (in Hungarian once Qt's translation
// is installed), else the program's own Hungarian words.
QImage readPicture(const QString& path, QString* why = nullptr);
// The empty path gives the empty picture without touching any file; a file that readPicture
// refuses is reported. The picture is taken in the language in force (inPictureLanguage).
QPixmap loadPicture(const QString& path, qreal ratio = displayPixelRatio());
// As loadPicture, with the twin given by the caller (none when twin is empty).
QPixmap loadPictureWithTwin(const QString& path, const QString& twin, qreal ratio);
// A Windows cursor file (.cur); its hotspot is taken from the file.
QCursor loadCursor(const QString& path, qreal ratio = displayPixelRatio());

// A picture of the windows' own design, compiled into the program: "board_logo.jpg"; in the
// language in force, as loadPicture.
QPixmap designPicture(const QString& name, qreal ratio = displayPixelRatio());
// A window icon of the windows' own design, with its twin for high-density title bars.
QIcon designIcon(const QString& name);

struct CursorImage {
    QImage image;
    QPoint hotspot;
};
// Reads a .cur file; a null image when the file is not a readable cursor.
CursorImage readCursorFile(const QString& path);

// The report for a missing media file, in the language in force.
QString missingFileMessage(const QString& path);

using MissingFileNotice = std::function<void(const QString& message)>;
// How the default report shows its text to the player before the program ends.
void setMissingFileNotice(MissingFileNotice show);

using MissingFileHandler = std::function<void(const QString& path)>;
// Replaces the report (tests record it instead of ending the process). Returns the old handler.
MissingFileHandler setMissingFileHandler(MissingFileHandler handler);

} // namespace media
