// The restart dialog: opened by a deal that leaves no money. "Igen" starts again with 250 Ft,
// "Nem" (and the close box, and Escape) ends the program.
#pragma once

#include <QPointer>
#include <QWidget>

class board;
class QLabel;
class QPushButton;

class ujra : public QWidget {
    Q_OBJECT
  public:
    // Loads the dialog: writes the message and disables the game table.
    explicit ujra(board* table);

    void Command1_Click(); // "Igen"
    void Command2_Click(); // "Nem"
    // Closes the dialog without an answer, when the program ends anyway.
    void dismiss();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QPointer<board> table_;
    QLabel* Label1;
    QPushButton* Command1;
    bool answered_ = false;
};
