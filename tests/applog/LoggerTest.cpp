#include "common/LogFolder.h"
#include "applog/Logger.h"
#include "common/NullLogger.h"
#include "grid/IGridObserver.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace CommonLib;

namespace {

std::string column(const std::shared_ptr<Logger>& log, const std::string& id)
{
    std::string texts;
    for (std::uint32_t row = 0; row < log->getRowCount(); ++row)
        texts += log->getCellText(row, id) + ";";
    return texts;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces each "hh:mm:ss" with "T" so written logs compare exactly.
std::string withoutTimes(const std::string& text)
{
    return std::regex_replace(text, std::regex("[0-9]{2}:[0-9]{2}:[0-9]{2}"), "T");
}

struct EventObserver : IGridObserver {
    void onTableChanged(std::shared_ptr<IGrid> grid) override { events.push_back(grid->getName() + " changed"); }
    void scrollToEnd() override { events.push_back("scroll"); }
    std::vector<std::string> events;
};

} // namespace

// Columns and sort keys; lines count from zero again after clearing; each column's text, the
// error text of a code (unknown codes have their own), row ids and metadata, and the texts out of
// range.
TEST(Logger, ColumnsCellsAndRowIds)
{
    auto log = std::make_shared<Logger>();
    EXPECT_EQ(log->getName() + "|" + log->getTitle(), "Logger|Message Log");
    EXPECT_EQ(column(log, "Line"), "");
    std::string ids;
    for (std::uint32_t index = 0; index < 5; ++index)
        ids += log->getColumnId(index) + ",";
    EXPECT_EQ(ids, "Line,Time,Result,Error,,");
    EXPECT_EQ(log->getSortKeys(), (std::vector<std::string>{"Line", "Time", "Result", "Error"}));
    log->logText("a");
    log->clearEntries();
    log->logCodeText(-198, "missing");
    log->logFormat("%s-%d", "b", 2);
    log->logCodeText(123456, "odd code");
    log->logBlankLine();
    EXPECT_EQ(column(log, "Line"), "0;1;2;3;");
    EXPECT_EQ(column(log, "Result"), "missing;b-2;odd code;;");
    EXPECT_EQ(column(log, "Error"), "File Not Found!;No Error detected;Error Code meaning not defined!;No Error detected;");
    EXPECT_TRUE(std::regex_match(log->getCellText(0, "Time"), std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]")));
    EXPECT_EQ(log->getCellText(0, "Text") + "|" + log->getCellText(4, "Line") + "|" + log->getCellText(4, "Text"),
              "Column Out Of Range|Row Out Of Range|Row Out Of Range");
    EXPECT_EQ(log->getRowId(0) + "|" + log->getRowId(3) + "|" + log->getRowId(4), "row|ROW_03|ROW Error");
    EXPECT_EQ(log->getCellMetaData(0, 3) + "|" + log->getCellMetaData(0, 4), "cellMetaData_03|cellMetaDataErr");
}

// Results, and the row colour of each code (failures, success, warnings, the six highlight codes).
TEST(Logger, LogResultAndRowColoursByCode)
{
    auto log = std::make_shared<Logger>();
    EXPECT_EQ(log->logResult(false), -2199);
    EXPECT_EQ(log->logResult(true), 0);
    EXPECT_EQ(column(log, "Result"), "!!!!  Failed  !!!!;Passed;");
    EXPECT_EQ(log->getCellText(0, "Error"), "Unit Test general fail (ES21_UTFail)");
    EXPECT_EQ(log->getRowBackColour(2), 0xFFFFFFu) << "past the last row";
    const std::pair<std::int32_t, std::uint32_t> cases[] = {
        {-1, 0xAAAAFF}, {-2199, 0xAAAAFF}, {0, 0xCCFFCC}, {1, 0xAACCFF}, {9, 0xAACCFF}, {10, 0x0000FF},
        {11, 0x00A5FF}, {12, 0x00FFFF}, {13, 0x00FF00}, {14, 0xFF0000}, {15, 0xCC6600}, {16, 0xAACCFF}, {1100, 0xAACCFF},
    };
    log->clearEntries();
    for (const auto& [code, colour] : cases)
        log->logCodeText(code, "x");
    for (std::uint32_t row = 0; row < std::size(cases); ++row)
        EXPECT_EQ(log->getRowBackColour(row), cases[row].second) << cases[row].first;
}

// Coded texts go through the positional formatter only when the code is an error; "%1%" in an
// argument stays as it is; long texts are kept whole.
TEST(Logger, CodedTextsPassThroughThePositionalFormatter)
{
    auto log = std::make_shared<Logger>();
    log->logCode(-198, "Open failed: %s", "%1%");
    log->logCode(-198, "%d%% done", 50);
    log->logCode(-198, "plain");
    log->logCode(0, "kept %s", "%1%");
    log->logCode(-198, "%s", "%1% and %2%");
    EXPECT_EQ(column(log, "Result"), "Open failed: File Not Found!;50% done;plain;kept %1%;%1% and %2%;");
    const std::string longText(20000, 'q');
    log->clearEntries();
    log->logFormat("<%s>", longText.c_str());
    log->logCode(-3, "%s", longText.c_str());
    EXPECT_EQ(column(log, "Result"), "<" + longText + ">;" + longText + ";");
}

// Sorting by Line reverses or keeps the order (other columns keep it); new rows are appended at
// the end whatever the order. Every change notifies the observers, then scrolls (sorting does not).
TEST(Logger, SortingAndNotifications)
{
    auto log = std::make_shared<Logger>();
    for (const char* text : {"a", "b", "c"})
        log->logText(text);
    EXPECT_TRUE(log->sortBy("Result", false));
    EXPECT_EQ(column(log, "Result"), "c;b;a;");
    EXPECT_TRUE(log->sortBy("Time", true));
    EXPECT_EQ(column(log, "Result"), "c;b;a;");
    EXPECT_TRUE(log->sortBy("Line", false));
    EXPECT_EQ(column(log, "Result"), "a;b;c;");
    log->sortBy("Line", false); // flips back to descending
    log->logText("d");
    EXPECT_EQ(column(log, "Result"), "c;b;a;d;");
    EXPECT_EQ(column(log, "Line"), "2;1;0;3;");

    EventObserver observer;
    log->addObserver(&observer);
    log->logText("x");
    log->clearEntries();
    log->sortBy("Line", true);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"Logger changed", "scroll", "Logger changed", "scroll", "Logger changed"}));
    log->removeObserver(&observer);
    // The log is its own one-table grid.
    EXPECT_TRUE(log->getTableCount() == 1 && log->getTable(7) == log && log->findTable("anything") == log);
}

