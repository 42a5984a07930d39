// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_commands.h"

#include "window_dock.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

namespace controls {

namespace {
// The window whose keys a control's keys are: a window docked in another one's is a window of
// its own for its keys.
const QWidget* keyWindowOf(const QWidget* w) {
    if (const QWidget* docked = dockedWindowOf(w))
        return docked;
    return w->window();
}
} // namespace

// An application event filter sees every event before the receiver's own filters, in the order
// the application's filters were installed; this one acts on no key press.
class KeyCommands::Claim : public QObject {
  public:
    explicit Claim(KeyCommands* keys) : QObject(keys), keys_(keys) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // Claimed for a key press, so that no shortcut acts on it: the key press first
            // passes every application event filter, a screen reader's among them, and then the
            // filter on the control that receives it.
            auto* key = static_cast<QKeyEvent*>(event);
            if (watched->isWidgetType() && keys_->inWindow() && keys_->find(key)) {
                watched->installEventFilter(keys_);
                key->accept();
                return true;
            }
            break;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert)
                keys_->insertHeld_ = event->type() == QEvent::KeyPress;
            break;
        case QEvent::ApplicationStateChange: // Insert's release may have gone to another program
            keys_->insertHeld_ = false;
            break;
        default:
            break;
        }
        return false;
    }

  private:
    KeyCommands* keys_;
};

KeyCommands::KeyCommands(QWidget* window) : QObject(window), window_(window) {
    new Claim(this);
    window_->installEventFilter(this);
}

void KeyCommands::add(QList<QKeySequence> keys, std::function<void()> run) {
    commands_.push_back({std::move(keys), nullptr, std::move(run)});
}

void KeyCommands::addMnemonic(QAbstractButton* button) {
    commands_.push_back({{}, button, [button] {
                             if (button->isEnabled())
                                 button->animateClick();
                         }});
}

const KeyCommands::Command* KeyCommands::find(const QKeyEvent* event) const {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(event->key())));
    for (const Command& command : commands_) {
        if (command.button ? pressed == QKeySequence::mnemonic(command.button->text())
                           : command.keys.contains(pressed))
            return &command;
    }
    return nullptr;
}

bool KeyCommands::inWindow() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? keyWindowOf(focus) == window_ : QApplication::activeWindow() == window_;
}

bool KeyCommands::eventFilter(QObject* watched, QEvent* event) {
    // The focus says whose key it is: a key that a docked window leaves, on its way up through
    // the host's window, is not the host's.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || !inWindow() ||
        keyWindowOf(static_cast<QWidget*>(watched)) != window_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Command* command = find(key);
    if (!command || insertHeld_ ||
        (key->modifiers().testFlag(Qt::KeypadModifier) && QAccessible::isActive()))
        return false;
    command->run();
    key->accept();
    return true;
}

} // namespace controls
