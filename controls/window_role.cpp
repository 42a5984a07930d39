// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_role.h"

#include "accessible.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace controls {

namespace {

constexpr const char* roleProperty = "kartavoWindowRole";

QAccessibleInterface* accessibleFactory(const QString&, QObject* object) {
    auto* window = qobject_cast<QWidget*>(object);
    const QVariant role = window ? window->property(roleProperty) : QVariant();
    if (!role.isValid())
        return nullptr;
    // A window docked in another one's is a group of controls there.
    return new QAccessibleWidget(window, window->isWindow()
                                             ? static_cast<QAccessible::Role>(role.toInt())
                                             : QAccessible::Grouping);
}

} // namespace

void setWindowRole(QWidget* window, QAccessible::Role role) {
    installAccessibleFactory<accessibleFactory>();
    window->setProperty(roleProperty, static_cast<int>(role));
    forgetAccessible(window);
}

void setControlRole(QWidget* control, QAccessible::Role role) {
    setWindowRole(control, role);
}

} // namespace controls
