// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the controls' accessible side, what a screen reader reads and does through them.
#pragma once

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace controls {

// Installs a factory of accessible interfaces, once however often it is asked for.
template <QAccessible::InterfaceFactory factory> void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

// A number as a reader says it: "mínusz 6" rather than a minus sign, which a screen reader would
// name as punctuation.
inline QString spokenNumber(const QString& number) {
    return number.startsWith(QLatin1Char('-'))
               ? QCoreApplication::translate("controls", "mínusz %1").arg(number.mid(1))
               : number;
}

// A text as a reader says it without naming brackets: "Sor vagy jobb (mind az öt lap)" gives
// "Sor vagy jobb, mind az öt lap".
inline QString withoutBrackets(QString text) {
    text.replace(QStringLiteral(" ("), QStringLiteral(", "));
    text.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    return text;
}

// Drops what a screen reader was told of w so far, for a widget that has become something else
// (a window made of a control, or a control of a window): it is asked for afresh.
inline void forgetAccessible(QWidget* w) {
    if (QAccessible::isActive())
        if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(w))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
}

// Moves the focus to w and has a screen reader read it afresh, also where w has the focus
// already or had it last. Qt 6.4 tells a screen reader that a name or description changed without
// the new text, so Orca cannot say it; and Orca reads no focus event for the control it was on
// last (when the focus passed through another control too quickly for it to notice). So the
// control gets a new accessible object first, whose focus Orca reads as a new control's: its
// name, state and description.
inline void focusAndTell(QWidget* w) {
    if (QAccessible::isActive())
        if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(w))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    if (!w->hasFocus()) {
        w->setFocus(Qt::OtherFocusReason);
    } else if (QAccessible::isActive()) {
        QAccessibleEvent event(w, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

// A list that a screen reader reads with its choice. Qt 6.4 gives a screen reader no selected
// entry of a closed list, so Orca names the list and not what is chosen in it; the choice is its
// description, read with it, and read afresh when an arrow key changes it.
// said: the choice as a screen reader should say it.
inline void tellChoice(QComboBox* box, std::function<QString(const QString&)> said = {}) {
    const auto describe = [box, said] {
        box->setAccessibleDescription(said ? said(box->currentText()) : box->currentText());
        if (box->hasFocus())
            focusAndTell(box);
    };
    QObject::connect(box, &QComboBox::currentIndexChanged, box, describe);
    box->setAccessibleDescription(said ? said(box->currentText()) : box->currentText());
}

// A control that a screen reader can press: the press action comes before the widget's own
// actions and clicks the control as the mouse does, while pressable() holds.
template <class Control> class PressableAccessible : public QAccessibleWidget {
  public:
    PressableAccessible(Control* control, QAccessible::Role role)
        : QAccessibleWidget(control, role) {}
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name != pressAction())
            QAccessibleWidget::doAction(name);
        else if (pressable())
            control()->click();
    }

  protected:
    virtual bool pressable() const { return true; }
    Control* control() const { return static_cast<Control*>(widget()); }
};

} // namespace controls
