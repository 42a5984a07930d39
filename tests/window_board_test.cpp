#include <QTest>
class T : public QObject {
    Q_OBJECT
};
QTEST_MAIN(T)
#include "window_board_test.moc"
