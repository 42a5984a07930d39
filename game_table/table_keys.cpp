// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_keys.h"

#include "payout_table.h"
#include "picture_box.h"
#include "window_dock.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
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
    add([] { return tr("Tipp"); }, {Qt::Key_T}, [this] { return c_.Command4; },
        [this](QWidget*) { table_.tip(); });
    add([] { return tr("Elemzés…"); }, {Qt::Key_E}, [this] { return c_.board; },
        [this](QWidget*) { table_.analysis(); }, true);
    add([] { return tr("Gyakorlás…"); }, {Qt::Key_G}, [this] { return c_.board; },
        [this](QWidget*) { table_.practice(); });
    add([] { return tr("Haladás…"); }, {Qt::Key_H}, [this] { return c_.board; },
        [this](QWidget*) { table_.progress(); }, true);
    // The captions with the letter that Alt presses marked: the first letter, "Ki&lépés".
    addButton(c_.Command1, QT_TR_NOOP("&Keverés"));
    addButton(c_.Command4, QT_TR_NOOP("&Csere"));
    addButton(c_.Command6, QT_TR_NOOP("&Beállítások"));
    addButton(c_.Command2, QT_TR_NOOP("Ki&lépés"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});
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

    std::vector<QShortcut*> shortcuts;
    for (const Command& command : commands_)
        for (const QKeySequence& keys : command.keys) {
            auto* shortcut = new QShortcut(keys, c_.board);
            connect(shortcut, &QShortcut::activated, this, [this, &command] { trigger(command); });
            shortcuts.push_back(shortcut);
        }
    // Keys typed in a window docked in the table's window are that window's own.
    connect(qApp, &QApplication::focusChanged, this, [shortcuts](QWidget*, QWidget* now) {
        const bool tableKeys = !controls::dockedWindowOf(now);
        for (QShortcut* shortcut : shortcuts)
            shortcut->setEnabled(tableKeys);
    });
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

void TableKeys::add(std::function<QString()> menuText, QList<QKeySequence> keys,
                    std::function<QWidget*()> control, std::function<void(QWidget*)> run,
                    bool separatorAfter) {
    commands_.push_back(
        {std::move(menuText), std::move(keys), std::move(control), std::move(run), separatorAfter});
}

// A button's command: its caption with the letter that Alt presses underlined (the caption
// reads the same, in every language), the button's click.
void TableKeys::addButton(QPushButton* button, const char* caption, QList<QKeySequence> keys) {
    captions_.push_back({button, caption});
    button->setText(tr(caption));
    add([button] { return button->text(); }, std::move(keys), [button] { return button; }, click);
}

void TableKeys::retranslate() {
    for (const auto& [button, caption] : captions_)
        button->setText(tr(caption));
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
        if (!command.menuText)
            continue;
        QAction* action = menu->addAction(command.menuText());
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
    if (!options_.empty() || !choices_.empty())
        menu->addSeparator();
    for (const Choice& choice : choices_) {
        QMenu* sub = menu->addMenu(choice.title);
        auto* group = new QActionGroup(sub);
        const QStringList names = choice.names();
        const int current = choice.current();
        for (int i = 0; i < names.size(); ++i) {
            QAction* action = sub->addAction(names[i]);
            action->setCheckable(true);
            action->setChecked(i == current);
            group->addAction(action);
            connect(action, &QAction::triggered, menu, [&choice, i] { choice.choose(i); });
        }
    }
    for (std::size_t i = 0; i < options_.size(); ++i) {
        // The state in words too: a screen reader reads a menu entry's check mark only when set.
        const bool on = options_[i].isOn();
        QAction* action = menu->addAction(
            (on ? tr("%1, bekapcsolva") : tr("%1, kikapcsolva")).arg(options_[i].text()));
        action->setCheckable(true);
        action->setChecked(on);
        connect(action, &QAction::toggled, menu,
                [this, i](bool turnOn) { options_[i].set(turnOn); });
    }
    return menu;
}

void TableKeys::addOption(std::function<QString()> text, std::function<bool()> isOn,
                          std::function<void(bool)> set) {
    options_.push_back({std::move(text), std::move(isOn), std::move(set)});
}

void TableKeys::addChoice(const QString& title, std::function<QStringList()> names,
                          std::function<int()> current, std::function<void(int)> choose) {
    choices_.push_back({title, std::move(names), std::move(current), std::move(choose)});
}
