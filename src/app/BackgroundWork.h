#pragma once
// Work that walks a loaded document off the UI thread, one job after another, with a progress
// bar and a "Cancel" button in the main window's status bar while it runs.
#include "analysis/SeriesExtraction.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <deque>
#include <functional>
#include <thread>

class QLabel;
class QProgressBar;
class QTimer;
class QWidget;

namespace ZrlApp {

class BackgroundWork : public QObject {
    Q_OBJECT
public:
    // Runs on the worker; false when cancelled. It must touch nothing the UI thread changes.
    using Job = std::function<bool(const ZrlAnalysis::WalkControl& control)>;
    // Runs on the UI thread once the job has ended.
    using Done = std::function<void(bool completed)>;

    // The progress goes to the status bar of `owner`'s main window.
    explicit BackgroundWork(QWidget* owner);
    // Cancels the running job and waits for it; queued jobs are dropped.
    ~BackgroundWork() override;

    void start(const QString& label, Job job, Done done);
    bool busy() const { return running; }
    void cancel();

signals:
    // Every job has ended.
    void idle();

private:
    struct Queued {
        QString label;
        Job job;
        Done done;
    };
    void startNext();
    void poll();

    QWidget* owner;
    std::deque<Queued> queue;
    Done currentDone;
    std::thread worker;
    bool running = false;
    std::atomic<bool> cancelFlag{false};
    std::atomic<bool> finished{false};
    std::atomic<bool> completed{false};
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{0};
    // Owned here until the status bar takes it; the status bar may go first.
    QPointer<QWidget> bar;
    QLabel* label;
    QProgressBar* progress;
    QTimer* timer;
};

} // namespace ZrlApp
