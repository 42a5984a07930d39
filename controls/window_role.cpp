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
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(roleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setWindowRole(QWidget* window, QAccessible::Role role) {
    installAccessibleFactory<accessibleFactory>();
    window->setProperty(roleProperty, static_cast<int>(role));
}

void setControlRole(QWidget* control, QAccessible::Role role) {
    setWindowRole(control, role);
}

} // namespace controls
