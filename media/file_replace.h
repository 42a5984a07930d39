// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The one file the program writes: a copy that replaces its target atomically.
#pragma once

#include <QString>

namespace media {

// Copies source over target through a temporary file in the target's folder that is renamed
// over the target, so the target is always either the old file or the new one. On failure the
// target is untouched and errorText (if given) says why: Qt's reason (in Hungarian once Qt's
// translation is installed), or the program's own Hungarian words for a system error that Qt
// leaves unnamed or names only in the C library's words.
bool replaceFile(const QString& source, const QString& target, QString* errorText = nullptr);

// Where the file system cannot make unnamed files, the copy's temporary file is named after the
// target: the target's name, a dot and six letters or digits. A copy killed half-way leaves it.
bool isLeftoverOf(const QString& fileName, const QString& targetName);
// Removes the leftovers of copies to targetName from folder, and nothing else; one that cannot
// be removed (a read-only folder) stays, silently. Returns how many were removed.
int removeLeftovers(const QString& folder, const QString& targetName);

} // namespace media
