// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A label that shows a value (a sum of money) and takes the keyboard focus, so that a screen
// reader user can reach it. It is read with its caption and unit, "Összeg: 248 Ft", always from
// the text it shows at that moment; every change of the text is reported as a name change.
#pragma once

#include <QLabel>

namespace controls {

class ValueLabel : public QLabel {
    Q_OBJECT
  public:
    ValueLabel(const QString& text, QWidget* parent);
    // The caption before the value ("Összeg:") and the unit after it ("Ft").
    void setSpokenParts(const QString& caption, const QString& unit);
    // "Összeg: 248 Ft"; "Tét: nincs" while the label is empty.
    QString spokenText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    QString unit_;
};

} // namespace controls
