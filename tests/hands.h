// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A dealt hand from a text of five card codes, "As Ks Qs Js 9h" ("Jk": the joker), for the tests.
#pragma once

#include "strategy.h"

#include <QString>
#include <QStringList>

inline kartavo::Hand handOf(const QString& text) {
    const QStringList codes = text.split(' ', Qt::SkipEmptyParts);
    kartavo::Hand h{};
    for (std::size_t i = 0; i < 5; ++i)
        h[i] = kartavo::parseCardCode(codes[static_cast<qsizetype>(i)].toStdString(), 53).value();
    return h;
}
