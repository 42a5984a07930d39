// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace texts {

namespace {

QStringList folders;
QString current = hungarian;
// The translators installed for the language in force: the program's own and Qt's.
std::unique_ptr<QTranslator> own, qt;

const QString settingsKey = QStringLiteral("language");

QString fileOf(const QString& code) {
    for (const QString& folder : translationFolders()) {
        const QString path = QDir(folder).filePath(QStringLiteral("kartavo_%1.qm").arg(code));
        if (QFile::exists(path))
            return path;
    }
    return {};
}

// Qt's own texts for the language: message boxes' buttons, text fields' menus, the reasons Qt
// gives for a failed file or picture read. Looked for beside the program first (where a build for
// Windows ships them) and then in Qt's own folder (where a Linux distribution installs them).
std::unique_ptr<QTranslator> qtTexts(const QString& code) {
    auto translator = std::make_unique<QTranslator>();
    QStringList places = translationFolders();
    places << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& folder : places)
        if (translator->load(QStringLiteral("qtbase_") + code, folder))
            return translator;
    return nullptr;
}

} // namespace

void setTranslationFolders(const QStringList& list) {
    folders = list;
}

QStringList translationFolders() {
    if (!folders.isEmpty())
        return folders;
    QString program =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
#ifdef Q_OS_LINUX
    // Before the application object: the folder of the running program, links resolved.
    if (program.isEmpty())
        program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
#endif
    return {program + QStringLiteral("/translations")};
}

QString translatedEarly(const char* context, const char* source) {
    static const std::unique_ptr<QTranslator> early = [] {
        auto t = std::make_unique<QTranslator>();
        const QString file = fileOf(startLanguage());
        return !file.isEmpty() && t->load(file) ? std::move(t) : nullptr;
    }();
    const QString text = early ? early->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QStringList languages() {
    QStringList codes;
    // Matched by hand: a name filter would compile a regular expression (and load its library)
    // at every start.
    const QString prefix = QStringLiteral("kartavo_"), suffix = QStringLiteral(".qm");
    for (const QString& folder : translationFolders())
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            if (!name.startsWith(prefix) || !name.endsWith(suffix))
                continue;
            const QString code =
                name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
            if (!code.isEmpty() && code != hungarian && !codes.contains(code))
                codes << code;
        }
    codes.sort();
    codes.prepend(hungarian);
    return codes;
}

QString languageName(const QString& code) {
    if (code == hungarian)
        return QStringLiteral("Magyar");
    if (code == english)
        return QStringLiteral("English");
    QString name = QLocale(code).nativeLanguageName();
    if (name.isEmpty())
        return code;
    name[0] = name[0].toUpper();
    return name;
}

QString defaultLanguage(const QStringList& uiLanguages, const QStringList& available) {
    if (uiLanguages.isEmpty())
        return hungarian;
    const QLocale first(uiLanguages.first());
    if (first.language() == QLocale::Hungarian || first.language() == QLocale::C)
        return hungarian;
    for (const QString& wanted : uiLanguages) {
        const QString code = QLocale(wanted).name().section(QLatin1Char('_'), 0, 0);
        if (code != hungarian && available.contains(code))
            return code;
    }
    return english;
}

QString startLanguage() {
    const QStringList available = languages();
    const QString saved = setting(settingsKey).toString();
    if (available.contains(saved))
        return saved;
    return defaultLanguage(QLocale::system().uiLanguages(), available);
}

void saveLanguage(const QString& code) {
    saveSetting(settingsKey, code);
}

bool setLanguage(const QString& code) {
    std::unique_ptr<QTranslator> ownNext;
    if (code != hungarian) {
        const QString file = fileOf(code);
        ownNext = std::make_unique<QTranslator>();
        if (file.isEmpty() || !ownNext->load(file))
            return false;
    }
    for (auto* old : {own.get(), qt.get()})
        if (old)
            QCoreApplication::removeTranslator(old);
    own = std::move(ownNext);
    qt = qtTexts(code);
    for (auto* t : {own.get(), qt.get()})
        if (t)
            QCoreApplication::installTranslator(t);
    current = code;
    return true;
}

QString language() {
    return current;
}

bool qtTextsInForce() {
    return current == english || qt != nullptr;
}

QString fromKey(const char* context, std::string_view key) {
    const std::string text(key);
    return QCoreApplication::translate(context, text.c_str());
}

kartavo::Translate keyTranslator() {
    return [](const char* context, const char* key) {
        return QCoreApplication::translate(context, key).toStdString();
    };
}

QLocale locale() {
    QLocale l(current);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

QString decimal(double value, int decimals) {
    return locale().toString(value, 'f', decimals);
}

} // namespace texts
