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

class EventObserver : public IGridObserver {
public:
    void onTableChanged(std::shared_ptr<IGrid> grid) override
    {
        events.push_back("changed");
        lastGrid = grid;
    }
    void scrollToEnd() override { events.push_back("scroll"); }
    std::vector<std::string> events;
    std::shared_ptr<IGrid> lastGrid;
};

} // namespace

TEST(Logger, TableIdentityAndColumns)
{
    auto log = std::make_shared<Logger>();
    EXPECT_EQ(log->getName(), "Logger");
    EXPECT_EQ(log->getTitle(), "Message Log");
    EXPECT_EQ(log->getRowCount(), 0u);
    ASSERT_EQ(log->getColumnCount(), 4u);
    EXPECT_EQ(log->getColumnId(0), "Line");
    EXPECT_EQ(log->getColumnId(1), "Time");
    EXPECT_EQ(log->getColumnId(2), "Result");
    EXPECT_EQ(log->getColumnId(3), "Error");
    EXPECT_EQ(log->getColumnId(4), "");
    EXPECT_EQ(log->getSortKeys(), (std::vector<std::string>{"Line", "Time", "Result", "Error"}));
}

TEST(Logger, LinesCountFromZeroAgainAfterClearing)
{
    auto log = std::make_shared<Logger>();
    log->logText("a");
    log->logFormat("%s-%d", "b", 2);
    log->logBlankLine();
    EXPECT_EQ(column(log, "Line"), "0;1;2;");
    EXPECT_EQ(column(log, "Result"), "a;b-2;;");
    log->clearEntries();
    EXPECT_EQ(log->getRowCount(), 0u);
    log->logText("c");
    EXPECT_EQ(column(log, "Line"), "0;");
}

