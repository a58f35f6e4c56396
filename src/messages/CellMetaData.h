#pragma once

#include <cstdint>
#include <string>

namespace KelpLib {

inline constexpr const char* kCellValidText = "Valid";
inline constexpr const char* kCellErrorText = "Error";

// The cell metadata of the byte and field tables of the grid adapters: "Valid" for a cell
// inside the table (row < rowCount and column < columnCount), "Error" for any other.
std::string cellMetaData(std::uint32_t row, std::uint32_t column, std::uint32_t rowCount, std::uint32_t columnCount);

} // namespace KelpLib
