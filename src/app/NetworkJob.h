#pragma once
// The network tables of one loaded document, built once on a worker thread. The document's
// window owns the job and destroys it before the document: the destructor stops the pass and
// waits for it.
#include "analysis/NetworkTables.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

namespace KelpLib {
class ZRLDoc;
}

namespace ZrlApp {

class NetworkJob : public QObject {
    Q_OBJECT
public:
    explicit NetworkJob(const KelpLib::ZRLDoc& document, QObject* parent = nullptr);
    ~NetworkJob() override;

    // Starts the pass unless it has started already.
    void start();
    bool isFinished() const { return tables_ != nullptr; }
    // Share of the elements looked at, 0 to 1; readable while the pass runs.
    double progress() const;
    // Null until finished.
    std::shared_ptr<const ZrlAnalysis::NetworkTables> tables() const { return tables_; }

signals:
    // On the window thread, once the tables are there. Address changes have been logged.
    void finished();

private:
    void onPassEnded(std::shared_ptr<const ZrlAnalysis::NetworkTables> tables);

    const KelpLib::ZRLDoc& document;
    std::thread worker;
    std::atomic<bool> stopping{false};
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{1};
    std::shared_ptr<const ZrlAnalysis::NetworkTables> tables_;
};

}  // namespace ZrlApp
