#include "messages/ByteFieldsGridTable.h"

#include "messages/CellMetaData.h"
#include "messages/GridAdapterTexts.h"
#include "messages/KorvBuf.h"

namespace KelpLib {

namespace {

const char* const kColumnIds[ByteFieldsGridTable::kColumns] = {"Index", "Hex", "Decimal", "Char"};

bool knownColumn(const std::string& columnId)
{
    for (const char* id : kColumnIds)
        if (columnId == id)
            return true;
    return false;
}

} // namespace

ByteFieldsGridTable::ByteFieldsGridTable(std::string title, const KorvBuf* bytes)
    : GridTable(kFieldsTableName, std::move(title)), bytes(bytes)
{
    columnIds.assign(std::begin(kColumnIds), std::end(kColumnIds));
}

// A record without storage has no bytes to show, whatever length it claims.
std::uint32_t ByteFieldsGridTable::getRowCount() const { return bytes && bytes->data() ? bytes->length() : 0; }

std::uint32_t ByteFieldsGridTable::getColumnCount() const { return kColumns; }

std::string ByteFieldsGridTable::getColumnId(std::uint32_t column) const
{
    return column < kColumns ? kColumnIds[column] : std::string();
}

std::string ByteFieldsGridTable::getCellText(std::uint32_t row, const std::string& columnId) const
{
    if (row >= getRowCount())
        return kRowOutOfRangeText;
    if (!knownColumn(columnId))
        return kColumnOutOfRangeText;
    return bytes->cellText(row, columnId);
}

std::string ByteFieldsGridTable::getCellMetaData(std::uint32_t row, std::uint32_t column) const
{
    return cellMetaData(row, column, getRowCount(), getColumnCount());
}

} // namespace KelpLib
