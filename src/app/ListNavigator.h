#pragma once
// Find and Go to over one document's message list. Each search runs on a thread of its own
// (a list may hold millions of rows) and selects the row it found on the window thread; a
// search that finds nothing says so through `note`.
#include "messages/ListColumn.h"

#include <QObject>

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

class QTableView;

namespace KelpLib {
class ShownList;
}

namespace ZrlApp {

class ListNavigator : public QObject {
    Q_OBJECT
public:
    ListNavigator(const KelpLib::ShownList& shown, QTableView* list, QObject* parent = nullptr);
    // Stops a running search and waits for it.
    ~ListNavigator() override;

    // The next (previous) row after the current one whose cells or decoded values hold the
    // text, wrapping; the columns are those the list shows.
    void find(const QString& text, bool forward, std::vector<KelpLib::ListColumn> columns);
    // The shown row nearest a line number or a time.
    void goTo(const QString& text);
    // Stops a running search and waits for it; call before the shown list changes.
    void stop();
    bool busy() const { return worker.joinable() && !done.load(); }
    // Share of the running search done, 0 to 100.
    int percentDone() const;

signals:
    void note(const QString& text);
    void rowChosen(int row);

private:
    void start(std::function<std::optional<std::size_t>()> work, const QString& notFound);
    void finish(std::optional<std::size_t> row, const QString& notFound);

    const KelpLib::ShownList& shown;
    QTableView* list;
    std::thread worker;
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{true};
    std::atomic<std::size_t> visited{0};
    std::size_t total = 0;
    unsigned generation = 0; // window thread only
};

} // namespace ZrlApp
