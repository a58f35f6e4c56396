#pragma once

#include "grid/GridTable.h"

#include <cstdint>
#include <memory>
#include <string>

namespace CommonLib {

// A stand-in table of fixed size with generated ids and texts: the fallback of grids and
// the content of the null grid.
class MockGridTable : public GridTable {
public:
    MockGridTable(std::uint32_t rows, std::uint32_t columns, std::string name, std::string title);

    std::string getName() const override;
    std::uint32_t getRowCount() const override;
    std::string getRowId(std::uint32_t row) const override;
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;
    std::string getCellMetaData(std::uint32_t row, std::uint32_t column) const override;

private:
    std::uint32_t rows;
    std::uint32_t columns;
};

// The fallback table a grid or a list shows when nothing else matches: 1 row, 1 column,
// name "null", title "error".
std::shared_ptr<IGridTable> makeFallbackGridTable();

} // namespace CommonLib
