// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance_chart.h"

#include "accessible.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace trainer {

BalanceChart::BalanceChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void BalanceChart::setSeries(const std::vector<std::int64_t>& balances, std::int64_t start) {
    balances_ = balances;
    start_ = start;
    describe();
    update();
}

void BalanceChart::describe() {
    if (balances_.empty()) {
        setAccessibleDescription(tr("Még nem volt osztás."));
    } else {
        const auto [low, high] = std::minmax_element(balances_.begin(), balances_.end());
        // Read aloud: sentences, and negative sums in words.
        const auto ft = [](std::int64_t v) {
            return controls::spokenNumber(QString::number(v)) + QStringLiteral(" Ft");
        };
        setAccessibleDescription(
            tr("%1 osztás. Most %2, legkevesebb %3, legtöbb %4. Kezdő összeg %5.")
                .arg(balances_.size())
                .arg(ft(balances_.back()), ft(*low), ft(*high), ft(start_)));
    }
}

void BalanceChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        describe(); // the drawing follows with the repaint Qt asks for
    QWidget::changeEvent(event);
}

void BalanceChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const int left = fm.horizontalAdvance(QStringLiteral("-00000")) + 6;
    const QRectF plot(left, fm.height() / 2.0 + 2, width() - left - 10,
                      height() - fm.height() * 2.0 - 4);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(plot);
    if (balances_.empty()) {
        p.setPen(palette().color(QPalette::Text));
        p.drawText(rect(), Qt::AlignCenter, tr("Még nem volt osztás."));
        return;
    }
    // The start balance is point 0, so the line starts where the session started.
    std::vector<std::int64_t> points{start_};
    points.insert(points.end(), balances_.begin(), balances_.end());
    auto [low, high] = std::minmax_element(points.begin(), points.end());
    double bottom = static_cast<double>(*low), top = static_cast<double>(*high);
    if (top - bottom < 10) {
        top += 5;
        bottom -= 5;
    }
    const double n = static_cast<double>(points.size() - 1);
    auto at = [&](std::size_t i, std::int64_t v) {
        const double x = plot.left() + (n > 0 ? plot.width() * static_cast<double>(i) / n : 0);
        const double y =
            plot.bottom() - plot.height() * (static_cast<double>(v) - bottom) / (top - bottom);
        return QPointF(x, y);
    };
    // The start balance across the plot, dashed, with its value on the left.
    const QPointF startLeft = at(0, start_);
    p.setPen(QPen(QColor(200, 120, 0), 1, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), startLeft.y()), QPointF(plot.right(), startLeft.y()));
    p.drawText(QRectF(0, startLeft.y() - fm.height() / 2.0, left - 4, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(start_));
    p.drawText(
        QRectF(plot.left() + 4, startLeft.y() - fm.height() - 1, plot.width() - 8, fm.height()),
        Qt::AlignLeft | Qt::AlignBottom, tr("kezdő összeg"));
    p.setPen(palette().color(QPalette::Text));
    const std::pair<double, double> ends[] = {
        {top,    plot.top()   },
        {bottom, plot.bottom()}
    };
    for (const auto& [value, y] : ends)
        if (std::abs(y - startLeft.y()) > fm.height())
            p.drawText(QRectF(0, y - fm.height() / 2.0, left - 4, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(static_cast<long long>(value)));
    p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), fm.height()),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0"));
    p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, tr("osztás"));
    p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), fm.height()),
               Qt::AlignRight | Qt::AlignTop, QString::number(points.size() - 1));
    QPainterPath line;
    line.moveTo(at(0, points[0]));
    for (std::size_t i = 1; i < points.size(); ++i)
        line.lineTo(at(i, points[i]));
    p.setPen(QPen(QColor(20, 110, 50), 2));
    p.drawPath(line);
    if (points.size() <= 60) {
        p.setBrush(QColor(20, 110, 50));
        for (std::size_t i = 1; i < points.size(); ++i)
            p.drawEllipse(at(i, points[i]), 2.5, 2.5);
    }
}

} // namespace trainer
