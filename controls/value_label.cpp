// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_label.h"

#include "accessible.h"
#include "focus_mark.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>

namespace controls {

namespace {

class AccessibleValueLabel : public QAccessibleWidget {
  public:
    explicit AccessibleValueLabel(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<ValueLabel*>(widget())->spokenText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<ValueLabel*>(object))
        return new AccessibleValueLabel(label);
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    installAccessibleFactory<accessibleFactory>();
    setFocusPolicy(Qt::TabFocus);
}

void ValueLabel::setSpokenParts(const QString& caption, const QString& unit) {
    caption_ = caption;
    unit_ = unit;
}

QString ValueLabel::spokenText() const {
    const QString value = text().trimmed();
    if (value.isEmpty())
        return QCoreApplication::translate("controls", "%1 nincs").arg(caption_);
    return QStringLiteral("%1 %2 %3").arg(caption_, spokenNumber(value), unit_);
}

void ValueLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter p(this);
    drawFocusMark(this, p);
}

} // namespace controls
