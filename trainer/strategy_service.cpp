// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "strategy_service.h"

#include "strategy_chart.h"

#include <QMetaObject>

StrategyService& StrategyService::instance() {
    static StrategyService service;
    return service;
}

StrategyService::~StrategyService() {
    if (worker_.joinable())
        worker_.join();
}

void StrategyService::start() {
    if (started_)
        return;
    started_ = true;
    worker_ = std::thread([this] {
        auto tables = std::make_shared<const kartavo::StrategyTables>(kartavo::gamePaytable(1));
        // The percentage's figure alone, with its decimal point: the window writes it as the
        // language in force does, also after the language changes.
        const auto figure = [](const kartavo::GameReturn& r) {
            QString percent = QString::fromStdString(r.percent(4));
            percent.chop(2); // " %"
            return percent;
        };
        const QString percent = figure(kartavo::gameReturn(*tables));
        {
            std::lock_guard lock(mutex_);
            tables_ = tables;
            perfectReturn_ = percent;
        }
        // The chart's price takes the tables a while longer; the holds are answered meanwhile.
        const kartavo::ChartPrice price = kartavo::priceChart(*tables, kartavo::gameChart());
        trainer::ChartFigures figures;
        figures.chartReturn = figure(price.chartReturn);
        for (const kartavo::ChartLinePrice& line : price.lines)
            figures.shares << QString::number(line.share() * 100, 'f', 2);
        {
            std::lock_guard lock(mutex_);
            chartFigures_ = figures;
        }
        QMetaObject::invokeMethod(this, &StrategyService::becameReady, Qt::QueuedConnection);
    });
}

bool StrategyService::ready() const {
    std::lock_guard lock(mutex_);
    return tables_ != nullptr;
}

void StrategyService::waitUntilReady() {
    start();
    if (worker_.joinable())
        worker_.join();
}

kartavo::HoldRanking StrategyService::analyse(const kartavo::Hand& dealt) const {
    std::shared_ptr<const kartavo::StrategyTables> tables;
    {
        std::lock_guard lock(mutex_);
        tables = tables_;
    }
    return tables ? tables->analyse(dealt)
                  : kartavo::analyseDirect(kartavo::gamePaytable(1), dealt);
}

trainer::ChartFigures StrategyService::chartFigures() const {
    std::lock_guard lock(mutex_);
    return chartFigures_;
}

QString StrategyService::perfectReturn() const {
    std::lock_guard lock(mutex_);
    return perfectReturn_;
}
