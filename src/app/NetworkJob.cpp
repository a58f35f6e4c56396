#include "app/NetworkJob.h"

#include "common/ILogger.h"
#include "log/ZRLDoc.h"

namespace ZrlApp {

NetworkJob::NetworkJob(const KelpLib::ZRLDoc& document, QObject* parent) : QObject(parent), document(document) {}

NetworkJob::~NetworkJob()
{
    stopping = true;
    if (worker.joinable())
        worker.join();
}

void NetworkJob::start()
{
    if (worker.joinable() || tables_)
        return;
    worker = std::thread([this] {
        auto tables = std::make_shared<const ZrlAnalysis::NetworkTables>(
            ZrlAnalysis::analyseNetwork(document, [this](std::size_t looked, std::size_t all) {
                total.store(all == 0 ? 1 : all, std::memory_order_relaxed);
                done.store(looked, std::memory_order_relaxed);
                return !stopping.load(std::memory_order_relaxed);
            }));
        if (!stopping)
            QMetaObject::invokeMethod(this, [this, tables] { onPassEnded(tables); }, Qt::QueuedConnection);
    });
}

double NetworkJob::progress() const
{
    return double(done.load(std::memory_order_relaxed)) / double(total.load(std::memory_order_relaxed));
}

void NetworkJob::onPassEnded(std::shared_ptr<const ZrlAnalysis::NetworkTables> tables)
{
    if (worker.joinable())
        worker.join();
    tables_ = std::move(tables);
    if (const auto& logger = document.logger())
        for (const ZrlAnalysis::AddressChange& change : tables_->addressChanges)
            logger->logText("Warning: " + ZrlAnalysis::addressChangeText(change));
    emit finished();
}

}  // namespace ZrlApp
