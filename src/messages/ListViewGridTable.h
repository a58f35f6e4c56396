#pragma once

#include "grid/GridTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace KelpLib {

// The list table of a grid adapter: the message as the one line it has in the message list,
// named "list", one row, with the columns given. A cell is the text of its column alone: the
// row asked for is not looked at. Derived tables answer columnText for the ids they know and
// an empty text for the others.
class ListViewGridTable : public CommonLib::GridTable {
public:
    ListViewGridTable(std::string title, std::vector<std::string> columns);

    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;

protected:
    virtual std::string columnText(const std::string& columnId) const = 0;
};

} // namespace KelpLib
