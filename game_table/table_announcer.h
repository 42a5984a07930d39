// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Tells a screen reader what each action of the game table did. After an action the focus is on
// a control whose accessible description holds the outcome, so that the reader speaks it with
// the control: "Csere" after a deal (the five cards, the stake and the balance), "Keverés" after
// the exchange (the hand, the credit and the new balance), the multiplier button after a
// multiplier press (the stake and the balance), "Keverés" after a fresh start from the restart
// dialog (the balance). The payout table's description always holds
// the amounts at the current multiplier and the row that paid. Qt reports every change of a
// name or description to the reader.
#pragma once

#include "table_controls.h"
#include "table_view.h"

#include <QObject>
#include <QString>
#include <functional>

class TableAnnouncer : public QObject {
    Q_OBJECT
  public:
    TableAnnouncer(const TableControls& controls, std::function<TableView()> view);

    // Each after the table's action of that name.
    void afterDeal();
    void afterExchange();
    void afterMultiplier();
    void afterRestart();
    // The language changed: the payout table and what waits to be read are told anew.
    void retranslate();

  private:
    void describePayoutTable();
    QString dealText() const;
    QString cardsText() const;
    QString stakeAndBalanceText() const;
    void clearMultiplierDescriptions();

    TableControls c_;
    std::function<TableView()> view_;
    double balanceBeforeExchange_ = 0;
};
