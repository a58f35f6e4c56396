#pragma once
// Whole tables of a grid adapter as text, so a test compares a table in one assertion.

#include "grid/IGridTable.h"

#include <string>
#include <vector>

namespace ZrlTest {

// The column ids joined by '|'.
inline std::string columnIdsText(const CommonLib::IGridTable& table)
{
    std::string out;
    for (std::uint32_t c = 0; c < table.getColumnCount(); ++c)
        out += (c ? "|" : "") + table.getColumnId(c);
    return out;
}

// Every row as its cells joined by '|', in column order.
inline std::vector<std::string> tableRows(const CommonLib::IGridTable& table)
{
    std::vector<std::string> rows;
    for (std::uint32_t r = 0; r < table.getRowCount(); ++r) {
        std::string row;
        for (std::uint32_t c = 0; c < table.getColumnCount(); ++c)
            row += (c ? "|" : "") + table.getCellText(r, table.getColumnId(c));
        rows.push_back(row);
    }
    return rows;
}

} // namespace ZrlTest