TEST(Logger, CellTextsOfEveryColumn)
{
    auto log = std::make_shared<Logger>();
    log->logCodeText(-198, "missing");
    log->logCodeText(123456, "odd code");
    EXPECT_EQ(log->getCellText(0, "Line"), "0");
    EXPECT_TRUE(std::regex_match(log->getCellText(0, "Time"), std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]")));
    EXPECT_EQ(log->getCellText(0, "Result"), "missing");
    EXPECT_EQ(log->getCellText(0, "Error"), "File Not Found!");
    EXPECT_EQ(log->getCellText(1, "Error"), "Error Code meaning not defined!");
    EXPECT_EQ(log->getCellText(0, "Text"), "Column Out Of Range");
    EXPECT_EQ(log->getCellText(2, "Line"), "Row Out Of Range");
    EXPECT_EQ(log->getCellText(2, "Text"), "Row Out Of Range");
}

TEST(Logger, RowIdsAndMetadata)
{
    auto log = std::make_shared<Logger>();
    for (int index = 0; index < 3; ++index)
        log->logText("x");
    EXPECT_EQ(log->getRowId(0), "row");
    EXPECT_EQ(log->getRowId(2), "ROW_02");
    EXPECT_EQ(log->getRowId(3), "ROW Error");
    EXPECT_EQ(log->getCellMetaData(0, 3), "cellMetaData_03");
    EXPECT_EQ(log->getCellMetaData(0, 4), "cellMetaDataErr");
}

TEST(Logger, LogResult)
{
    auto log = std::make_shared<Logger>();
    EXPECT_EQ(log->logResult(false), -2199);
    EXPECT_EQ(log->logResult(true), 0);
    EXPECT_EQ(log->getCellText(0, "Result"), "!!!!  Failed  !!!!");
    EXPECT_EQ(log->getCellText(0, "Error"), "Unit Test general fail (ES21_UTFail)");
    EXPECT_EQ(log->getCellText(1, "Result"), "Passed");
    EXPECT_EQ(log->getRowBackColour(0), 0xAAAAFFu);
    EXPECT_EQ(log->getRowBackColour(1), 0xCCFFCCu);
    EXPECT_EQ(log->getRowBackColour(2), 0xFFFFFFu);
}

TEST(Logger, RowColoursByCode)
{
    const std::pair<std::int32_t, std::uint32_t> cases[] = {
        {-1, 0xAAAAFF}, {-2199, 0xAAAAFF}, {0, 0xCCFFCC}, {1, 0xAACCFF}, {3, 0xAACCFF}, {9, 0xAACCFF},
        {10, 0x0000FF}, {11, 0x00A5FF}, {12, 0x00FFFF}, {13, 0x00FF00}, {14, 0xFF0000}, {15, 0xCC6600},
        {16, 0xAACCFF}, {1100, 0xAACCFF},
    };
    auto log = std::make_shared<Logger>();
    for (const auto& [code, colour] : cases)
        log->logCodeText(code, "x");
    for (std::uint32_t row = 0; row < std::size(cases); ++row) {
        EXPECT_EQ(logRowColour(cases[row].first), cases[row].second) << cases[row].first;
        EXPECT_EQ(log->getRowBackColour(row), cases[row].second) << cases[row].first;
    }
}

TEST(Logger, CodedTextsPassThroughThePositionalFormatter)
{
    auto log = std::make_shared<Logger>();
    log->logCode(-198, "Open failed: %s", "%1%");
    log->logCode(-198, "%d%% done", 50);
    log->logCode(-198, "plain");
    log->logCode(0, "kept %s", "%1%");
    log->logCode(-198, "%s", "%1% and %2%");
    EXPECT_EQ(column(log, "Result"), "Open failed: File Not Found!;50% done;plain;kept %1%;%1% and %2%;");
}

TEST(Logger, LongTextsAreKeptWhole)
{
    auto log = std::make_shared<Logger>();
    const std::string longText(20000, 'q');
    log->logFormat("<%s>", longText.c_str());
    log->logCode(-3, "%s", longText.c_str());
    EXPECT_EQ(log->getCellText(0, "Result"), "<" + longText + ">");
    EXPECT_EQ(log->getCellText(1, "Result"), longText);
}

TEST(Logger, SortingReversesOrKeepsTheCurrentOrder)
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
    log->sortBy("Line", false);
    log->sortBy("Line", false);
    EXPECT_EQ(column(log, "Result"), "a;b;c;");
    // New rows are appended at the end whatever the order.
    log->sortBy("Line", false);
    log->logText("d");
    EXPECT_EQ(column(log, "Result"), "c;b;a;d;");
    EXPECT_EQ(column(log, "Line"), "2;1;0;3;");
}

TEST(Logger, ContextMenuAndCommands)
{
    auto log = std::make_shared<Logger>();
    std::vector<GridMenuItem> items;
    log->getContextMenuItems(items);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].commandId, 12000);
    EXPECT_EQ(items[0].text, "Export log to File");
    EXPECT_EQ(items[1].commandId, 12001);
    EXPECT_EQ(items[1].text, "Email log to Tech Support");
    EXPECT_EQ(items[2].commandId, 12002);
    EXPECT_EQ(items[2].text, "Clear log");

    log->logText("x");
    EXPECT_FALSE(log->onCommand(12000));
    EXPECT_FALSE(log->onCommand(12001));
    EXPECT_EQ(log->getRowCount(), 1u);
    EXPECT_TRUE(log->onCommand(12002));
    EXPECT_EQ(log->getRowCount(), 0u);
}

TEST(Logger, EveryChangeNotifiesThenScrolls)
{
    auto log = std::make_shared<Logger>();
    EventObserver observer;
    log->addObserver(&observer);
    log->logText("x");
    log->clearEntries();
    log->sortBy("Line", true);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"changed", "scroll", "changed", "scroll", "changed"}));
    EXPECT_EQ(observer.lastGrid.get(), static_cast<IGrid*>(log.get()));
    log->removeObserver(&observer);
}

