// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Hungarian: the standard buttons of message boxes, the entries of text
// fields' context menus, the reasons Qt gives for a failed file or picture read.
#pragma once

namespace shell {

// Installs Qt's own Hungarian translation (qtbase_hu.qm) on the running application, whatever
// the system's locale, since the whole interface is Hungarian. The file is looked for in the
// program folder's translations/ first (where a build for Windows ships it beside the program)
// and then in Qt's own translations folder (where a Linux distribution installs it). Where
// neither has it, nothing changes and Qt's texts stay English, without a word; returns whether
// the translation was installed. Call it once, after the application object is made.
bool installQtTranslation();

} // namespace shell
