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

class ZRLElement;

// "list"/"KorvBuf": "Line", "Name", "Size", "Data". "Name" is "ZRL File Version" for the
// version tag (first byte 1), else "Unknown ZRL Element"; "Data" is the version as "v%01.3f"
// for the version tag, else the hex dump separated by blanks.
class ZRLElementListViewGridTable : public ListViewGridTable {
public:
    explicit ZRLElementListViewGridTable(const KorvBuf* bytes);

protected:
    std::string columnText(const std::string& columnId) const override;

private:
    const KorvBuf* bytes;
};

// "title"/"KorvBuf": "ZRL Element 0x%02X" (the tag), what the tag is, "%u data bytes".
class ZRLElementGridTableTitleAdapter : public TitleGridTable {
public:
    explicit ZRLElementGridTableTitleAdapter(const KorvBuf* bytes);

protected:
    std::string rowText(std::uint32_t row) const override;

private:
    const KorvBuf* bytes;
};

// "fields"/"Korvbuf data": the tag body byte by byte.
class ZRLElementGridTableAdapter : public ByteFieldsGridTable {
public:
    explicit ZRLElementGridTableAdapter(const KorvBuf* bytes);
};

// The grid of one of the log file's own tag elements (the body, tag byte first).
class ZRLElementGridAdapter : public CommonLib::Grid {
public:
    // The element is not owned and may be null; it must outlive the adapter.
    ZRLElementGridAdapter(const KorvBuf& bytes, const ZRLElement* element);

    const KorvBuf& bytes() const { return *copy; }
    const ZRLElement* element() const { return owner; }

private:
    std::unique_ptr<KorvBuf> copy;
    const ZRLElement* owner;
};

} // namespace KelpLib
