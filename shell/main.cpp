// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Kartavo: five-card-draw video poker. The program opens the splash, which hands over to the
// game table.
#include "card_back.h"
#include "file_replace.h"
#include "indit.h"
#include "language.h"
#include "pictures.h"
#include "program_folder.h"
#include "table_setup.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {

bool startingUp = true;

QString early(const char* source) {
    return texts::translatedEarly("main", source);
}
QStringList platformReasons;
QString missingPlugin;

// The displays the environment names, as "DISPLAY=:0"; empty when it names none.
QString namedDisplays() {
    QStringList names;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable))
            names << QStringLiteral("%1=%2").arg(QLatin1String(variable),
                                                 qEnvironmentVariable(variable));
    return names.join(QStringLiteral(", "));
}

// While the window system connection is made, Qt's platform warnings are kept as the reason and
// its fatal error becomes one clear line naming the display that could not be reached.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (startingUp && type == QtFatalMsg) {
        const QString displays = namedDisplays();
        QString line =
            early(QT_TRANSLATE_NOOP("main", "kartavo: nem érhető el a grafikus kijelző (%1)"))
                .arg(displays.isEmpty() ? early(QT_TRANSLATE_NOOP("main", "nincs megadva"))
                                        : displays);
        // A platform plugin that is not there at all is a fault of the installation, not of the
        // display.
        if (!missingPlugin.isEmpty())
            line = early(QT_TRANSLATE_NOOP("main",
                                           "kartavo: hiányzik a Qt „%1” platformbővítménye, ezért "
                                           "nem nyitható meg ablak (QT_QPA_PLATFORM=%2)"))
                       .arg(missingPlugin, qEnvironmentVariable("QT_QPA_PLATFORM"));
        else if (!platformReasons.isEmpty())
            // Qt's platform warnings have no translation: they follow as Qt's own words, for
            // whoever looks into the fault.
            line += early(QT_TRANSLATE_NOOP("main", "; a Qt üzenete: ")) +
                    platformReasons.join(QStringLiteral("; "));
        std::fprintf(stderr, "%s.\n", qPrintable(line));
        std::_Exit(1);
    }
    if (startingUp && context.category && QByteArray(context.category).startsWith("qt.qpa")) {
        static const QRegularExpression notFound(
            QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
        if (const QRegularExpressionMatch m = notFound.match(message); m.hasMatch())
            missingPlugin = m.captured(1);
        if (type != QtDebugMsg && type != QtInfoMsg)
            platformReasons << message.section('\n', 0, 0);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

bool displayReachable() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char** argv) {
    if (!displayReachable()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(early(QT_TRANSLATE_NOOP(
                         "main", "kartavo: nincs grafikus kijelző (sem DISPLAY, sem "
                                 "WAYLAND_DISPLAY nincs beállítva); a játék csak asztali "
                                 "környezetben indul."))));
        return 1;
    }
    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    startingUp = false;
    qInstallMessageHandler(nullptr);
    // The window class, the player's data folder and the settings follow the name; desktops
    // match the windows to the menu entry by the desktop file name.
    QApplication::setApplicationName(QStringLiteral("Kartavo"));
    QGuiApplication::setDesktopFileName(QStringLiteral(KARTAVO_APP_ID));
    // The player's language, or the system's; Qt's own texts (message boxes' buttons, text
    // fields' menus, file and picture errors) in it too, where Qt has them.
    if (!shell::setLanguage(texts::startLanguage()))
        shell::setLanguage(texts::hungarian);
    // A missing picture is shown to the player before the program ends, over the window that
    // wanted it.
    media::setMissingFileNotice([](const QString& message) {
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Kartavo"), message);
    });
    // A copy of the card back killed half-way may have left its temporary file, beside the back
    // in the program folder or beside the player's own back.
    media::removeLeftovers(media::programFolder(), QStringLiteral("hatlap.bmp"));
    if (const QString own = media::playerCardBackPath(); !own.isEmpty())
        media::removeLeftovers(QFileInfo(own).absolutePath(), QStringLiteral("hatlap.bmp"));

    auto* splash = new indit;
    splash->show();
    return QApplication::exec();
}
