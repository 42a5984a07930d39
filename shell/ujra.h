// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The restart dialog: opened by a deal that leaves no money. "Igen" starts again with 250 Ft,
// "Nem" (and the close box, and Escape) ends the program.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

namespace controls {
class ControlSet;
}

class board;
class QLabel;
class QPushButton;

class ujra : public QWidget {
    Q_OBJECT
  public:
    // Loads the dialog, which belongs to the table: writes the message and disables the table.
    explicit ujra(board* table);
    ~ujra() override;

    void Command1_Click(); // "Igen"
    void Command2_Click(); // "Nem"
    // Closes the dialog without an answer, when the program ends anyway.
    void dismiss();

    // The dialog opens over the table's cards: a mouse click on its buttons this soon after it
    // appeared was meant for a card and is ignored. Keys are never ignored.
    static constexpr qint64 clickGuardMilliseconds = 500;
    // Milliseconds from any fixed start, never going back. Tests set their own; returns the old.
    using Clock = std::function<qint64()>;
    static Clock setClock(Clock clock);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showQuestion();
    std::unique_ptr<controls::ControlSet> c_;
    QPointer<board> table_;
    QLabel* Label1;
    QPushButton* Command1;
    QPushButton* Command2;
    bool answered_ = false;
    qint64 shownAt_ = 0;
};
