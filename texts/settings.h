// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's settings that outlive a run (the language, the trainer's choices): Qt's settings in
// the user's own location. A settings file that cannot be read gives no values, and is kept
// beside as "<name>.bad" before it is written anew.
#pragma once

#include <QString>
#include <QVariant>

namespace texts {

// The value saved under key; an invalid value where none is saved or the file cannot be read.
QVariant setting(const QString& key);
void saveSetting(const QString& key, const QVariant& value);

} // namespace texts