TEST(Logger, ContextMenuAndCommands)
{
    auto log = std::make_shared<Logger>();
    std::vector<GridMenuItem> items;
    log->getContextMenuItems(items);
    std::string menu;
    for (const GridMenuItem& item : items)
        menu += std::to_string(item.commandId) + " " + item.text + "|";
    EXPECT_EQ(menu, "12000 Export log to File|12001 Email log to Tech Support|12002 Clear log|");
    log->logText("x");
    EXPECT_FALSE(log->onCommand(12000) || log->onCommand(12001) || log->getRowCount() != 1);
    EXPECT_TRUE(log->onCommand(12002));
    EXPECT_EQ(log->getRowCount(), 0u);
}

TEST(Logger, WriteLogShortAndFull)
{
    auto log = std::make_shared<Logger>();
    std::ostringstream emptyFull, shortForm, fullForm;
    log->writeLog(emptyFull, true);
    EXPECT_EQ(emptyFull.str(), "Line, Time, Result, Error\r\n");
    log->logText("Exported to E:/x/a.n2k.csv");
    log->logCodeText(-198, "gone");
    log->logBlankLine();
    log->writeLog(shortForm, false);
    EXPECT_EQ(shortForm.str(), "Exported to E:/x/a.n2k.csv\r\ngone\r\n\r\n");
    log->writeLog(fullForm, true);
    EXPECT_EQ(withoutTimes(fullForm.str()),
              "Line, Time, Result, Error\r\n"
              "0, T, Exported to E:/x/a.n2k.csv, No Error detected (0)\r\n"
              "1, T, gone, File Not Found! (-198)\r\n"
              "2, T, , No Error detected (0)\r\n");
}

// A bare name is saved into the per-user folder (created; a relative XDG_DATA_HOME falls back to
// HOME), a path as it is; an unwritable path is a failure.
TEST(Logger, SaveLogIntoThePerUserFolderOrAPath)
{
    const std::filesystem::path dataHome = std::filesystem::path(ZrlTest::scratchDir()) / "data";
    const char* previous = std::getenv("XDG_DATA_HOME");
    const std::string saved = previous ? previous : "";
    ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    auto log = std::make_shared<Logger>();
    log->logText("one");
    EXPECT_TRUE(log->saveLog("run1", false, true));
    const std::filesystem::path file = dataHome / "ZRL Reader" / "logs" / "run1.csv";
    EXPECT_EQ(withoutTimes(readFile(file)), "Line, Time, Result, Error\r\n0, T, one, No Error detected (0)\r\n");
    ::setenv("XDG_DATA_HOME", "relative/dir", 1);
    const char* home = std::getenv("HOME");
    if (home && *home == '/') {
        EXPECT_EQ(logFolder(), std::filesystem::path(home) / ".local/share/ZRL Reader/logs");
    }
    if (previous)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");

    const std::filesystem::path plain = std::filesystem::path(ZrlTest::scratchDir()) / "plain.txt";
    log->logText("b");
    EXPECT_TRUE(log->saveLog(plain.string(), true, false));
    EXPECT_EQ(readFile(plain), "one\r\nb\r\n");
    EXPECT_FALSE(log->saveLog((plain / "not-a-folder" / "x.csv").string(), true, false));
}

// The null logger does nothing; levelled entries are not implemented by either.
TEST(NullLogger, DoesNothingAndLevelsAreNotImplemented)
{
    NullLogger log;
    log.logText("x");
    std::ostringstream out;
    log.writeLog(out, true);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(log.logResult(false), 0);
    EXPECT_EQ(log.logLevel(0, "x"), -3);
    auto logger = std::make_shared<Logger>();
    EXPECT_EQ(logger->logLevel(1, "%s", "x"), -3);
    EXPECT_EQ(logger->logLevelCode(1, -5, "%s", "x") * 10 + int(logger->getRowCount()), -30);
}
