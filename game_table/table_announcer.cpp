// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_announcer.h"

#include "accessible.h"
#include "cards.h"
#include "flex_grid.h"
#include "language.h"
#include "payout_table.h"
#include "picture_box.h"

#include <QPushButton>
#include <algorithm>

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Moves the focus to a control of the table, if it can take it now (not while the restart
// dialog holds the table disabled).
void focus(QWidget* w) {
    if (w->isEnabled() && w->isVisible())
        controls::focusAndTell(w);
}

} // namespace

TableAnnouncer::TableAnnouncer(const TableControls& controls, std::function<TableView()> view)
    : QObject(controls.board), c_(controls), view_(std::move(view)) {
    // The exchange disables "Csere" and the card boxes. Were one of them focused then, Qt would
    // pass the focus on through the next controls, and a screen reader would read each of them
    // before "Keverés"; so the focus waits on the window itself until the outcome is ready.
    // (At the release, right before the click: moved at the press, it would cancel the click.)
    connect(c_.Command4, &QPushButton::released, this, [this] {
        QWidget* focused = c_.board->focusWidget();
        const auto& cards = c_.Picture1;
        const bool onCard = std::any_of(cards.begin(), cards.end(),
                                        [focused](const QWidget* card) { return card == focused; });
        if (focused && (focused == c_.Command4 || onCard))
            c_.board->setFocus(Qt::OtherFocusReason);
    });
    // A card marked or unmarked while it has the focus (Space, or its key again) is read anew.
    for (controls::PictureBox* card : c_.Picture1)
        connect(card, &controls::PictureBox::clicked, this, [card] {
            if (card->hasFocus())
                controls::focusAndTell(card);
        });
    describePayoutTable();
}

QString TableAnnouncer::cardsText() const {
    QStringList names;
    for (const std::string& card : view_().cards)
        names << qs(kartavo::spokenCardName(card, texts::keyTranslator()));
    return names.join(QStringLiteral(", "));
}

QString TableAnnouncer::stakeAndBalanceText() const {
    const TableView v = view_();
    return tr("Tét %1 Ft, összeg %2 Ft").arg(v.stakeText, controls::spokenNumber(v.balanceText));
}

QString TableAnnouncer::dealText() const {
    return tr("Osztás, %1. %2").arg(cardsText(), stakeAndBalanceText());
}

void TableAnnouncer::clearMultiplierDescriptions() {
    for (QPushButton* b : c_.command3)
        b->setAccessibleDescription(QString());
}

void TableAnnouncer::afterDeal() {
    balanceBeforeExchange_ = view_().balance();
    c_.Command1->setAccessibleDescription(QString());
    clearMultiplierDescriptions();
    c_.Command4->setAccessibleDescription(dealText());
    describePayoutTable();
    focus(c_.Command4);
}

// Once "Igen" has given the fresh balance back, "Keverés" tells it.
void TableAnnouncer::afterRestart() {
    c_.Command1->setAccessibleDescription(
        tr("Újrakezdés, összeg %1 Ft").arg(controls::spokenNumber(view_().balanceText)));
    focus(c_.Command1);
}

void TableAnnouncer::afterExchange() {
    const TableView v = view_();
    const double credit = v.balance() - balanceBeforeExchange_;
    const QString outcome = credit > 0
                                ? tr("%1, nyeremény %2 Ft, összeg %3 Ft")
                                      .arg(v.handCaption, QString::number(credit, 'f', 0),
                                           controls::spokenNumber(v.balanceText))
                                : tr("%1, nincs nyeremény, összeg %2 Ft")
                                      .arg(v.handCaption, controls::spokenNumber(v.balanceText));
    c_.Command4->setAccessibleDescription(QString());
    c_.Command1->setAccessibleDescription(tr("%1. Lapok, %2").arg(outcome, cardsText()));
    describePayoutTable();
    focus(c_.Command1);
}

void TableAnnouncer::afterMultiplier() {
    const TableView v = view_();
    balanceBeforeExchange_ = v.balance();
    clearMultiplierDescriptions();
    QPushButton* pressed = c_.command3[std::size_t(kartavo::buttonOfMultiplier(v.multiplier))];
    pressed->setAccessibleDescription(stakeAndBalanceText());
    if (!c_.Command4->accessibleDescription().isEmpty())
        c_.Command4->setAccessibleDescription(dealText());
    describePayoutTable();
    focus(pressed);
}

void TableAnnouncer::retranslate() {
    // What waits to be read is said again in the new language; an outcome already told is not.
    describePayoutTable();
    c_.Command1->setAccessibleDescription(QString());
    clearMultiplierDescriptions();
    if (!c_.Command4->accessibleDescription().isEmpty())
        c_.Command4->setAccessibleDescription(dealText());
}

void TableAnnouncer::describePayoutTable() {
    controls::FlexGrid* grid = c_.MSFlexGrid1;
    QStringList rows;
    QString paid;
    for (int row = 1; row <= 9; ++row) {
        // The hand's name in full, as the grid's cell may be short.
        const QString line = texts::fromKey("Rules", kartavo::payoutLabel(row)) + QLatin1Char(' ') +
                             grid->cellText(row, 1);
        rows << line;
        if (grid->cellBold(row, 1))
            paid = line;
    }
    const int index = kartavo::buttonOfMultiplier(view_().multiplier);
    QString text = tr("Nyeremények %1 szorzóval. %2.")
                       .arg(qs(kartavo::multiplierCaption(index)), rows.join(QStringLiteral(", ")));
    if (!paid.isEmpty())
        text += QLatin1Char(' ') + tr("Nyert %1.").arg(paid);
    grid->setAccessibleDescription(text);
}
