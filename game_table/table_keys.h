// The keys of the game table, those of a video poker machine: 1 to 5 click the card boxes, Enter
// exchanges when "Csere" is enabled and deals otherwise, + and - step the multiplier, Ctrl+Q
// leaves, Alt and the underlined letter press a button. Every key runs the click of its control
// and does nothing while that control is disabled. Space stays with the focused control.
#pragma once

#include <QObject>

class board;
class QKeySequence;

class TableKeys : public QObject {
    Q_OBJECT
  public:
    explicit TableKeys(board* table);

  private:
    void add(const QKeySequence& keys, void (TableKeys::*action)());
    void add(const QKeySequence& keys, void (TableKeys::*action)(int), int argument);
    void cardKey(int index);
    void dealOrDraw();
    void stepMultiplier(int by);
    void quit();

    board* table_;
};
