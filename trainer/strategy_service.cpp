// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "strategy_service.h"

#include <QMetaObject>
#include <map>

namespace {
// Thrown through the engine from its progress report when the program ends during a derivation.
struct Stopped {};
} // namespace

StrategyService& StrategyService::instance() {
    static StrategyService& service = of(*kartavo::builtInGame("kartavo"));
    return service;
}

StrategyService& StrategyService::of(const kartavo::GameSetup& setup) {
    // Made and used on the window thread. Never destroyed before the end: the windows keep
    // references, and each worker is stopped and joined by its service's destructor.
    static std::map<std::string, std::unique_ptr<StrategyService>> services;
    std::unique_ptr<StrategyService>& service = services[setup.id];
    if (!service)
        service.reset(new StrategyService(setup));
    return *service;
}

StrategyService::StrategyService(kartavo::GameSetup setup)
    : setup_(setup), engine_(std::move(setup)) {
    if (setup_.chart) {
        chart_ = setup_.chart;
        chartProgress_ = 1;
    }
}

StrategyService::~StrategyService() {
    stopping_ = true;
    if (worker_.joinable())
        worker_.join();
}

void StrategyService::start() {
    if (started_)
        return;
    started_ = true;
    worker_ = std::thread([this] {
        try {
            work();
        } catch (const Stopped&) {
        }
    });
}

void StrategyService::work() {
    const kartavo::StrategyTables& tables = engine_.tables();
    // The percentage's figure alone, with its decimal point: the window writes it as the language
    // in force does, also after the language changes.
    const auto figure = [](const kartavo::GameReturn& r) {
        QString percent = QString::fromStdString(r.percent(4));
        percent.chop(2); // " %"
        return percent;
    };
    const auto stopIfAsked = [this](double) {
        if (stopping_)
            throw Stopped{};
    };
    const QString percent = figure(kartavo::gameReturn(tables, stopIfAsked));
    {
        std::lock_guard lock(mutex_);
        tables_ = &tables;
        perfectReturn_ = percent;
    }
    if (!setup_.chart) {
        const kartavo::StrategyChart& chart = engine_.chart([this](double done) {
            if (stopping_)
                throw Stopped{};
            {
                std::lock_guard lock(mutex_);
                chartProgress_ = done;
            }
            QMetaObject::invokeMethod(
                this, [this, done] { emit chartProgressed(done); }, Qt::QueuedConnection);
        });
        {
            std::lock_guard lock(mutex_);
            chart_ = &chart;
            chartProgress_ = 1;
        }
        QMetaObject::invokeMethod(this, &StrategyService::chartReady, Qt::QueuedConnection);
    }
    // The chart's price takes the tables a while longer; the holds are answered meanwhile.
    const kartavo::ChartPrice price = kartavo::priceChart(tables, *chart(), stopIfAsked);
    trainer::ChartFigures figures;
    figures.chartReturn = figure(price.chartReturn);
    for (const kartavo::ChartLinePrice& line : price.lines)
        figures.shares << QString::number(line.share() * 100, 'f', 2);
    {
        std::lock_guard lock(mutex_);
        chartFigures_ = figures;
    }
    QMetaObject::invokeMethod(this, &StrategyService::becameReady, Qt::QueuedConnection);
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
    const kartavo::StrategyTables* tables;
    {
        std::lock_guard lock(mutex_);
        tables = tables_;
    }
    return tables ? tables->analyse(dealt) : kartavo::analyseDirect(setup_.paytable, dealt);
}

const kartavo::StrategyChart* StrategyService::chart() const {
    std::lock_guard lock(mutex_);
    return chart_;
}

double StrategyService::chartProgress() const {
    std::lock_guard lock(mutex_);
    return chartProgress_;
}

trainer::ChartFigures StrategyService::chartFigures() const {
    std::lock_guard lock(mutex_);
    return chartFigures_;
}

QString StrategyService::perfectReturn() const {
    std::lock_guard lock(mutex_);
    return perfectReturn_;
}
