#pragma once

#include <cstdint>
#include <string>

namespace KelpLib {

// A message as a details view: a few title rows above a table of rows and named columns.
class IGridRender {
public:
    virtual std::uint32_t titleRowCount() const = 0;
    virtual std::string titleRow(std::uint32_t row) const = 0;
    virtual std::uint32_t rowCount() const = 0;
    virtual std::uint32_t columnCount() const = 0;
    virtual std::string rowHeader(std::uint32_t row) const = 0;
    virtual std::string columnName(std::uint32_t column) const = 0;
    virtual std::string cellText(std::uint32_t row, const std::string& columnName) const = 0;
    virtual ~IGridRender() = default;
};

} // namespace KelpLib
