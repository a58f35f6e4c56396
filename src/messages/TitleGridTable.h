#pragma once

#include "grid/GridTable.h"

#include <cstdint>
#include <string>

namespace KelpLib {

// The title table of a grid adapter: a few descriptive lines about the message, named
// "title", one column whose id is empty. A cell is the text of its row whatever the column;
// derived tables answer rowText for every row, "Bad row" (kBadRowText) for rows they lack.
class TitleGridTable : public CommonLib::GridTable {
public:
    TitleGridTable(std::string title, std::uint32_t rows);

    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;

protected:
    virtual std::string rowText(std::uint32_t row) const = 0;
};

} // namespace KelpLib
