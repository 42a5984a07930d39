// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The balance after every deal of the session, as a line over the deal number, with the start
// balance drawn across as a dashed line. Plain QPainter: one line of a few hundred points needs
// no chart library.
#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

namespace trainer {

class BalanceChart : public QWidget {
    Q_OBJECT
  public:
    explicit BalanceChart(QWidget* parent);
    // One point a deal: the balance after it.
    void setSeries(const std::vector<std::int64_t>& balances, std::int64_t start);
    const std::vector<std::int64_t>& series() const { return balances_; }

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // What a screen reader reads of the chart, in the language in force.
    void describe();

    std::vector<std::int64_t> balances_;
    std::int64_t start_ = 0;
};

} // namespace trainer
