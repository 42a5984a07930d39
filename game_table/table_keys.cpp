// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_keys.h"

#include "payout_table.h"
#include "picture_box.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

// Clicks the control a key pressed and moves the focus to it, so that a screen reader reads its
// new state (once: the click comes first).
void focusAndClick(QWidget* w) {
    if (auto* box = qobject_cast<controls::PictureBox*>(w))
        box->click();
    else
        static_cast<QPushButton*>(w)->click();
    w->setFocus(Qt::ShortcutFocusReason);
}

void click(QWidget* w) {
    static_cast<QPushButton*>(w)->click();
}

} // namespace

TableKeys::TableKeys(const TableControls& controls, Table table)
    : QObject(controls.board), c_(controls), table_(std::move(table)) {
    // The menu's entries, in their order, then the commands of keys only. The keypad's keys come
    // to the same shortcuts (Qt retries a keypad key without its modifier); + is also taken with
    // Shift, as several keyboards type it.
    add(
        QStringLiteral("Tipp"), {Qt::Key_T}, [this] { return c_.Command4; },
        [this](QWidget*) { table_.tip(); });
    add(
        QStringLiteral("Elemzés…"), {Qt::Key_E}, [this] { return c_.board; },
        [this](QWidget*) { table_.analysis(); }, true);
    add(
        tr("Gyakorlás…"), {Qt::Key_G}, [this] { return c_.board; },
        [this](QWidget*) { table_.practice(); });
    add(
        tr("Haladás…"), {Qt::Key_H}, [this] { return c_.board; },
        [this](QWidget*) { table_.progress(); }, true);
    addButton(c_.Command1);
    addButton(c_.Command4);
    addButton(c_.Command6);
    addButton(c_.Command2, {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    for (std::size_t i = 0; i < 5; ++i)
        add(
            {}, {QKeySequence(Qt::Key_1 + int(i))}, [this, i] { return c_.Picture1[i]; },
            focusAndClick);
    add(
        {}, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
        [this] { return c_.Command4->isEnabled() ? c_.Command4 : c_.Command1; }, click);
    add(
        {}, {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::SHIFT | Qt::Key_Plus)},
        [this] { return multiplierButton(1); }, focusAndClick);
    add(
        {}, {QKeySequence(Qt::Key_Minus)}, [this] { return multiplierButton(-1); }, focusAndClick);

    for (const Command& command : commands_)
        for (const QKeySequence& keys : command.keys) {
            auto* shortcut = new QShortcut(keys, c_.board);
            connect(shortcut, &QShortcut::activated, this, [this, &command] { trigger(command); });
        }
    qApp->installEventFilter(this);
}

// Before a key reaches a shortcut, Qt asks whether the focus takes it itself: a screen reader's
// key is taken so, and reaches the focused control as a plain key press (which does nothing).
bool TableKeys::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert)
            insertHeld_ = event->type() == QEvent::KeyPress;
        break;
    case QEvent::ApplicationStateChange: // the release may have gone to another program
        insertHeld_ = false;
        break;
    case QEvent::ShortcutOverride: {
        const QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != c_.board)
            break;
        const bool keypad =
            static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::KeypadModifier);
        if (insertHeld_ || (keypad && QAccessible::isActive())) {
            event->accept();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void TableKeys::add(QString menuText, QList<QKeySequence> keys, std::function<QWidget*()> control,
                    std::function<void(QWidget*)> run, bool separatorAfter) {
    commands_.push_back(
        {std::move(menuText), std::move(keys), std::move(control), std::move(run), separatorAfter});
}

// A button's command: its caption with the letter that Alt presses underlined (the caption
// reads the same), the button's click.
void TableKeys::addButton(QPushButton* button, QList<QKeySequence> keys) {
    // The letter of each caption that Alt presses: "Ki&lépés", the first letter of the others.
    const int letterAt = button == c_.Command2 ? 2 : 0;
    button->setText(button->text().insert(letterAt, QLatin1Char('&')));
    add(
        button->text(), std::move(keys), [button] { return button; }, click);
}

void TableKeys::trigger(const Command& command) const {
    QWidget* control = command.control();
    if (control && control->isEnabled())
        command.run(control);
}

// The multiplier button a step away from the current one; null past the ends.
QPushButton* TableKeys::multiplierButton(int step) const {
    const int next = kartavo::buttonOfMultiplier(table_.multiplier()) + step;
    return next < 0 || next > 3 ? nullptr : c_.command3[std::size_t(next)];
}

QMenu* TableKeys::menu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("tableMenu"));
    for (const Command& command : commands_) {
        if (command.menuText.isEmpty())
            continue;
        QAction* action = menu->addAction(command.menuText);
        // Shown in the menu; the table's own shortcut does the work.
        if (!command.keys.isEmpty())
            action->setShortcut(command.keys.first());
        action->setShortcutContext(Qt::WidgetShortcut);
        QWidget* control = command.control();
        action->setEnabled(control && control->isEnabled());
        connect(action, &QAction::triggered, menu, [this, &command] { trigger(command); });
        if (command.separatorAfter)
            menu->addSeparator();
    }
    if (!options_.empty())
        menu->addSeparator();
    for (std::size_t i = 0; i < options_.size(); ++i) {
        // The state in words too: a screen reader reads a menu entry's check mark only when set.
        QAction* action = menu->addAction(options_[i].text +
                                          (options_[i].isOn() ? QStringLiteral(", bekapcsolva")
                                                              : QStringLiteral(", kikapcsolva")));
        action->setCheckable(true);
        action->setChecked(options_[i].isOn());
        connect(action, &QAction::toggled, menu, [this, i](bool on) { options_[i].set(on); });
    }
    return menu;
}

void TableKeys::addOption(const QString& text, std::function<bool()> isOn,
                          std::function<void(bool)> set) {
    options_.push_back({text, std::move(isOn), std::move(set)});
}
