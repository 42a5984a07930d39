#include "strategy_service.h"

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
        const QString percent =
            QString::fromStdString(kartavo::gameReturn(*tables).percent(4)).replace('.', ',');
        {
            std::lock_guard lock(mutex_);
            tables_ = std::move(tables);
            perfectReturn_ = percent;
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

QString StrategyService::perfectReturn() const {
    std::lock_guard lock(mutex_);
    return perfectReturn_;
}
