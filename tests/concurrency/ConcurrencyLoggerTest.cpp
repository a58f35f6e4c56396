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

// Counts notifications the way a window observer would; given a table, it also reads the last
// row back from inside each notification, as the list view does.
class Observer : public IGridObserver {
public:
    explicit Observer(std::shared_ptr<IGridTable> table = nullptr) : table(std::move(table)) {}
    void onTableChanged(std::shared_ptr<IGrid>) override
    {
        ++changes;
        const std::uint32_t count = table ? table->getRowCount() : 0;
        if (count > 0 && table->getCellText(count - 1, "Result") != "abc")
            ++wrongTexts;
    }
    void scrollToEnd() override { ++scrolls; }
    std::shared_ptr<IGridTable> table;
    std::atomic<int> changes{0}, scrolls{0}, wrongTexts{0};
};

} // namespace

// Four writers and a reader rendering the table at once: every line is kept once, numbered
// uniquely from 0, and each one notified.
TEST(ConcurrencyLogger, WritersAndATableReaderAtOnce)
{
    constexpr int writers = 4, linesPerWriter = 500;
    auto log = std::make_shared<Logger>();
    Observer counter;
    log->addObserver(&counter);
    std::atomic<bool> writing{true};
    std::thread reader([&] {
        std::shared_ptr<IGridTable> table = log;
        while (writing.load())
            for (std::uint32_t row = 0; row < table->getRowCount(); row += 37) {
                for (std::uint32_t column = 0; column < table->getColumnCount(); ++column)
                    table->getCellText(row, table->getColumnId(column));
                table->getRowBackColour(row);
            }
    });
    std::vector<std::thread> threads;
    for (int writer = 0; writer < writers; ++writer)
        threads.emplace_back([&log, writer] {
            for (int line = 0; line < linesPerWriter; ++line)
                if (line % 3 == 0)
                    log->logCode(-198, "writer %d line %d", writer, line);
                else
                    log->logFormat("writer %d line %d", writer, line);
        });
    for (std::thread& thread : threads)
        thread.join();
    writing = false;
    reader.join();
    log->removeObserver(&counter);

    const std::uint32_t total = writers * linesPerWriter;
    ASSERT_EQ(log->getRowCount(), total);
    EXPECT_EQ(counter.changes.load(), static_cast<int>(total));
    EXPECT_EQ(counter.scrolls.load(), static_cast<int>(total));
    std::set<std::string> lines, texts;
    for (std::uint32_t row = 0; row < total; ++row) {
        lines.insert(log->getCellText(row, "Line"));
        texts.insert(log->getCellText(row, "Result"));
    }
    EXPECT_EQ(lines.size(), total);
    EXPECT_EQ(texts.size(), total);
    EXPECT_EQ(*lines.begin(), "0");
}

// Three writers, and a thread writing the log out and sorting it, while the observer reads the
// table from inside its notifications (one a line, one a sort).
TEST(ConcurrencyLogger, ObserverReadingTheTableFromInsideNotifications)
{
    auto log = std::make_shared<Logger>();
    Observer observer(log);
    log->addObserver(&observer);
    std::vector<std::thread> threads;
    for (int writer = 0; writer < 3; ++writer)
        threads.emplace_back([&log] {
            for (int line = 0; line < 200; ++line)
                log->logText("abc");
        });
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
    EXPECT_EQ(observer.changes.load(), 620);
    EXPECT_EQ(observer.wrongTexts.load(), 0);
}
