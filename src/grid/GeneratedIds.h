#pragma once

#include <cstdint>
#include <string>

namespace CommonLib {

// Row ids of generated tables (the mock table and the log): "row" for row 0, "ROW_%02d"
// for the other rows below the count, "ROW Error" past the end.
std::string numberedRowId(std::uint32_t row, std::uint32_t rowCount);

// Cell metadata of generated tables: "cellMetaData_%02d" of the column when it is below the
// column count, else "cellMetaDataErr".
std::string numberedCellMetaData(std::uint32_t column, std::uint32_t columnCount);

} // namespace CommonLib
