#include "grid/Grid.h"
#include "grid/GridTable.h"
#include "grid/MockGrid.h"
#include "grid/MockGridTable.h"
#include "grid/NullGrid.h"

#include <gtest/gtest.h>

using namespace CommonLib;

namespace {

std::shared_ptr<Grid> gridOfTwo()
{
    auto grid = std::make_shared<MockGrid>("two");
    grid->addTable(std::make_shared<GridTable>("alpha", "Alpha"));
    grid->addTable(std::make_shared<GridTable>("beta", "Beta"));
    return grid;
}

} // namespace

TEST(Grid, FindsTablesByExactName)
{
    auto grid = gridOfTwo();
    EXPECT_EQ(grid->getName(), "two");
    EXPECT_EQ(grid->getTableCount(), 2u);
    EXPECT_EQ(grid->findTable("beta"), grid->getTable(1));
    EXPECT_EQ(grid->findTable("alpha"), grid->getTable(0));
}

TEST(Grid, MissesAnswerOneFallbackTable)
{
    auto grid = gridOfTwo();
    const auto fallback = grid->findTable("gamma");
    ASSERT_TRUE(fallback);
    EXPECT_EQ(grid->getTable(99), fallback);
    EXPECT_EQ(grid->getTable(2), fallback);
    EXPECT_EQ(grid->findTable("alph"), fallback);
    EXPECT_EQ(grid->findTable("alphaa"), fallback);
    EXPECT_EQ(grid->findTable(""), fallback);
    EXPECT_EQ(fallback->getTitle(), "error");
    EXPECT_EQ(fallback->getRowCount(), 1u);
    EXPECT_EQ(fallback->getColumnCount(), 1u);
    EXPECT_EQ(fallback->getColumnId(0), "COL_00");
    // The mock table answers "Title" from getName; the name it was made with is "null".
    auto* mock = dynamic_cast<MockGridTable*>(fallback.get());
    ASSERT_NE(mock, nullptr);
    EXPECT_EQ(mock->GridTable::getName(), "null");
    EXPECT_EQ(grid->getTableCount(), 2u);
}

TEST(Grid, EmptyGridAnswersTheFallbackForIndexZero)
{
    Grid grid("empty");
    EXPECT_EQ(grid.getTableCount(), 0u);
    EXPECT_EQ(grid.getTable(0)->getTitle(), "error");
    EXPECT_EQ(grid.getTable(0), grid.findTable("null"));
}

TEST(NullGrid, HoldsOneEmptyTable)
{
    auto grid = std::make_shared<NullGrid>();
    EXPECT_EQ(grid->getName(), "mock");
    ASSERT_EQ(grid->getTableCount(), 1u);
    const auto table = grid->getTable(0);
    EXPECT_EQ(table->getTitle(), "Null Table");
    EXPECT_EQ(table->getRowCount(), 0u);
    EXPECT_EQ(table->getColumnCount(), 0u);
    EXPECT_EQ(table->getRowId(0), "ROW Error");
    EXPECT_NE(grid->getTable(1), table);
}

TEST(MockGridTable, ThreeRowsTwoColumns)
{
    auto table = std::make_shared<MockGridTable>(3, 2, "n", "t");
    EXPECT_EQ(table->getName(), "Title");
    EXPECT_EQ(table->getTitle(), "t");
    EXPECT_EQ(table->getRowCount(), 3u);
    ASSERT_EQ(table->getColumnCount(), 2u);
    EXPECT_EQ(table->getColumnId(0), "COL_00");
    EXPECT_EQ(table->getColumnId(1), "COL_01");
    const char* const ids[] = {"row", "ROW_01", "ROW_02", "ROW Error"};
    for (std::uint32_t row = 0; row < 4; ++row)
        EXPECT_EQ(table->getRowId(row), ids[row]) << row;
    EXPECT_EQ(table->getCellText(1, "COL_01"), "R 01 C COL_01");
    EXPECT_EQ(table->getCellText(123, "x"), "R 123 C x");
    EXPECT_EQ(table->getCellMetaData(0, 1), "cellMetaData_01");
    EXPECT_EQ(table->getCellMetaData(0, 2), "cellMetaDataErr");
}

TEST(InheritableSharedFromThis, EachInterfaceGetsItsOwnTypedPointer)
{
    auto grid = gridOfTwo();
    std::shared_ptr<IGrid> viaInterface = grid->shared_from_this();
    EXPECT_EQ(viaInterface.get(), grid.get());
    EXPECT_EQ(viaInterface.use_count(), grid.use_count());

    auto table = grid->getTable(0);
    EXPECT_EQ(table->shared_from_this(), table);
}

TEST(InheritableSharedFromThis, ObjectNotOwnedBySharedPointerAnswersEmpty)
{
    GridTable onStack("s", "S");
    EXPECT_EQ(onStack.shared_from_this(), nullptr);
}
