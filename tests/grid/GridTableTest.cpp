#include "grid/Grid.h"
#include "grid/GridTable.h"
#include "grid/IGridObserver.h"
#include "grid/MockGridTable.h"
#include "grid/NullGrid.h"

#include <gtest/gtest.h>

using namespace CommonLib;

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
}
