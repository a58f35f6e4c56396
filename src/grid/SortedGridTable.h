#pragma once

#include "grid/GridTable.h"
#include "grid/IGrid.h"

#include <string>
#include <vector>

namespace CommonLib {

// A grid table that is also a grid and that re-sorts its rows by a list of key columns.
// The concrete class fills sortKeys, reorders its rows in sortRows and answers the IGrid side.
class SortedGridTable : public GridTable, public IGrid {
public:
    using GridTable::GridTable;

    // Stores the direction, moves the column to the front of sortKeys when it is a key
    // (otherwise the keys stay as they are), re-sorts, and notifies the observers.
    bool sortBy(const std::string& columnId, bool ascending) override;

    // Both interfaces name a getName; the table's name answers for the grid too.
    std::string getName() const override { return GridTable::getName(); }

    virtual void sortRows() = 0;
    virtual void onSorted();

    bool isAscending() const { return ascending; }
    const std::vector<std::string>& getSortKeys() const { return sortKeys; }

protected:
    bool ascending = true;
    std::vector<std::string> sortKeys;
};

} // namespace CommonLib
