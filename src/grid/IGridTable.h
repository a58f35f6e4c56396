#pragma once

#include "grid/GridCellTraits.h"
#include "grid/GridMenuItem.h"
#include "grid/InheritableEnableSharedFromThis.h"

#include <boost/property_tree/ptree.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace CommonLib {

class IGrid;
class IGridObserver;

// Property tree with wide strings used to save and load tables ('.' separates paths).
using GridPropertyTree = boost::property_tree::wptree;

// A list of choices for a drop-down column or cell.
using GridOptionList = std::vector<std::string>;

// The toolkit-neutral table model behind every list of the program. Rows are addressed by
// index; columns by index for titles and metadata and by id string for cells and traits.
class IGridTable : public inheritable_enable_shared_from_this<IGridTable> {
public:
    virtual std::string getName() const = 0;
    virtual std::string getTitle() const = 0;
    virtual std::uint32_t getRowCount() const = 0;
    virtual std::uint32_t getColumnCount() const = 0;
    virtual std::string getRowId(std::uint32_t row) const = 0;
    virtual std::string getColumnId(std::uint32_t column) const = 0;
    virtual bool getColumnTraits(const std::string& columnId, GridCellTraits& traits) const = 0;
    virtual std::string getCellText(std::uint32_t row, const std::string& columnId) const = 0;
    virtual bool getCellValue(std::uint32_t row, const std::string& columnId, std::uint32_t& value) const = 0;
    virtual std::string getCellMetaData(std::uint32_t row, std::uint32_t column) const = 0;
    virtual void onRowSelected(std::uint32_t row, std::uint32_t column, const std::string& cellMetaData) = 0;
    virtual void setCellText(std::uint32_t row, const std::string& columnId, const std::string& text) = 0;
    virtual std::int32_t getColumnNumber(const std::string& columnId) const = 0;
    // COLORREF 0x00BBGGRR; 0xFFFFFFFF means no colour (the list's own).
    virtual std::uint32_t getRowBackColour(std::uint32_t row) const = 0;
    virtual std::uint32_t getRowTextColour(std::uint32_t row) const = 0;
    virtual void getContextMenuItems(std::vector<GridMenuItem>& items) const = 0;
    virtual bool onCommand(std::int32_t commandId) = 0;
    virtual bool sortBy(const std::string& columnId, bool ascending) = 0;
    virtual std::string getColumnMetaData(std::uint32_t column) const = 0;
    virtual GridOptionList getColumnOptions(std::uint32_t column) const = 0;
    virtual GridOptionList getCellOptions(std::uint32_t row, std::uint32_t column) const;
    virtual void addObserver(IGridObserver* observer) = 0;
    virtual void removeObserver(IGridObserver* observer) = 0;
    virtual void saveTree(GridPropertyTree& out) const = 0;
    virtual void loadTree(const GridPropertyTree& rows) = 0;
    virtual void notifyTableChanged(std::shared_ptr<IGrid> grid) = 0;
    virtual void notifyGridTables(std::shared_ptr<IGrid> grid) = 0;
    virtual void setSelectedRow(std::int32_t row) = 0;
};

// Colour value meaning "no colour of the table's own".
inline constexpr std::uint32_t noRowColour = 0xFFFFFFFF;

} // namespace CommonLib
