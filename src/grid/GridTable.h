#pragma once

#include "grid/IGridTable.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace CommonLib {

// The default grid table: a name, a title, a row count and a list of column ids. Derived
// tables override what they present. The observer list is guarded by the table's own mutex.
class GridTable : public IGridTable {
public:
    GridTable(std::string name, std::string title);

    std::string getName() const override;
    std::string getTitle() const override;
    std::uint32_t getRowCount() const override;
    std::uint32_t getColumnCount() const override;
    std::string getRowId(std::uint32_t row) const override;
    std::string getColumnId(std::uint32_t column) const override;
    bool getColumnTraits(const std::string& columnId, GridCellTraits& traits) const override;
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;
    bool getCellValue(std::uint32_t row, const std::string& columnId, std::uint32_t& value) const override;
    std::string getCellMetaData(std::uint32_t row, std::uint32_t column) const override;
    void onRowSelected(std::uint32_t row, std::uint32_t column, const std::string& cellMetaData) override;
    void setCellText(std::uint32_t row, const std::string& columnId, const std::string& text) override;
    std::int32_t getColumnNumber(const std::string& columnId) const override;
    std::uint32_t getRowBackColour(std::uint32_t row) const override;
    std::uint32_t getRowTextColour(std::uint32_t row) const override;
    void getContextMenuItems(std::vector<GridMenuItem>& items) const override;
    bool onCommand(std::int32_t commandId) override;
    bool sortBy(const std::string& columnId, bool ascending) override;
    std::string getColumnMetaData(std::uint32_t column) const override;
    GridOptionList getColumnOptions(std::uint32_t column) const override;
    void addObserver(IGridObserver* observer) override;
    void removeObserver(IGridObserver* observer) override;
    // {"table_name": title, "rows": [ saveRow(0), saveRow(1), ... ]}
    void saveTree(GridPropertyTree& out) const override;
    // Called with the "rows" child: loadRow for each of its children, in order.
    void loadTree(const GridPropertyTree& rows) override;
    void notifyTableChanged(std::shared_ptr<IGrid> grid) override;
    void notifyGridTables(std::shared_ptr<IGrid> grid) override;
    void setSelectedRow(std::int32_t row) override;

    virtual void setColumnId(std::uint32_t column, const std::string& id);
    virtual void saveRow(std::uint32_t row, GridPropertyTree& out) const;
    virtual void loadRow(const GridPropertyTree& row);
    virtual void clearObservers();
    virtual void notifyScrollToEnd();

    std::int32_t getSelectedRow() const { return selectedRow; }

protected:
    void setRowCount(std::uint32_t count) { rowCount = count; }

    std::vector<std::string> columnIds;

private:
    std::string name;
    std::string title;
    std::uint32_t rowCount = 1;
    std::int32_t selectedRow = 0;
    mutable std::mutex observerMutex;
    std::vector<IGridObserver*> observers;
};

} // namespace CommonLib
