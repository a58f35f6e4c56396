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
        EXPECT_EQ(table->column("X") + " " + table->column("Y") + (table->isAscending() ? " up" : " down"), c.columns);
        const int sorts = static_cast<int>(c.sorts.size());
        EXPECT_EQ(table->sortCount * 100 + table->sortedCount * 10 + observer.changes, sorts * 111);
        EXPECT_EQ(observer.grid.get(), static_cast<IGrid*>(table.get()));
        table->removeObserver(&observer);
    }
    auto table = std::make_shared<PairTable>();
    std::shared_ptr<IGrid> grid = table;
    std::shared_ptr<IGridTable> asTable = table;
    EXPECT_EQ(grid->getName() + "|" + asTable->getName(), "pairs|pairs");
    EXPECT_EQ(grid->getTable(0), asTable);
}
