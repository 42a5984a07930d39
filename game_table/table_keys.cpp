#include "table_keys.h"

#include "board.h"
#include "payout_table.h"
#include "picture_box.h"

#include <QPushButton>
#include <QShortcut>

namespace {

// The buttons that Alt and a letter press; the caption stays the same, the letter is underlined.
// clang-format off
constexpr struct {
    const char* name;
    int letterAt; // the position of the letter in the caption
} mnemonics[] = {
    {"Command1", 0}, // Keverés
    {"Command4", 0}, // Csere
    {"Command6", 0}, // Beállítások
    {"Command2", 2}, // Kilépés
};
// clang-format on

QPushButton* button(const board* table, const QString& name) {
    return table->findChild<QPushButton*>(name);
}

} // namespace

TableKeys::TableKeys(board* table) : QObject(table), table_(table) {
    for (const auto& m : mnemonics) {
        QPushButton* b = button(table, QString::fromLatin1(m.name));
        b->setText(b->text().insert(m.letterAt, QLatin1Char('&')));
    }
    // The keypad's keys come to the same shortcuts (Qt retries a keypad key without its
    // modifier); + is also taken with Shift, as several keyboards type it.
    for (int i = 0; i < 5; ++i)
        add(QKeySequence(Qt::Key_1 + i), &TableKeys::cardKey, i);
    add(QKeySequence(Qt::Key_Return), &TableKeys::dealOrDraw);
    add(QKeySequence(Qt::Key_Enter), &TableKeys::dealOrDraw);
    add(QKeySequence(Qt::Key_Plus), &TableKeys::stepMultiplier, 1);
    add(QKeySequence(Qt::SHIFT | Qt::Key_Plus), &TableKeys::stepMultiplier, 1);
    add(QKeySequence(Qt::Key_Minus), &TableKeys::stepMultiplier, -1);
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), &TableKeys::quit);
}

void TableKeys::add(const QKeySequence& keys, void (TableKeys::*action)()) {
    auto* shortcut = new QShortcut(keys, table_);
    connect(shortcut, &QShortcut::activated, this, action);
}

void TableKeys::add(const QKeySequence& keys, void (TableKeys::*action)(int), int argument) {
    auto* shortcut = new QShortcut(keys, table_);
    connect(shortcut, &QShortcut::activated, this,
            [this, action, argument] { (this->*action)(argument); });
}

void TableKeys::cardKey(int index) {
    auto* box = table_->findChild<controls::PictureBox*>(QStringLiteral("Picture1_%1").arg(index));
    // The focus goes to the box, so that a screen reader reads its new state.
    if (box->isEnabled())
        box->setFocus(Qt::ShortcutFocusReason);
    box->click();
}

void TableKeys::dealOrDraw() {
    QPushButton* exchange = button(table_, QStringLiteral("Command4"));
    if (exchange->isEnabled())
        exchange->click();
    else
        button(table_, QStringLiteral("Command1"))->click();
}

void TableKeys::stepMultiplier(int by) {
    const int next = kartavo::buttonOfMultiplier(table_->state().multiplier) + by;
    if (next < 0 || next > 3)
        return;
    QPushButton* b = button(table_, QStringLiteral("command3_%1").arg(next));
    if (b->isEnabled())
        b->setFocus(Qt::ShortcutFocusReason);
    b->click();
}

void TableKeys::quit() {
    button(table_, QStringLiteral("Command2"))->click();
}
