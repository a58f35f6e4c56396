#include "grid/IGridObserver.h"
#include "grid/SortedGridTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace CommonLib;

namespace {

// Rows are pairs of numbers sorted by the current keys "X" and "Y".
class PairTable : public SortedGridTable {
public:
    PairTable() : SortedGridTable("pairs", "Pairs")
    {
        columnIds = {"X", "Y", "Z"};
        sortKeys = {"X", "Y"};
        rows = {{2, 1}, {1, 2}, {2, 0}, {1, 1}};
        setRowCount(static_cast<std::uint32_t>(rows.size()));
    }

    std::uint32_t getTableCount() const override { return 1; }
    std::shared_ptr<IGridTable> findTable(const std::string&) override { return IGridTable::shared_from_this(); }
    std::shared_ptr<IGridTable> getTable(std::uint32_t) override { return IGridTable::shared_from_this(); }

    std::string getCellText(std::uint32_t row, const std::string& id) const override
    {
        if (row >= rows.size())
            return {};
        return std::to_string(id == "X" ? rows[row].first : rows[row].second);
    }

    void sortRows() override
    {
        ++sortCount;
        auto value = [](const std::pair<int, int>& row, const std::string& key) {
            return key == "X" ? row.first : row.second;
        };
        std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
            for (const std::string& key : sortKeys) {
                if (value(a, key) != value(b, key))
                    return ascending ? value(a, key) < value(b, key) : value(a, key) > value(b, key);
            }
            return false;
        });
    }
    void onSorted() override { ++sortedCount; }

    std::string column(const std::string& id) const
    {
        std::string text;
        for (std::uint32_t row = 0; row < rows.size(); ++row)
            text += getCellText(row, id);
        return text;
    }

    std::vector<std::pair<int, int>> rows;
    int sortCount = 0;
    int sortedCount = 0;
};

struct ChangeCounter : IGridObserver {
    void onTableChanged(std::shared_ptr<IGrid> changed) override
    {
        ++changes;
        grid = changed;
    }
    int changes = 0;
    std::shared_ptr<IGrid> grid;
};

} // namespace

TEST(SortedGridTable, SortByTheSecondKeyMovesItToTheFront)
{
    auto table = std::make_shared<PairTable>();
    EXPECT_TRUE(table->sortBy("Y", true));
    EXPECT_EQ(table->getSortKeys(), (std::vector<std::string>{"Y", "X"}));
    EXPECT_EQ(table->column("Y"), "0112");
    EXPECT_EQ(table->column("X"), "2121");
}

TEST(SortedGridTable, SortByAColumnThatIsNoKeyKeepsTheKeysButStillSortsAndNotifies)
{
    auto table = std::make_shared<PairTable>();
    ChangeCounter observer;
    table->addObserver(&observer);
    EXPECT_TRUE(table->sortBy("Z", false));
    EXPECT_EQ(table->getSortKeys(), (std::vector<std::string>{"X", "Y"}));
    EXPECT_FALSE(table->isAscending());
    EXPECT_EQ(table->column("X"), "2211");
    EXPECT_EQ(table->column("Y"), "1021");
    EXPECT_EQ(table->sortCount, 1);
    EXPECT_EQ(table->sortedCount, 1);
    EXPECT_EQ(observer.changes, 1);
    EXPECT_EQ(observer.grid.get(), static_cast<IGrid*>(table.get()));
    table->removeObserver(&observer);
}

TEST(SortedGridTable, SortByTheFirstKeyKeepsTheOrderOfKeys)
{
    auto table = std::make_shared<PairTable>();
    table->sortBy("Y", true);
    table->sortBy("X", true);
    EXPECT_EQ(table->getSortKeys(), (std::vector<std::string>{"X", "Y"}));
    EXPECT_TRUE(table->isAscending());
    EXPECT_EQ(table->column("X"), "1122");
    EXPECT_EQ(table->column("Y"), "1201");
}

TEST(SortedGridTable, TableAndGridNamesAgree)
{
    auto table = std::make_shared<PairTable>();
    std::shared_ptr<IGrid> grid = table;
    std::shared_ptr<IGridTable> asTable = table;
    EXPECT_EQ(grid->getName(), "pairs");
    EXPECT_EQ(asTable->getName(), "pairs");
    EXPECT_EQ(grid->getTable(0), asTable);
    EXPECT_EQ(grid->findTable("anything"), asTable);
}
