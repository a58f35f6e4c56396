#include "grid/GridTable.h"
#include "grid/IGrid.h"
#include "grid/IGridObserver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace CommonLib;

namespace {

// Observers that write each call, tagged, into one shared log.
struct RecordingObserver : IGridObserver {
    RecordingObserver(std::vector<std::string>& log, std::string tag) : log(log), tag(std::move(tag)) {}
    void onTableChanged(std::shared_ptr<IGrid> grid) override { log.push_back(tag + " changed:" + grid->getName()); }
    void onTableSet(std::shared_ptr<IGridTable> table) override { log.push_back(tag + " set:" + table->getTitle()); }
    void scrollToEnd() override { log.push_back(tag + " scroll"); }
    std::vector<std::string>& log;
    std::string tag;
};

class TwoTableGrid : public IGrid {
public:
    std::string getName() const override { return "pair"; }
    std::uint32_t getTableCount() const override { return 2; }
    std::shared_ptr<IGridTable> findTable(const std::string&) override { return first; }
    std::shared_ptr<IGridTable> getTable(std::uint32_t index) override { return index == 0 ? first : second; }
    std::shared_ptr<IGridTable> first = std::make_shared<GridTable>("a", "First");
    std::shared_ptr<IGridTable> second = std::make_shared<GridTable>("b", "Second");
};

class ColumnTable : public GridTable {
public:
    ColumnTable() : GridTable("cols", "Columns")
    {
        columnIds = {"A", "B"};
        setRowCount(3);
    }
};

} // namespace

// Row ids have two digits and stop at the row count (a new table has one row); column ids are
// replaced in place, never added.
TEST(GridTable, RowAndColumnIds)
{
    auto fresh = std::make_shared<GridTable>("name", "title");
    EXPECT_EQ(fresh->getRowCount(), 1u);
    EXPECT_EQ(fresh->getColumnCount(), 0u);
    EXPECT_EQ(fresh->getRowId(0) + "|" + fresh->getRowId(1), "ROW_00|Row Id Error");
    auto table = std::make_shared<ColumnTable>();
    EXPECT_EQ(table->getRowId(2) + "|" + table->getRowId(3) + "|" + table->getRowId(0xFFFFFFFFu), "ROW_02|Row Id Error|Row Id Error");
    table->setColumnId(1, "Beta");
    table->setColumnId(2, "Gamma");
    EXPECT_EQ(table->getColumnCount(), 2u);
    EXPECT_EQ(table->getColumnId(1) + "|" + table->getColumnId(2), "Beta|");
}

// What a table answers until it says otherwise: the column id as a cell's text, no traits, value,
// colours, menu, command or sorting.
TEST(GridTable, DefaultsOfEveryQuery)
{
    auto table = std::make_shared<ColumnTable>();
    GridCellTraits traits;
    std::uint32_t value = 42;
    std::vector<GridMenuItem> items;
    table->getContextMenuItems(items);
    EXPECT_EQ(table->getCellText(2, "B") + "|" + table->getCellText(99, "anything"), "B|anything");
    EXPECT_FALSE(table->getColumnTraits("A", traits) || table->getCellValue(0, "A", value) || table->onCommand(12002) ||
                 table->sortBy("A", true) || !items.empty());
    EXPECT_EQ(table->getRowBackColour(0), 0xFFFFFFFFu); // "no colour", not white
}

// Observers are registered once, called in registration order until removed or cleared;
// removing a stranger does nothing, an empty grid pointer notifies nobody, and a grid's tables
// are set in index order so the last one wins.
TEST(GridTableObservers, RegistrationOrderRemovalAndGridTables)
{
    auto table = std::make_shared<ColumnTable>();
    auto grid = std::make_shared<TwoTableGrid>();
    std::vector<std::string> log;
    RecordingObserver first(log, "1"), second(log, "2"), stranger(log, "x");
    table->addObserver(&second);
    table->addObserver(&first);
    table->addObserver(&second);
    table->removeObserver(&stranger);
    table->notifyScrollToEnd();
    table->notifyGridTables(grid);
    table->notifyTableChanged(nullptr);
    table->notifyGridTables(nullptr);
    table->removeObserver(&second);
    table->notifyTableChanged(grid);
    table->clearObservers();
    table->notifyScrollToEnd();
    EXPECT_EQ(log, (std::vector<std::string>{"2 scroll", "1 scroll", "2 set:First", "2 set:Second", "1 set:First",
                                             "1 set:Second", "1 changed:pair"}));
}
