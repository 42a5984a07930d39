// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed texts of the options dialog.
#pragma once

#include <QString>

namespace howto {

// Four paragraphs separated by line feed, carriage return, line feed, carriage return, in the
// language in force.
QString howToPlayText();
// For showing: the carriage returns dropped, so each separator reads as one empty line.
QString displayText(const QString& text);

inline const QString contactAddress = QStringLiteral("morvane@example.com");

} // namespace howto
