// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis window "Elemzés": the holds of the hand on the table with their expected credit,
// the verdict on the last exchange and the chart's line for the hand; the session's figures and
// the balance chart; the strategy chart. Each on a page of its own, so that the window stands
// beside the table on a laptop's screen. It only shows what the trainer tells it; it has no
// input of its own and never writes the table.
#pragma once

#include "control_table.h"
#include "session.h"
#include "strategy_service.h"

#include <QWidget>
#include <memory>
#include <optional>

class QLabel;
class QTabWidget;
class QTableWidget;

namespace trainer {

class BalanceChart;

// What the window shows of the hand on the table.
struct HandView {
    std::optional<kartavo::Hand> dealt; // empty before the first deal
    std::optional<kartavo::HoldRanking> ranking;
    int multiplier = 1;
    std::optional<std::uint8_t> chosen; // the hold kept, once exchanged
};

class AnalysisWindow : public QWidget {
    Q_OBJECT
  public:
    AnalysisWindow();
    void display(const HandView& hand, const Session& session, const QString& perfectReturn,
                 const ChartFigures& chartFigures = {});
    // Puts the focus where a screen reader reads it with the window as it opens or comes to the
    // front: on the verdict after an exchange, else on the hand with its best hold (first page).
    void focusLead();

  protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The texts that do not depend on the game: captions, headers, names.
    void nameFixedTexts();
    void displayChart(const HandView& hand, const QString& perfectReturn,
                      const ChartFigures& figures);

    std::unique_ptr<controls::ControlSet> c_;
    // What was shown last, shown again in another language.
    HandView hand_;
    std::optional<Session> session_;
    QString perfectReturn_;
    ChartFigures chartFigures_;

    QTabWidget* pages_;
    QLabel* handLabel_;
    QTableWidget* holds_;
    QLabel* verdict_;
    QTableWidget* figures_;
    QTableWidget* captions_;
    BalanceChart* chart_;
    QTableWidget* lines_;
    QLabel* chartPrice_;
    QLabel* chartVerdict_;
};

} // namespace trainer
