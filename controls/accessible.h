// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the controls' accessible side, what a screen reader reads and does through them.
#pragma once

#include <QAccessibleWidget>
#include <QStringList>

namespace controls {

// Installs a factory of accessible interfaces, once however often it is asked for.
template <QAccessible::InterfaceFactory factory> void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
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
