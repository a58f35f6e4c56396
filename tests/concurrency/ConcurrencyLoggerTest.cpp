#include "applog/Logger.h"
#include "grid/IGridObserver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace CommonLib;

namespace {

// Counts notifications the way a window observer would: no table access from inside.
class CountingObserver : public IGridObserver {
public:
    void onTableChanged(std::shared_ptr<IGrid>) override { ++changes; }
    void scrollToEnd() override { ++scrolls; }
    std::atomic<int> changes{0};
    std::atomic<int> scrolls{0};
};

// Reads back through the grid interfaces while the log grows, as the list view does.
class ReadingObserver : public IGridObserver {
public:
    explicit ReadingObserver(std::shared_ptr<IGridTable> table) : table(std::move(table)) {}
    void onTableChanged(std::shared_ptr<IGrid>) override
    {
        ++notifications;
        const std::uint32_t count = table->getRowCount();
        if (count > 0 && table->getCellText(count - 1, "Result") != "abc")
            ++wrongTexts;
    }
    std::shared_ptr<IGridTable> table;
    int notifications = 0;
    int wrongTexts = 0;
};

} // namespace

TEST(ConcurrencyLogger, WritersAndATableReaderAtOnce)
{
    constexpr int writers = 4;
    constexpr int linesPerWriter = 500;
    auto log = std::make_shared<Logger>();
    CountingObserver counter;
    log->addObserver(&counter);

    std::atomic<bool> writing{true};
    std::atomic<int> rendered{0};
    std::thread reader([&] {
        std::shared_ptr<IGridTable> table = log;
        while (writing.load()) {
            const std::uint32_t count = table->getRowCount();
            for (std::uint32_t row = 0; row < count; row += 37) {
                for (std::uint32_t column = 0; column < table->getColumnCount(); ++column)
                    rendered += static_cast<int>(table->getCellText(row, table->getColumnId(column)).size() > 0);
                table->getRowBackColour(row);
            }
        }
    });

    std::vector<std::thread> threads;
    for (int writer = 0; writer < writers; ++writer) {
        threads.emplace_back([&log, writer] {
            for (int line = 0; line < linesPerWriter; ++line) {
                if (line % 3 == 0)
                    log->logCode(-198, "writer %d line %d", writer, line);
                else
                    log->logFormat("writer %d line %d", writer, line);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    writing = false;
    reader.join();
    log->removeObserver(&counter);

    const std::uint32_t total = writers * linesPerWriter;
    ASSERT_EQ(log->getRowCount(), total);
    EXPECT_EQ(counter.changes.load(), static_cast<int>(total));
    EXPECT_EQ(counter.scrolls.load(), static_cast<int>(total));
    std::set<std::string> lines;
    std::set<std::string> texts;
    for (std::uint32_t row = 0; row < total; ++row) {
        lines.insert(log->getCellText(row, "Line"));
        texts.insert(log->getCellText(row, "Result"));
    }
    EXPECT_EQ(lines.size(), total);
    EXPECT_EQ(texts.size(), total);
    EXPECT_EQ(*lines.begin(), "0");
}

TEST(ConcurrencyLogger, ObserverReadingTheTableFromInsideNotifications)
{
    auto log = std::make_shared<Logger>();
    ReadingObserver observer(log);
    log->addObserver(&observer);
    std::vector<std::thread> threads;
    for (int writer = 0; writer < 3; ++writer) {
        threads.emplace_back([&log] {
            for (int line = 0; line < 200; ++line)
                log->logText("abc");
        });
    }
    threads.emplace_back([&log] {
        for (int round = 0; round < 20; ++round) {
            std::ostringstream out;
            log->writeLog(out, true);
            log->sortBy("Line", round % 2 == 0);
        }
    });
    for (std::thread& thread : threads)
        thread.join();
    log->removeObserver(&observer);
    EXPECT_EQ(log->getRowCount(), 600u);
    EXPECT_EQ(observer.notifications, 620);
    EXPECT_EQ(observer.wrongTexts, 0);
}
