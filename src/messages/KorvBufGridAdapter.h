#pragma once

#include "grid/Grid.h"
#include "messages/ByteFieldsGridTable.h"
#include "messages/KorvBuf.h"
#include "messages/ListViewGridTable.h"
#include "messages/TitleGridTable.h"

#include <cstdint>
#include <memory>
#include <string>

namespace KelpLib {

// "list"/"KorvBuf": "Size" the byte count, "Data" the hex dump separated by blanks.
class KorvBufListViewGridTable : public ListViewGridTable {
public:
    explicit KorvBufListViewGridTable(const KorvBuf* bytes);

protected:
    std::string columnText(const std::string& columnId) const override;

private:
    const KorvBuf* bytes;
};

// "title"/"KorvBuf": "Binary data", "Binary data shown as an array", "%u data bytes".
class KorvBufGridTableTitleAdapter : public TitleGridTable {
public:
    explicit KorvBufGridTableTitleAdapter(const KorvBuf* bytes);

protected:
    std::string rowText(std::uint32_t row) const override;

private:
    const KorvBuf* bytes;
};

// "fields"/"Korvbuf data": the bytes, with "field = %d" row ids.
class KorvBufGridTableAdapter : public ByteFieldsGridTable {
public:
    explicit KorvBufGridTableAdapter(const KorvBuf* bytes);

    std::string getRowId(std::uint32_t row) const override;
    // Row 0 "header", rows below the row count "ROW_%02d", any other "Row Id Error".
    virtual std::string rowIdText(std::uint32_t row) const;
    // The KorvBuf column name: "Index", "Hex", "Decimal", "Char", any other index "Error".
    virtual std::string columnName(std::uint32_t column) const;
};

// The grid of any element without a typed message class: its bytes as a raw message.
class KorvBufGridAdapter : public CommonLib::Grid {
public:
    explicit KorvBufGridAdapter(const KorvBuf& bytes);

    const KorvBuf& bytes() const { return *copy; }

private:
    std::unique_ptr<KorvBuf> copy;
};

} // namespace KelpLib
