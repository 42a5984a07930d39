// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's own keys (a video poker machine's single keys, a button's Alt letter, Ctrl+Q) as
// ordinary key presses rather than application shortcuts.
//
// Why: a screen reader hears the keys of a Qt program through Qt's accessibility bridge, which
// takes every key press event in an application event filter, offers it to the screen reader and
// delivers it to the program only when the screen reader leaves it. An application shortcut acts
// before any key press event exists, so the screen reader would never hear that key (Orca's
// Insert+T would give the game's T). The keys here are claimed at the shortcut stage (so that
// no shortcut, a button's Alt letter included, acts on them) and act when their key press
// reaches the focused control: after every application event filter, whichever was installed
// first, and only if the screen reader has left the key.
//
// Beyond that, a screen reader's keys stay its own even where the key press reaches the window:
// no key acts while Insert (its modifier) is held, and while a screen reader is active the
// keypad's keys are left to it.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace controls {

class KeyCommands : public QObject {
    Q_OBJECT
  public:
    // The keys act while the focus is in window (or the window is active without a focus); a
    // window docked in window's (window_dock.h) has its own keys.
    explicit KeyCommands(QWidget* window);

    // keys run run; a keypad key is taken for the same key of the main keyboard. run decides
    // itself whether it applies now.
    void add(QList<QKeySequence> keys, std::function<void()> run);
    // The button's Alt letter, as its caption marks it at the time of the key: the button clicks
    // as by the mouse, while it is enabled.
    void addMnemonic(QAbstractButton* button);

  protected:
    // On the receiving control and the window: the key presses.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // On the application: the claim at the shortcut stage, and whether Insert is held.
    class Claim;
    friend class Claim;
    struct Command {
        QList<QKeySequence> keys;
        QAbstractButton* button = nullptr; // its Alt letter, when keys is empty
        std::function<void()> run;
    };
    const Command* find(const QKeyEvent* event) const;
    bool inWindow() const;

    QWidget* window_;
    std::vector<Command> commands_;
    bool insertHeld_ = false;
};

} // namespace controls
