#include "grid/IGridObserver.h"
#include "grid/SortedGridTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using namespace CommonLib;

namespace {

// Rows are pairs of numbers (columns X and Y) sorted by the current keys, "X" then "Y" at first.
struct PairTable : SortedGridTable {
    PairTable() : SortedGridTable("pairs", "Pairs")
    {
        columnIds = {"X", "Y", "Z"};
        sortKeys = {"X", "Y"};
        setRowCount(static_cast<std::uint32_t>(rows.size()));
    }
    std::uint32_t getTableCount() const override { return 1; }
    std::shared_ptr<IGridTable> findTable(const std::string&) override { return IGridTable::shared_from_this(); }
    std::shared_ptr<IGridTable> getTable(std::uint32_t) override { return IGridTable::shared_from_this(); }
    void sortRows() override
    {
        ++sortCount;
        auto keyed = [&](const std::array<int, 2>& row) {
            std::vector<int> values;
            for (const std::string& key : sortKeys)
                values.push_back(ascending ? row[key == "Y"] : -row[key == "Y"]);
            return values;
        };
        std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) { return keyed(a) < keyed(b); });
    }
    void onSorted() override { ++sortedCount; }
    std::string column(int index) const
    {
        std::string text;
        for (const auto& row : rows)
            text += std::to_string(row[index]);
        return text;
    }
    std::vector<std::array<int, 2>> rows = {{2, 1}, {1, 2}, {2, 0}, {1, 1}};
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

// Sorting by a key moves it to the front of the keys (by the first keeps their order); by a
// column that is no key keeps the keys but still sorts. Each sort calls sortRows, onSorted and
// notifies the observers with the table as its own grid.
TEST(SortedGridTable, SortByMovesTheKeyToTheFrontAndNotifies)
{
    const struct {
        std::vector<std::pair<const char*, bool>> sorts;
        const char* keys;
        const char* columns; // X then Y, and the direction
    } cases[] = {
        {{{"Y", true}}, "Y,X,", "2121 0112 up"},
        {{{"Z", false}}, "X,Y,", "2211 1021 down"},
        {{{"Y", true}, {"X", true}}, "X,Y,", "1122 1201 up"},
    };
    for (const auto& c : cases) {
        auto table = std::make_shared<PairTable>();
        ChangeCounter observer;
        table->addObserver(&observer);
        std::string keys;
        for (const auto& [key, ascending] : c.sorts)
            EXPECT_TRUE(table->sortBy(key, ascending));
        for (const std::string& key : table->getSortKeys())
            keys += key + ",";
        EXPECT_EQ(keys, c.keys);
        EXPECT_EQ(table->column(0) + " " + table->column(1) + (table->isAscending() ? " up" : " down"), c.columns);
        const int sorts = static_cast<int>(c.sorts.size());
        EXPECT_EQ(table->sortCount * 100 + table->sortedCount * 10 + observer.changes, sorts * 111);
        EXPECT_EQ(observer.grid.get(), static_cast<IGrid*>(table.get()));
        table->removeObserver(&observer);
    }
}
