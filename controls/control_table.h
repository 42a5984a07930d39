// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows are laid out from tables of controls: one row per control with its name, kind,
// container, text, twips rectangle, font and tab index. The builder creates the widgets, names
// them (objectName = control name, "Picture1_2" for member 2 of a control array), gives each an
// accessible name and puts them in tab order. A row's text is a source text of Qt's translation
// system in the context of the window's class (write it as QT_TRANSLATE_NOOP("board", "Keverés")):
// it is shown translated, and again after the language changes when the window asks.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <span>
#include <vector>

namespace controls {

// ValueLabel: a label that shows a value and takes the focus (see value_label.h).
enum class Kind { Button, Label, ValueLabel, Frame, PictureBox, BorderlessPicture, Grid, CheckBox };

struct Font {
    const char* family = nullptr; // nullptr: the window's default font
    double points = 0;
    bool bold = false;
    bool italic = false;
};

struct ControlRow {
    const char* name;
    Kind kind;
    const char* parent; // nullptr: the window itself
    const char* text;
    int left, top, width, height; // twips, relative to the container
    Font font = {};
    int tabIndex = -1;
};

// The font of a row; also used by windows that set fonts by hand.
QFont makeFont(const Font& font, const QFont& base);

class ControlSet {
  public:
    // Builds every row into window; containers must come before their children.
    // Rows may also name containers made beforehand (the pages of a tab control).
    ControlSet(QWidget* window, std::span<const ControlRow> rows,
               const QHash<QString, QWidget*>& containers = {});
    QWidget* operator[](const QString& name) const;
    template <class T> T* get(const QString& name) const { return qobject_cast<T*>((*this)[name]); }
    // Shows every row's text again in the language now in force (on a LanguageChange).
    void retranslate();

  private:
    struct Text {
        QWidget* widget;
        const char* source;
    };
    QHash<QString, QWidget*> widgets_;
    const char* context_;
    std::vector<Text> texts_;
};

// Fixed client size in twips, title bar with a close box only (no minimise or maximise). A window
// made with a parent is a dialog of that window, its owner: the window system keeps it with its
// owner (the transient hint on X11, the owner on Windows, the parent on Wayland).
void makeFixedWindow(QWidget* window, int widthTwips, int heightTwips);

} // namespace controls
