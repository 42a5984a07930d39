#include "table_announcer.h"

#include "board.h"
#include "cards.h"
#include "flex_grid.h"
#include "number_text.h"
#include "payout_table.h"
#include "ujra.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Moves the focus to a control of the table, if it can take it now (not while the restart
// dialog holds the table disabled).
void focus(QWidget* w) {
    if (w->isEnabled() && w->isVisible())
        w->setFocus(Qt::OtherFocusReason);
}

} // namespace

TableAnnouncer::TableAnnouncer(board* table) : QObject(table), table_(table) {
    connect(table, &board::dealt, this, &TableAnnouncer::afterDeal);
    connect(table, &board::exchanged, this, &TableAnnouncer::afterExchange);
    connect(table, &board::multiplierChanged, this, &TableAnnouncer::afterMultiplier);
    // The exchange disables "Csere" and the card boxes. Were one of them focused then, Qt would
    // pass the focus on through the next controls, and a screen reader would read each of them
    // before "Keverés"; so the focus waits on the window itself until the outcome is ready.
    // (At the release, right before the click: moved at the press, it would cancel the click.)
    connect(button(QStringLiteral("Command4")), &QPushButton::released, this, [this] {
        QWidget* focused = table_->focusWidget();
        if (focused && (focused->objectName().startsWith(QLatin1String("Picture1_")) ||
                        focused->objectName() == QLatin1String("Command4")))
            table_->setFocus(Qt::OtherFocusReason);
    });
    describePayoutTable();
}

QPushButton* TableAnnouncer::button(const QString& name) const {
    return table_->findChild<QPushButton*>(name);
}

double TableAnnouncer::balance() const {
    return kartavo::readNumber(
        table_->findChild<QLabel*>(QStringLiteral("Label5"))->text().toStdString());
}

QString TableAnnouncer::cardsText() const {
    QStringList names;
    for (const board::HandPosition& pos : table_->state().hand)
        names << qs(kartavo::spokenCardName(pos.card));
    return names.join(QStringLiteral(", "));
}

QString TableAnnouncer::stakeAndBalanceText() const {
    const QString stake = table_->findChild<QLabel*>(QStringLiteral("Label1"))->text().trimmed();
    const QString sum = table_->findChild<QLabel*>(QStringLiteral("Label5"))->text().trimmed();
    return QStringLiteral("Tét: %1 Ft, összeg: %2 Ft").arg(stake, sum);
}

QString TableAnnouncer::dealText() const {
    return QStringLiteral("Osztás: %1. %2").arg(cardsText(), stakeAndBalanceText());
}

void TableAnnouncer::clearMultiplierDescriptions() {
    for (int i = 0; i < 4; ++i)
        button(QStringLiteral("command3_%1").arg(i))->setAccessibleDescription(QString());
}

void TableAnnouncer::afterDeal() {
    // Out of money: once "Igen" has given the fresh balance back, "Keverés" tells it.
    if (ujra* restart = table_->restartDialog())
        connect(restart, &QObject::destroyed, this, &TableAnnouncer::afterRestart,
                Qt::UniqueConnection);
    balanceBeforeExchange_ = balance();
    button(QStringLiteral("Command1"))->setAccessibleDescription(QString());
    clearMultiplierDescriptions();
    QPushButton* exchange = button(QStringLiteral("Command4"));
    exchange->setAccessibleDescription(dealText());
    describePayoutTable();
    focus(exchange);
}

void TableAnnouncer::afterRestart() {
    if (!table_->isEnabled() || !table_->isVisible())
        return; // "Nem": the program ends
    QPushButton* deal = button(QStringLiteral("Command1"));
    deal->setAccessibleDescription(
        QStringLiteral("Újrakezdés, összeg: %1 Ft")
            .arg(table_->findChild<QLabel*>(QStringLiteral("Label5"))->text().trimmed()));
    focus(deal);
}

void TableAnnouncer::afterExchange() {
    const QString caption = table_->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title();
    const QString sum = table_->findChild<QLabel*>(QStringLiteral("Label5"))->text().trimmed();
    const double credit = balance() - balanceBeforeExchange_;
    const QString outcome =
        credit > 0 ? QStringLiteral("%1, nyeremény %2 Ft, összeg %3 Ft")
                         .arg(caption, QString::number(credit, 'f', 0), sum)
                   : QStringLiteral("%1, nincs nyeremény, összeg %2 Ft").arg(caption, sum);
    button(QStringLiteral("Command4"))->setAccessibleDescription(QString());
    QPushButton* deal = button(QStringLiteral("Command1"));
    deal->setAccessibleDescription(QStringLiteral("%1. Lapok: %2").arg(outcome, cardsText()));
    describePayoutTable();
    focus(deal);
}

void TableAnnouncer::afterMultiplier() {
    balanceBeforeExchange_ = balance();
    clearMultiplierDescriptions();
    const int index = kartavo::buttonOfMultiplier(table_->state().multiplier);
    QPushButton* pressed = button(QStringLiteral("command3_%1").arg(index));
    pressed->setAccessibleDescription(stakeAndBalanceText());
    QPushButton* exchange = button(QStringLiteral("Command4"));
    if (!exchange->accessibleDescription().isEmpty())
        exchange->setAccessibleDescription(dealText());
    describePayoutTable();
    focus(pressed);
}

void TableAnnouncer::describePayoutTable() {
    auto* grid = table_->findChild<controls::FlexGrid*>(QStringLiteral("MSFlexGrid1"));
    QStringList rows;
    QString paid;
    for (int row = 1; row <= 9; ++row) {
        const QString line = grid->cellText(row, 0) + QLatin1Char(' ') + grid->cellText(row, 1);
        rows << line;
        if (grid->cellBold(row, 1))
            paid = line;
    }
    const int index = kartavo::buttonOfMultiplier(table_->state().multiplier);
    QString text = QStringLiteral("Nyeremények, %1: %2.")
                       .arg(qs(kartavo::multiplierCaption(index)), rows.join(QStringLiteral(", ")));
    if (!paid.isEmpty())
        text += QStringLiteral(" Nyert: %1.").arg(paid);
    grid->setAccessibleDescription(text);
}
