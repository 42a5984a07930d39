// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window "Stratégia": the game practised, its paytable, its strategy chart with each
// line's share of the deals, the chart's return beside perfect play's; while the chart is being
// derived or priced, how far that is. "Stratégiakártya…" saves the chart as a one-page PDF.
#pragma once

#include "game_choice.h"

#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class StrategyService;

namespace controls {
class ControlSet;
}

namespace trainer {

class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    ChartWindow();
    ~ChartWindow() override;

    // Shows the game: its chart at once where it has one, else once derived.
    void showGame(const ChosenGame& game);
    const ChosenGame& game() const { return game_; }
    // Whether the chart and its figures are all there (the card can be saved).
    bool complete() const;

    // "Stratégiakártya…": asks where, then saves.
    void Command1_Click();
    // Saves the card to the file; false, with a message, where it could not be written.
    bool saveCard(const QString& fileName);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void nameFixedTexts();
    // Everything shown again from the engine's results as they are now.
    void refresh();

    std::unique_ptr<controls::ControlSet> c_;
    ChosenGame game_;
    StrategyService* service_ = nullptr;
    QList<QMetaObject::Connection> serviceConnections_;
    QLabel* title_;
    QLabel* returns_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* save_;
    QTableWidget* paytable_;
    QTableWidget* lines_;
};

} // namespace trainer
