// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window "Haladás": for the game chosen at the top, per line of its chart the hands,
// the share right and the cost per 100 hands, for all time and for the last 7 days; the cost per
// 100 hands day by day as a chart; where the file is; "Törlés" starts the game over after asking.
// It shows the progress store and follows its changes.
#pragma once

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace controls {
class ControlSet;
}

namespace trainer {

class DayChart;

class ProgressWindow : public QWidget {
    Q_OBJECT
  public:
    ProgressWindow();
    ~ProgressWindow() override;
    void refresh();
    // Shows the progress of the game with that key (see progress_store.h).
    void showGame(const QString& key);
    const QString& shownGame() const { return key_; }
    // The handler of "Törlés": asks first.
    void Command1_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A new language: every text again.
    void changeEvent(QEvent* event) override;

  private:
    void nameFixedTexts();
    std::unique_ptr<controls::ControlSet> c_;
    QString key_ = QStringLiteral("kartavo");
    QComboBox* games_;
    QTableWidget* lines_;
    DayChart* chart_;
    QLabel* where_;
    QPushButton* reset_;
};

} // namespace trainer
