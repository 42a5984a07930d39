// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The question before a costly exchange: beside the table, modeless, the table disabled while it
// shows, as the question of a fresh start does. "Csere így is" runs the exchange as marked,
// "Vissza" (and Escape, and the close box) goes back to marking with nothing changed.
#pragma once

#include "control_table.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class board;
class QLabel;
class QPushButton;

namespace trainer {

// The question in text, and in words for a screen reader (empty: the text).
struct WarningTexts {
    QString text, spoken;
};

class ExchangeWarning : public QWidget {
    Q_OBJECT
  public:
    // Opens as the table's own window, beside it where the platform places windows, with the
    // question that texts gives in the language in force (asked again when the language
    // changes), and disables the table.
    ExchangeWarning(board* table, std::function<WarningTexts()> texts);
    // The same with a question that stays as it is given.
    ExchangeWarning(board* table, const QString& text, const QString& spoken = {});

    void Command1_Click(); // "Csere így is"
    void Command2_Click(); // "Vissza"

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showTexts();

    std::function<WarningTexts()> texts_;
    std::unique_ptr<controls::ControlSet> c_;
    QPointer<board> table_;
    QLabel* Label1;
    bool answered_ = false;
};

} // namespace trainer
