#include "messages/ZRLElementGridAdapter.h"

#include "common/SafeFormat.h"
#include "messages/GridAdapterTexts.h"
#include "messages/ZRLFileVersion.h"

namespace KelpLib {

namespace {

std::uint8_t tagOf(const KorvBuf& bytes) { return bytes.data() && bytes.length() ? bytes.data()[0] : 0; }

bool isVersionTag(const KorvBuf& bytes) { return bytes.data() && bytes.length() && tagOf(bytes) == kZrlFileVersionTag; }

} // namespace

ZRLElementListViewGridTable::ZRLElementListViewGridTable(const KorvBuf* bytes)
    : ListViewGridTable("KorvBuf", {"Line", "Name", "Size", "Data"}), bytes(bytes)
{
}

std::string ZRLElementListViewGridTable::columnText(const std::string& columnId) const
{
    if (columnId == "Name")
        return isVersionTag(*bytes) ? "ZRL File Version" : "Unknown ZRL Element";
    if (columnId == "Size")
        return std::to_string(bytes->length());
    if (columnId == "Data") {
        if (isVersionTag(*bytes))
            return CommonLib::safeFormat("v%01.3f", zrlFileVersion(bytes->data(), bytes->length()));
        return bytes->hexText(false);
    }
    return {};
}

ZRLElementGridTableTitleAdapter::ZRLElementGridTableTitleAdapter(const KorvBuf* bytes)
    : TitleGridTable("KorvBuf", 3), bytes(bytes)
{
}

std::string ZRLElementGridTableTitleAdapter::rowText(std::uint32_t row) const
{
    switch (row) {
    case 0: return CommonLib::safeFormat("ZRL Element 0x%02X", static_cast<unsigned>(tagOf(*bytes)));
    case 1: return isVersionTag(*bytes) ? "ZRL File Version Information" : "Unknown ZRL File element";
    case 2: return CommonLib::safeFormat("%u data bytes", bytes->length());
    default: return kBadRowText;
    }
}

ZRLElementGridTableAdapter::ZRLElementGridTableAdapter(const KorvBuf* bytes) : ByteFieldsGridTable("Korvbuf data", bytes) {}

ZRLElementGridAdapter::ZRLElementGridAdapter(const KorvBuf& source, const ZRLElement* element)
    : Grid("ZRL Element"), copy(std::make_unique<KorvBuf>(source)), owner(element)
{
    addTable(std::make_shared<ZRLElementListViewGridTable>(copy.get()));
    addTable(std::make_shared<ZRLElementGridTableTitleAdapter>(copy.get()));
    addTable(std::make_shared<ZRLElementGridTableAdapter>(copy.get()));
}

} // namespace KelpLib
