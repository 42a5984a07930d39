// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_text.h"

#include "language.h"
#include "strategy_chart.h"

#include <QCoreApplication>
#include <cmath>

namespace trainer {

QString practiceLineName(int line) {
    const auto& lines = kartavo::gameChart().lines;
    if (line < 0 || static_cast<std::size_t>(line) >= lines.size())
        return {};
    return QString::fromStdString(
        kartavo::kindName(lines[static_cast<std::size_t>(line)], texts::keyTranslator()));
}

QString shownNumber(double value, int decimals) {
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0; // no "-0,00"
    return texts::decimal(value, decimals);
}

QString shownForints(double value) {
    return QCoreApplication::translate("trainer::PracticeText", "%1 Ft").arg(shownNumber(value, 2));
}

QString spokenForints(double value) {
    return QCoreApplication::translate("trainer::PracticeText", "%1 forint")
        .arg(shownNumber(value, 2));
}

} // namespace trainer
