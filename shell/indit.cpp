// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "indit.h"

#include "board.h"
#include "picture_box.h"
#include "pictures.h"
#include "program_folder.h"
#include "table_setup.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>

indit::indit() {
    setObjectName(QStringLiteral("indit"));
    // No border, no title bar and no taskbar entry: a splash screen, for the desktop too. Where
    // the desktop lists it all the same (on Wayland a window cannot say what it is), it is listed
    // under the program's name.
    setWindowTitle(QStringLiteral("Kartavo"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // At its place from the screen's corner, where the platform lets a window place itself (on
    // Wayland the compositor places it).
    const QRect design = controls::pxRect(2205, 1950, 7575, 5205);
    setFixedSize(design.size());
    move(design.topLeft());

    Picture1 = new controls::PictureBox(this, true);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(controls::pxRect(0, 0, 7575, 5175));
    Picture1->setFocusPolicy(Qt::NoFocus);
    Picture1->setAccessibleName(QStringLiteral("Kartavo"));

    tickCount_ = 1;
    Picture1->setPicture(media::loadPicture(media::mediaPath(QStringLiteral("splash2.jpg"))));
    Timer1.setInterval(tickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &indit::Timer1_Timer);
    Timer1.start();
}

void indit::Timer1_Timer() {
    ++tickCount_;
    if (tickCount_ == 15)
        Picture1->setPicture(media::loadPicture(media::mediaPath(QStringLiteral("splash.jpg"))));
    if (tickCount_ == 35) {
        // No window is visible while the table loads and plays its start sound; the program
        // must not take that for its end.
        const bool quitOnLast = QApplication::quitOnLastWindowClosed();
        QApplication::setQuitOnLastWindowClosed(false);
        Timer1.stop();
        closing_ = true;
        close();
        board* table = shell::openTable();
        table->show();
        QApplication::setQuitOnLastWindowClosed(quitOnLast);
        tickCount_ = 1;
    }
}

void indit::closeEvent(QCloseEvent* event) {
    // The splash cannot be skipped: a close asked for by the window system is refused; the
    // program itself closes it.
    if (event->spontaneous() && !closing_)
        event->ignore();
    else
        event->accept();
}
