// Kartavo: five-card-draw video poker. The program opens the splash, which hands over to the
// game table.
#include "indit.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

bool startingUp = true;

// While the window system connection is made, Qt's platform warnings and its fatal error are
// turned into one clear line.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (startingUp && type == QtFatalMsg) {
        std::fprintf(stderr, "kartavo: nem érhető el grafikus kijelző (%s).\n",
                     qPrintable(message.section('\n', 0, 0)));
        std::_Exit(1);
    }
    if (startingUp && context.category && QByteArray(context.category).startsWith("qt.qpa"))
        return;
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
        std::fprintf(stderr, "kartavo: nincs grafikus kijelző (sem DISPLAY, sem WAYLAND_DISPLAY "
                             "nincs beállítva); a játék csak asztali környezetben indul.\n");
        return 1;
    }
    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    startingUp = false;
    qInstallMessageHandler(nullptr);
    // The window class and the player's data folder follow the name; desktops match the windows
    // to the menu entry by the desktop file name.
    QApplication::setApplicationName(QStringLiteral("Kartavo"));
    QGuiApplication::setDesktopFileName(QStringLiteral(KARTAVO_APP_ID));

    auto* splash = new indit;
    splash->show();
    return QApplication::exec();
}
