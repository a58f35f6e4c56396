#include "messages/KorvBufGridAdapter.h"

#include "common/SafeFormat.h"
#include "messages/GridAdapterTexts.h"

namespace KelpLib {

KorvBufListViewGridTable::KorvBufListViewGridTable(const KorvBuf* bytes)
    : ListViewGridTable("KorvBuf", {"Size", "Data"}), bytes(bytes)
{
}

std::string KorvBufListViewGridTable::columnText(const std::string& columnId) const
{
    if (columnId == "Size")
        return std::to_string(bytes->length());
    if (columnId == "Data")
        return bytes->hexText(false);
    return {};
}

KorvBufGridTableTitleAdapter::KorvBufGridTableTitleAdapter(const KorvBuf* bytes)
    : TitleGridTable("KorvBuf", 3), bytes(bytes)
{
}

std::string KorvBufGridTableTitleAdapter::rowText(std::uint32_t row) const
{
    switch (row) {
    case 0: return "Binary data";
    case 1: return "Binary data shown as an array";
    case 2: return CommonLib::safeFormat("%u data bytes", bytes->length());
    default: return kBadRowText;
    }
}

KorvBufGridTableAdapter::KorvBufGridTableAdapter(const KorvBuf* bytes) : ByteFieldsGridTable("Korvbuf data", bytes) {}

std::string KorvBufGridTableAdapter::getRowId(std::uint32_t row) const { return fieldRowHeader(row); }

std::string KorvBufGridTableAdapter::rowIdText(std::uint32_t row) const
{
    if (row == 0)
        return "header";
    if (row < getRowCount())
        return CommonLib::safeFormat("ROW_%02d", static_cast<int>(row));
    return "Row Id Error";
}

std::string KorvBufGridTableAdapter::columnName(std::uint32_t column) const { return bytes->columnName(column); }

KorvBufGridAdapter::KorvBufGridAdapter(const KorvBuf& source)
    : Grid("KorvBuf"), copy(std::make_unique<KorvBuf>(source))
{
    addTable(std::make_shared<KorvBufListViewGridTable>(copy.get()));
    addTable(std::make_shared<KorvBufGridTableTitleAdapter>(copy.get()));
    addTable(std::make_shared<KorvBufGridTableAdapter>(copy.get()));
}

} // namespace KelpLib