TEST(Logger, IsAGridOfItself)
{
    auto log = std::make_shared<Logger>();
    std::shared_ptr<IGrid> grid = log;
    std::shared_ptr<IGridTable> table = log;
    EXPECT_EQ(grid->getName(), "Logger");
    EXPECT_EQ(grid->getTableCount(), 1u);
    EXPECT_EQ(grid->getTable(0), table);
    EXPECT_EQ(grid->getTable(7), table);
    EXPECT_EQ(grid->findTable("anything"), table);
}

TEST(Logger, WriteLogShortAndFull)
{
    auto log = std::make_shared<Logger>();
    log->logText("Exported to E:/x/a.n2k.csv");
    log->logCodeText(-198, "gone");
    log->logBlankLine();

    std::ostringstream shortForm;
    log->writeLog(shortForm, false);
    EXPECT_EQ(shortForm.str(), "Exported to E:/x/a.n2k.csv\r\ngone\r\n\r\n");

    std::ostringstream fullForm;
    log->writeLog(fullForm, true);
    EXPECT_EQ(withoutTimes(fullForm.str()),
              "Line, Time, Result, Error\r\n"
              "0, T, Exported to E:/x/a.n2k.csv, No Error detected (0)\r\n"
              "1, T, gone, File Not Found! (-198)\r\n"
              "2, T, , No Error detected (0)\r\n");
}

TEST(Logger, WriteLogOfAnEmptyLog)
{
    auto log = std::make_shared<Logger>();
    std::ostringstream shortForm, fullForm;
    log->writeLog(shortForm, false);
    log->writeLog(fullForm, true);
    EXPECT_EQ(shortForm.str(), "");
    EXPECT_EQ(fullForm.str(), "Line, Time, Result, Error\r\n");
}

TEST(Logger, SaveLogIntoThePerUserFolderCreatesIt)
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
    EXPECT_EQ(logFolder(), dataHome / "ZRL Reader" / "logs");

    if (previous)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

TEST(Logger, LogFolderFallsBackToHomeWhenDataHomeIsRelative)
{
    const char* previous = std::getenv("XDG_DATA_HOME");
    const std::string saved = previous ? previous : "";
    ::setenv("XDG_DATA_HOME", "relative/dir", 1);
    const char* home = std::getenv("HOME");
    if (home && *home == '/') {
        EXPECT_EQ(logFolder(), std::filesystem::path(home) / ".local/share/ZRL Reader/logs");
    }
    if (previous)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

TEST(Logger, SaveLogToAPathAndToAnUnwritablePath)
{
    const std::filesystem::path file = std::filesystem::path(ZrlTest::scratchDir()) / "plain.txt";
    auto log = std::make_shared<Logger>();
    log->logText("a");
    log->logText("b");
    EXPECT_TRUE(log->saveLog(file.string(), true, false));
    EXPECT_EQ(readFile(file), "a\r\nb\r\n");
    EXPECT_FALSE(log->saveLog((file / "not-a-folder" / "x.csv").string(), true, false));
}

TEST(NullLogger, DoesNothing)
{
    NullLogger log;
    log.logCode(-1, "%s", "x");
    log.logFormat("%d", 1);
    log.logText("x");
    log.logBlankLine();
    log.clearEntries();
    std::ostringstream out;
    log.writeLog(out, true);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(log.logResult(false), 0);
    EXPECT_EQ(log.logResult(true), 0);
}

TEST(ILoggerBasic, LevelledEntriesAreNotImplemented)
{
    auto log = std::make_shared<Logger>();
    EXPECT_EQ(log->logLevel(1, "%s", "x"), -3);
    EXPECT_EQ(log->logLevelCode(1, -5, "%s", "x"), -3);
    EXPECT_EQ(log->getRowCount(), 0u);
    NullLogger null;
    EXPECT_EQ(null.logLevel(0, "x"), -3);
}
