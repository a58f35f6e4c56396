#pragma once

#include "grid/GridTable.h"

#include <cstdint>
#include <string>

namespace KelpLib {

class KorvBuf;

// The fields table of a raw message: one row per byte with the columns "Index", "Hex",
// "Decimal" and "Char", the cell texts of the KorvBuf. Named "fields". A row at or beyond
// the byte count answers "Row Out Of Range", a column id other than the four "Column Out Of
// Range"; the cell metadata is "Valid" inside the table and "Error" outside.
// The bytes belong to the table's adapter and must outlive the table's use.
class ByteFieldsGridTable : public CommonLib::GridTable {
public:
    static constexpr std::uint32_t kColumns = 4;

    ByteFieldsGridTable(std::string title, const KorvBuf* bytes);

    std::uint32_t getRowCount() const override;
    std::uint32_t getColumnCount() const override;
    std::string getColumnId(std::uint32_t column) const override;
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;
    std::string getCellMetaData(std::uint32_t row, std::uint32_t column) const override;

protected:
    const KorvBuf* bytes;
};

} // namespace KelpLib
