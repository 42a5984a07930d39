// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the window tests: a private copy of the media folder, widget look-up by control
// name, and a recorder for missing-file reports.
#pragma once

#include "pictures.h"
#include "program_folder.h"
#include "scripted_random.h"
#include "sound.h"
#include "table_setup.h"
#include "ujra.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

// Deletes every window; a window owned by another one goes with its owner.
inline void deleteAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows << w;
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
}

// The environment of one window test: a copy of the program's media in a temporary folder made
// the program folder (tests may change "hatlap.bmp" or remove files), an empty data folder for
// the player's files (Qt's test-mode folder, never the real one), the sound switch off as at
// process start, a clock for the restart dialog that runs a second at every reading (so that no
// click comes too early unless a test sets a clock of its own), and every window deleted at the
// end, before its media go. Paths are written with the platform's separator, as the program
// writes them.
class MediaFolder {
  public:
    MediaFolder() {
        QStandardPaths::setTestModeEnabled(true);
        // The player's settings in the test's own folder, so that tests run side by side keep
        // theirs apart (where settings are files; the Windows registry is not redirected).
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("config"));
        clearPlayerData();
        const QDir source(QCoreApplication::applicationDirPath());
        for (const QString& name :
             source.entryList({"*.bmp", "*.jpg", "*.wav", "*.cur"}, QDir::Files))
            QFile::copy(source.filePath(name), dir_.filePath(name));
        // The back in force as the test found it (a build folder keeps a chosen back).
        QFile::copy(dir_.filePath("hatlap.bmp"), dir_.filePath("hatlap-before.bmp"));
        media::setProgramFolder(QDir::toNativeSeparators(dir_.path()));
        media::soundOn = false;
        media::effectLog().clear();
        previous_ = media::setMissingFileHandler([this](const QString& path) { missing << path; });
        previousClock_ = ujra::setClock([this] { return seconds_++ * 1000; });
    }
    ~MediaFolder() {
        deleteAllWindows();
        media::setProgramFolder({});
        media::setMissingFileHandler(previous_);
        ujra::setClock(previousClock_);
        clearPlayerData();
    }
    MediaFolder(const MediaFolder&) = delete;
    MediaFolder& operator=(const MediaFolder&) = delete;
    QString path(const QString& name) const {
        return QDir::toNativeSeparators(dir_.filePath(name));
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList missing;

  private:
    // The player's data folder, which the program makes when it writes the player's own back.
    static QString playerData() {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    // Only ever the test-mode folder (an empty location would mean the working directory), and
    // also a file that a test put in its place.
    static void clearPlayerData() {
        const QString folder = playerData();
        if (!QStandardPaths::isTestModeEnabled() || folder.isEmpty())
            return;
        // The trainer's choices in the player's settings (the language's are the language
        // test's own).
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kartavo", "Kartavo")
            .remove("practice");
        if (!QDir(folder).removeRecursively())
            qWarning("the player's test data folder %s stays", qPrintable(folder));
        QFile::remove(folder);
    }

    QTemporaryDir dir_;
    media::MissingFileHandler previous_;
    ujra::Clock previousClock_;
    qint64 seconds_ = 1;
};

template <class T> T* control(const QWidget* window, const QString& name) {
    T* w = window->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

inline void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A random source that deals the cards of a text of codes such as "As Kd 0h".
inline std::unique_ptr<ScriptedRandom> dealing(const QString& cards) {
    std::vector<std::string> codes;
    for (const QString& c : cards.split(' ', Qt::SkipEmptyParts))
        codes.push_back(c.toStdString());
    return std::make_unique<ScriptedRandom>(codes);
}

// Whether window becomes the active one, the one that keys go to, soon. (Qt's own wait counts a
// window that another one owns as active already while its owner is.)
inline bool becomesActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Makes a shown window the active one, so that its keys reach it.
inline void activate(QWidget* window) {
    window->activateWindow();
    if (!becomesActive(window))
        qFatal("%s does not become active", qPrintable(window->objectName()));
}

// The picture a box shows, as an image to compare with a file's.
inline QImage imageOfFile(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
