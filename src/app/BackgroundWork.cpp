#include "app/BackgroundWork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace ZrlApp {

BackgroundWork::BackgroundWork(QWidget* owner)
    : QObject(owner), owner(owner), bar(new QWidget), label(new QLabel(bar)), progress(new QProgressBar(bar)),
      timer(new QTimer(this))
{
    bar->setObjectName(QStringLiteral("BackgroundWorkProgress"));
    progress->setRange(0, 1000);
    progress->setMaximumWidth(200);
    auto* cancelButton = new QToolButton(bar);
    cancelButton->setText(QStringLiteral("Cancel"));
    connect(cancelButton, &QToolButton::clicked, this, &BackgroundWork::cancel);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(progress);
    layout->addWidget(cancelButton);
    bar->hide();
    timer->setInterval(100);
    connect(timer, &QTimer::timeout, this, &BackgroundWork::poll);
}

BackgroundWork::~BackgroundWork()
{
    queue.clear();
    cancelFlag = true;
    if (worker.joinable())
        worker.join();
    // The bar lives in the status bar (or nowhere): it goes with this object.
    delete bar;
}

void BackgroundWork::start(const QString& text, Job job, Done whenDone)
{
    queue.push_back({text, std::move(job), std::move(whenDone)});
    if (!running)
        startNext();
}

void BackgroundWork::cancel()
{
    queue.clear();
    cancelFlag = true;
}

void BackgroundWork::startNext()
{
    if (queue.empty()) {
        running = false;
        if (bar)
            bar->hide();
        emit idle();
        return;
    }
    Queued next = std::move(queue.front());
    queue.pop_front();
    running = true;
    cancelFlag = false;
    finished = false;
    done = 0;
    total = 0;
    currentDone = std::move(next.done);
    if (bar) {
        label->setText(next.label);
        progress->setValue(0);
        if (bar->parent() == nullptr)
            if (auto* main = qobject_cast<QMainWindow*>(owner->window()))
                main->statusBar()->addPermanentWidget(bar);
        if (bar->parent() != nullptr)
            bar->show();
    }
    worker = std::thread([this, job = std::move(next.job)] {
        ZrlAnalysis::WalkControl control;
        control.cancel = &cancelFlag;
        control.progress = [this](std::size_t walked, std::size_t all) {
            done.store(walked, std::memory_order_relaxed);
            total.store(all, std::memory_order_relaxed);
        };
        completed = job(control);
        finished = true;
    });
    timer->start();
}

void BackgroundWork::poll()
{
    const std::size_t all = total.load(std::memory_order_relaxed);
    if (all > 0 && bar)
        progress->setValue(int(done.load(std::memory_order_relaxed) * 1000 / all));
    if (!finished)
        return;
    timer->stop();
    worker.join();
    Done whenDone = std::move(currentDone);
    if (whenDone)
        whenDone(completed && !cancelFlag);
    startNext();
}

} // namespace ZrlApp
