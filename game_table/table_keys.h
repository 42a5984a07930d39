// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The game table's commands, made in one place: the keys of a video poker machine and the
// right-click menu. 1 to 5 click the card boxes, Enter exchanges when "Csere" is enabled and deals
// otherwise, + and - step the multiplier, Ctrl+Q leaves, Alt and the underlined letter press a
// button, T asks for a tip and E for the analysis,
// G for practice and H for the progress. Each command stands for a control: it runs
// only while that control is enabled, and its menu entry is enabled as the control is. Space
// stays with the focused control. The keys are key presses, not shortcuts: a screen reader hears
// each first and keeps its own (see controls::KeyCommands).
#pragma once

#include "table_controls.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QMenu;
namespace controls {
class KeyCommands;
}

class TableKeys : public QObject {
    Q_OBJECT
  public:
    // What the commands need of the table beyond its controls.
    struct Table {
        std::function<int()> multiplier;
        std::function<void()> tip;
        std::function<void()> analysis;
        std::function<void()> practice;
        std::function<void()> progress;
    };
    TableKeys(const TableControls& controls, Table table);

    // The right-click menu, built afresh with the enabled states of now. The caller owns it.
    QMenu* menu(QWidget* parent) const;
    // A checkable entry after the commands, always enabled; its text asked for at every showing
    // (so in the language then in force).
    void addOption(std::function<QString()> text, std::function<bool()> isOn,
                   std::function<void(bool)> set);
    // A submenu of entries of which one is checked, before the options.
    void addChoice(const QString& title, std::function<QStringList()> names,
                   std::function<int()> current, std::function<void(int)> choose);
    // The buttons' captions again, with their Alt letters, in the language now in force.
    void retranslate();

  private:
    struct Command {
        // The menu's text, in the language in force; none: keys only. A button's command shows
        // the button's caption.
        std::function<QString()> menuText;
        QList<QKeySequence> keys;
        // The control the command stands for, as things are now (the table itself for none).
        std::function<QWidget*()> control;
        // Runs with that control, only while it is enabled.
        std::function<void(QWidget*)> run;
        bool separatorAfter = false;
    };
    // One command: adding a command is one call.
    void add(std::function<QString()> menuText, QList<QKeySequence> keys,
             std::function<QWidget*()> control, std::function<void(QWidget*)> run,
             bool separatorAfter = false);
    // caption: a source text of this class, with "&" before the letter that Alt presses.
    void addButton(QPushButton* button, const char* caption, QList<QKeySequence> keys = {});
    struct Option {
        std::function<QString()> text;
        std::function<bool()> isOn;
        std::function<void(bool)> set;
    };
    struct Choice {
        QString title;
        std::function<QStringList()> names;
        std::function<int()> current;
        std::function<void(int)> choose;
    };
    std::vector<Option> options_;
    std::vector<Choice> choices_;
    std::vector<std::pair<QPushButton*, const char*>> captions_;
    void trigger(const Command& command) const;
    QPushButton* multiplierButton(int step) const;

    TableControls c_;
    Table table_;
    std::vector<Command> commands_;
    controls::KeyCommands* keys_;
};
