#include "messages/KorvBuf.h"

#include "common/ByteFormat.h"

#include <cstdio>

namespace KelpLib {

KorvBuf::KorvBuf(std::uint32_t capacity) : record(new ByteBuffer), owns(true) { makeEmpty(*record, capacity); }

KorvBuf::KorvBuf(const std::uint8_t* bytes, std::uint32_t count) { assign(bytes, count); }

KorvBuf::KorvBuf(const ByteBuffer& source) { *this = source; }

KorvBuf::KorvBuf(const KorvBuf& other) : IGridRender(other), IListRender(other) { *this = other; }

KorvBuf::~KorvBuf()
{
    freeOwned();
    delete record;
}

void KorvBuf::freeOwned()
{
    if (record && owns)
        release(*record);
    owns = false;
}

ByteBuffer& KorvBuf::ensureRecord()
{
    if (!record)
        record = new ByteBuffer;
    return *record;
}

KorvBuf& KorvBuf::operator=(const KorvBuf& other)
{
    if (this == &other)
        return *this;
    if (!other.record) {
        assign(nullptr, 0);
        return *this;
    }
    return *this = *other.record;
}

KorvBuf& KorvBuf::operator=(const ByteBuffer& source)
{
    ByteBuffer copy;
    makeCopy(copy, source); // before freeing: the source may be our own record
    freeOwned();
    ensureRecord() = copy;
    owns = true;
    return *this;
}

void KorvBuf::assign(const std::uint8_t* bytes, std::uint32_t count)
{
    ByteBuffer copy;
    makeFromBytes(copy, bytes, count);
    freeOwned();
    ensureRecord() = copy;
    owns = true;
}

void KorvBuf::wrap(const std::uint8_t* bytes, std::int64_t count)
{
    freeOwned();
    KelpLib::wrap(ensureRecord(), bytes, count);
    owns = false;
}

std::int32_t KorvBuf::append(const std::uint8_t* bytes, std::uint32_t count)
{
    return record ? appendBytes(*record, bytes, count) : (count ? bufferTooSmall : 0);
}

std::int32_t KorvBuf::append(std::uint8_t byte) { return record ? appendByte(*record, byte) : bufferFull; }

std::string KorvBuf::hexText(bool commaSeparated) const
{
    return hexDump(data(), length(), nullptr, commaSeparated ? ", " : " ");
}

std::uint32_t KorvBuf::titleRowCount() const { return 2; }

std::string KorvBuf::titleRow(std::uint32_t row) const
{
    switch (row) {
    case 0: return "Binary Data";
    case 1: return "Binary shown as an array";
    default: return "Error in title row";
    }
}

std::uint32_t KorvBuf::rowCount() const { return length(); }

std::uint32_t KorvBuf::columnCount() const { return 4; }

std::string KorvBuf::rowHeader(std::uint32_t row) const { return fieldRowHeader(row); }

std::string KorvBuf::columnName(std::uint32_t column) const
{
    static const char* const names[] = {"Index", "Hex", "Decimal", "Char"};
    return column < 4 ? names[column] : "Error";
}

std::string KorvBuf::cellText(std::uint32_t row, const std::string& column) const
{
    if (row >= rowCount())
        return "Row Out Of Range";
    if (!record || !record->data)
        return "";
    const std::uint8_t byte = record->data[row];
    char text[16];
    if (column == "Index")
        std::snprintf(text, sizeof text, "%u", row);
    else if (column == "Hex")
        std::snprintf(text, sizeof text, "0x%X", byte);
    else if (column == "Decimal")
        std::snprintf(text, sizeof text, "%u", byte);
    else if (column == "Char")
        return byte >= 32 ? std::string(1, static_cast<char>(byte)) : std::string();
    else
        return "";
    return text;
}

std::string KorvBuf::listText(const ListColumn& column) const
{
    switch (column.id) {
    case ListColumnSize: return std::to_string(length());
    // Without a record there are no bytes to dump: shown as "None", like a record without data.
    case ListColumnData: return hexDump(data(), length(), nullptr, " ");
    default: return "";
    }
}

std::string fieldRowHeader(std::uint32_t row)
{
    return "field = " + std::to_string(static_cast<std::int32_t>(row));
}

} // namespace KelpLib
