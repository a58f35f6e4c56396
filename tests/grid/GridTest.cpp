#include "grid/Grid.h"
#include "grid/GridTable.h"
#include "grid/MockGrid.h"
#include "grid/MockGridTable.h"
#include "grid/NullGrid.h"

#include <gtest/gtest.h>

using namespace CommonLib;

// Tables are found by exact name; every miss (name or index) answers one fallback table.
TEST(Grid, FindsTablesByExactNameElseOneFallbackTable)
{
    auto grid = std::make_shared<MockGrid>("two");
    grid->addTable(std::make_shared<GridTable>("alpha", "Alpha"));
    grid->addTable(std::make_shared<GridTable>("beta", "Beta"));
    EXPECT_EQ(grid->findTable("beta"), grid->getTable(1));
    EXPECT_EQ(grid->findTable("alpha"), grid->getTable(0));
    const auto fallback = grid->findTable("gamma");
    ASSERT_TRUE(fallback);
    for (const auto& miss : {grid->getTable(2), grid->getTable(99), grid->findTable("alph"), grid->findTable("alphaa"),
                             grid->findTable("")})
        EXPECT_EQ(miss, fallback);
    EXPECT_EQ(fallback->getTitle() + "|" + fallback->getColumnId(0), "error|COL_00");
    EXPECT_EQ(fallback->getRowCount() * 10 + fallback->getColumnCount(), 11u);
    // The mock table answers "Title" from getName; the name it was made with is "null".
    auto* mock = dynamic_cast<MockGridTable*>(fallback.get());
    ASSERT_NE(mock, nullptr);
    EXPECT_EQ(mock->GridTable::getName(), "null");
    EXPECT_EQ(grid->getTableCount(), 2u);

    Grid empty("empty");
    EXPECT_EQ(empty.getTableCount(), 0u);
    EXPECT_EQ(empty.getTable(0)->getTitle(), "error");
    EXPECT_EQ(empty.getTable(0), empty.findTable("null"));
    // Each interface gets its own typed pointer to the one object.
    std::shared_ptr<IGrid> viaInterface = grid->shared_from_this();
    EXPECT_EQ(viaInterface.get(), grid.get());
    EXPECT_EQ(viaInterface.use_count(), grid.use_count());
    EXPECT_EQ(grid->getTable(0)->shared_from_this(), grid->getTable(0));
    GridTable onStack("s", "S");
    EXPECT_EQ(onStack.shared_from_this(), nullptr);
}

TEST(NullGrid, HoldsOneEmptyTable)
{
    auto grid = std::make_shared<NullGrid>();
    EXPECT_EQ(grid->getName(), "mock");
    ASSERT_EQ(grid->getTableCount(), 1u);
    const auto table = grid->getTable(0);
    EXPECT_EQ(table->getTitle(), "Null Table");
    EXPECT_EQ(table->getRowCount() + table->getColumnCount(), 0u);
    EXPECT_EQ(table->getRowId(0), "ROW Error");
    EXPECT_NE(grid->getTable(1), table);
}

TEST(MockGridTable, ThreeRowsTwoColumns)
{
    auto table = std::make_shared<MockGridTable>(3, 2, "n", "t");
    EXPECT_EQ(table->getName() + "|" + table->getTitle(), "Title|t");
    EXPECT_EQ(table->getRowCount(), 3u);
    ASSERT_EQ(table->getColumnCount(), 2u);
    EXPECT_EQ(table->getColumnId(0) + "|" + table->getColumnId(1), "COL_00|COL_01");
    std::string ids;
    for (std::uint32_t row = 0; row < 4; ++row)
        ids += table->getRowId(row) + "|";
    EXPECT_EQ(ids, "row|ROW_01|ROW_02|ROW Error|");
    EXPECT_EQ(table->getCellText(1, "COL_01"), "R 01 C COL_01");
    EXPECT_EQ(table->getCellMetaData(0, 1) + "|" + table->getCellMetaData(0, 2), "cellMetaData_01|cellMetaDataErr");
}
