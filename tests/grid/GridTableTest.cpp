#include "grid/GridTable.h"
#include "grid/IGrid.h"
#include "grid/IGridObserver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace CommonLib;

namespace {

class RecordingObserver : public IGridObserver {
public:
    void onTableChanged(std::shared_ptr<IGrid> grid) override { events.push_back("changed:" + grid->getName()); }
    void onTableSet(std::shared_ptr<IGridTable> table) override { events.push_back("set:" + table->getTitle()); }
    void scrollToEnd() override { events.push_back("scroll"); }

    std::vector<std::string> events;
};

class TwoTableGrid : public IGrid {
public:
    TwoTableGrid()
        : first(std::make_shared<GridTable>("a", "First")), second(std::make_shared<GridTable>("b", "Second"))
    {
    }
    std::string getName() const override { return "pair"; }
    std::uint32_t getTableCount() const override { return 2; }
    std::shared_ptr<IGridTable> findTable(const std::string&) override { return first; }
    std::shared_ptr<IGridTable> getTable(std::uint32_t index) override { return index == 0 ? first : second; }

    std::shared_ptr<IGridTable> first;
    std::shared_ptr<IGridTable> second;
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

TEST(GridTable, NewTableHasOneRowAndNoColumns)
{
    auto table = std::make_shared<GridTable>("name", "title");
    EXPECT_EQ(table->getRowCount(), 1u);
    EXPECT_EQ(table->getColumnCount(), 0u);
    EXPECT_EQ(table->getRowId(0), "ROW_00");
    EXPECT_EQ(table->getRowId(1), "Row Id Error");
    EXPECT_EQ(table->getColumnId(0), "");
    EXPECT_EQ(table->getName(), "name");
    EXPECT_EQ(table->getTitle(), "title");
    EXPECT_EQ(table->getSelectedRow(), 0);
}

TEST(GridTable, DefaultsOfEveryQuery)
{
    auto table = std::make_shared<ColumnTable>();
    GridCellTraits traits;
    traits.alignment = 7;
    std::uint32_t value = 42;
    std::vector<GridMenuItem> items;
    table->getContextMenuItems(items);

    EXPECT_FALSE(table->getColumnTraits("A", traits));
    EXPECT_EQ(traits.alignment, 7);
    EXPECT_EQ(table->getCellText(2, "B"), "B");
    EXPECT_EQ(table->getCellText(99, "anything"), "anything");
    EXPECT_FALSE(table->getCellValue(0, "A", value));
    EXPECT_EQ(value, 42u);
    EXPECT_EQ(table->getCellMetaData(0, 0), "");
    EXPECT_EQ(table->getColumnNumber("B"), 0);
    EXPECT_EQ(table->getRowBackColour(0), 0xFFFFFFFFu);
    EXPECT_EQ(table->getRowTextColour(0), 0u);
    EXPECT_TRUE(items.empty());
    EXPECT_FALSE(table->onCommand(12002));
    EXPECT_FALSE(table->sortBy("A", true));
    EXPECT_EQ(table->getColumnMetaData(0), "");
    EXPECT_TRUE(table->getColumnOptions(0).empty());
    EXPECT_TRUE(table->getCellOptions(0, 0).empty());
}

TEST(GridTable, RowIdsUseTwoDigitsAndStopAtTheRowCount)
{
    auto table = std::make_shared<ColumnTable>();
    EXPECT_EQ(table->getRowId(0), "ROW_00");
    EXPECT_EQ(table->getRowId(2), "ROW_02");
    EXPECT_EQ(table->getRowId(3), "Row Id Error");
    EXPECT_EQ(table->getRowId(0xFFFFFFFFu), "Row Id Error");
}

TEST(GridTable, ColumnIdsAndTheirReplacement)
{
    auto table = std::make_shared<ColumnTable>();
    EXPECT_EQ(table->getColumnCount(), 2u);
    EXPECT_EQ(table->getColumnId(1), "B");
    EXPECT_EQ(table->getColumnId(2), "");
    table->setColumnId(1, "Beta");
    table->setColumnId(2, "Gamma");
    EXPECT_EQ(table->getColumnId(1), "Beta");
    EXPECT_EQ(table->getColumnCount(), 2u);
    EXPECT_EQ(table->getColumnId(2), "");
}

TEST(GridTable, SelectedRowIsStored)
{
    auto table = std::make_shared<ColumnTable>();
    table->setSelectedRow(-1);
    EXPECT_EQ(table->getSelectedRow(), -1);
    table->setSelectedRow(2);
    EXPECT_EQ(table->getSelectedRow(), 2);
}

TEST(GridTableObservers, RegisteredOnceAndCalledInRegistrationOrder)
{
    auto table = std::make_shared<ColumnTable>();
    auto grid = std::make_shared<TwoTableGrid>();
    std::vector<std::string> order;
    struct Ordered : IGridObserver {
        Ordered(std::vector<std::string>& log, std::string tag) : log(log), tag(std::move(tag)) {}
        void scrollToEnd() override { log.push_back(tag); }
        std::vector<std::string>& log;
        std::string tag;
    } first(order, "first"), second(order, "second");

    table->addObserver(&second);
    table->addObserver(&first);
    table->addObserver(&second);
    table->notifyScrollToEnd();
    EXPECT_EQ(order, (std::vector<std::string>{"second", "first"}));
}

TEST(GridTableObservers, RemoveUnregisteredDoesNothingAndRemovedObserversAreSilent)
{
    auto table = std::make_shared<ColumnTable>();
    auto grid = std::make_shared<TwoTableGrid>();
    RecordingObserver kept, removed, stranger;
    table->addObserver(&kept);
    table->addObserver(&removed);
    table->removeObserver(&stranger);
    table->removeObserver(&removed);
    table->notifyTableChanged(grid);
    EXPECT_EQ(kept.events, (std::vector<std::string>{"changed:pair"}));
    EXPECT_TRUE(removed.events.empty());
    EXPECT_TRUE(stranger.events.empty());
}

TEST(GridTableObservers, EmptyGridPointerNotifiesNobody)
{
    auto table = std::make_shared<ColumnTable>();
    RecordingObserver observer;
    table->addObserver(&observer);
    table->notifyTableChanged(nullptr);
    table->notifyGridTables(nullptr);
    EXPECT_TRUE(observer.events.empty());
}

TEST(GridTableObservers, GridTablesAreSetInIndexOrderSoTheLastOneWins)
{
    auto table = std::make_shared<ColumnTable>();
    auto grid = std::make_shared<TwoTableGrid>();
    RecordingObserver first, second;
    table->addObserver(&first);
    table->addObserver(&second);
    table->notifyGridTables(grid);
    const std::vector<std::string> expected{"set:First", "set:Second"};
    EXPECT_EQ(first.events, expected);
    EXPECT_EQ(second.events, expected);
}

TEST(GridTableObservers, ClearObserversSilencesEveryone)
{
    auto table = std::make_shared<ColumnTable>();
    RecordingObserver observer;
    table->addObserver(&observer);
    table->notifyScrollToEnd();
    table->clearObservers();
    table->notifyScrollToEnd();
    EXPECT_EQ(observer.events, (std::vector<std::string>{"scroll"}));
}
