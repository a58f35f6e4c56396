#include "grid/GridTable.h"

#include "grid/IGrid.h"
#include "grid/IGridObserver.h"
#include "grid/GridText.h"
#include "common/SafeFormat.h"

#include <algorithm>
#include <boost/property_tree/ptree.hpp>

namespace CommonLib {

GridTable::GridTable(std::string name, std::string title)
    : name(std::move(name)), title(std::move(title))
{
}

std::string GridTable::getName() const { return name; }

std::string GridTable::getTitle() const { return title; }

std::uint32_t GridTable::getRowCount() const { return rowCount; }

std::uint32_t GridTable::getColumnCount() const { return static_cast<std::uint32_t>(columnIds.size()); }

std::string GridTable::getRowId(std::uint32_t row) const
{
    if (row < getRowCount())
        return safeFormat("ROW_%02u", row);
    return "Row Id Error";
}

std::string GridTable::getColumnId(std::uint32_t column) const
{
    if (column < columnIds.size())
        return columnIds[column];
    return {};
}

bool GridTable::getColumnTraits(const std::string&, GridCellTraits&) const { return false; }

std::string GridTable::getCellText(std::uint32_t, const std::string& columnId) const { return columnId; }

bool GridTable::getCellValue(std::uint32_t, const std::string&, std::uint32_t&) const { return false; }

std::string GridTable::getCellMetaData(std::uint32_t, std::uint32_t) const { return {}; }

void GridTable::onRowSelected(std::uint32_t, std::uint32_t, const std::string&) {}

void GridTable::setCellText(std::uint32_t, const std::string&, const std::string&) {}

std::int32_t GridTable::getColumnNumber(const std::string&) const { return 0; }

std::uint32_t GridTable::getRowBackColour(std::uint32_t) const { return noRowColour; }

std::uint32_t GridTable::getRowTextColour(std::uint32_t) const { return 0; }

void GridTable::getContextMenuItems(std::vector<GridMenuItem>&) const {}

bool GridTable::onCommand(std::int32_t) { return false; }

bool GridTable::sortBy(const std::string&, bool) { return false; }

std::string GridTable::getColumnMetaData(std::uint32_t) const { return {}; }

GridOptionList GridTable::getColumnOptions(std::uint32_t) const { return {}; }

void GridTable::addObserver(IGridObserver* observer)
{
    std::lock_guard<std::mutex> lock(observerMutex);
    if (std::find(observers.begin(), observers.end(), observer) == observers.end())
        observers.push_back(observer);
}

void GridTable::removeObserver(IGridObserver* observer)
{
    std::lock_guard<std::mutex> lock(observerMutex);
    std::erase(observers, observer);
}

void GridTable::saveTree(GridPropertyTree& out) const
{
    out.put(L"table_name", widenText(getTitle()));
    GridPropertyTree rows;
    const std::uint32_t count = getRowCount();
    for (std::uint32_t row = 0; row < count; ++row) {
        GridPropertyTree rowTree;
        saveRow(row, rowTree);
        rows.push_back(std::make_pair(std::wstring(), rowTree));
    }
    out.add_child(L"rows", rows);
}

void GridTable::loadTree(const GridPropertyTree& rows)
{
    for (const auto& child : rows)
        loadRow(child.second);
}

void GridTable::notifyTableChanged(std::shared_ptr<IGrid> grid)
{
    if (!grid)
        return;
    std::lock_guard<std::mutex> lock(observerMutex);
    for (IGridObserver* observer : observers)
        observer->onTableChanged(grid);
}

void GridTable::notifyGridTables(std::shared_ptr<IGrid> grid)
{
    if (!grid)
        return;
    std::lock_guard<std::mutex> lock(observerMutex);
    for (IGridObserver* observer : observers) {
        const std::uint32_t count = grid->getTableCount();
        for (std::uint32_t index = 0; index < count; ++index)
            observer->onTableSet(grid->getTable(index));
    }
}

void GridTable::setSelectedRow(std::int32_t row) { selectedRow = row; }

void GridTable::setColumnId(std::uint32_t column, const std::string& id)
{
    if (column < getColumnCount() && column < columnIds.size())
        columnIds[column] = id;
}

void GridTable::saveRow(std::uint32_t, GridPropertyTree&) const {}

void GridTable::loadRow(const GridPropertyTree&) {}

void GridTable::clearObservers()
{
    std::lock_guard<std::mutex> lock(observerMutex);
    observers.clear();
}

void GridTable::notifyScrollToEnd()
{
    std::lock_guard<std::mutex> lock(observerMutex);
    for (IGridObserver* observer : observers)
        observer->scrollToEnd();
}

} // namespace CommonLib
