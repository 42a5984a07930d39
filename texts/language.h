// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The language the program speaks. Hungarian is its own (the source texts); every other language
// is a Qt translation file, translations/kartavo_<code>.qm in the program folder. Choosing a
// language installs its translations (the program's own and Qt's texts for it) on the running
// application, which Qt tells every window with a LanguageChange event.
#pragma once

#include "translatable.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <string_view>

namespace texts {

// The program's own language.
inline const QString hungarian = QStringLiteral("hu");
inline const QString english = QStringLiteral("en");

// Where the translation files are looked for, first to last. By default the folder
// "translations" beside the program.
void setTranslationFolders(const QStringList& folders);
QStringList translationFolders();

// "hu", then the language of every translation file found, in the order of their codes.
QStringList languages();
// The language's name in its own words: "Magyar", "English".
QString languageName(const QString& code);

// The language for a system whose interface speaks these languages, first the most wanted
// (QLocale::uiLanguages()): Hungarian where the first is Hungarian or where none is set (the C or
// POSIX locale); else the first that has a translation; else English.
QString defaultLanguage(const QStringList& uiLanguages, const QStringList& available);
// The language at start: the player's last choice where it can be read and is available, else the
// default for the system.
QString startLanguage();
// Remembers the player's choice for the next start, in the player's settings (settings.h).
void saveLanguage(const QString& code);

// Installs the language's translations on the running application, replacing another's: the
// program's own file and Qt's texts for it. False (and nothing changed) for a language without
// its file.
bool setLanguage(const QString& code);
// The language in force; Hungarian until another is set.
QString language();
// Whether Qt's own texts are in the language in force (English needs none; another language
// needs Qt's translation file for it).
bool qtTextsInForce();

// A source text in the language the program will speak, before the application object or its
// translations exist (for the lines that say why no window can open).
QString translatedEarly(const char* context, const char* source);

// A key of the Qt-free libraries (see translatable.h) in the language in force.
QString fromKey(const char* context, std::string_view key);
// The translation function that those libraries take.
kartavo::Translate keyTranslator();

// A number with the given decimals in the language's notation ("3,42" in Hungarian, "3.42" in
// English), without group separators.
QString decimal(double value, int decimals);
// The language in force as a locale, for numbers and dates.
QLocale locale();

} // namespace texts
