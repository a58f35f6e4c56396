#include "log/ZRLElement.h"

#include "grid/GridCellTraits.h"
#include "messages/KorvBuf.h"

#include <cstring>

namespace KelpLib {

ZRLElement::ZRLElement(const ElementTime& time, const MsgVariantInfo& variant) : elementTime(time), variantInfo(variant) {}

ZRLElement::ZRLElement(const ElementTime& time, MsgVariant variant) : elementTime(time), variantInfo{variant, variant, 0} {}

ZRLElement::~ZRLElement() { release(buffer); }

std::string ZRLElement::key() const { return "key"; }

std::shared_ptr<KorvBuf> ZRLElement::raw() const { return std::make_shared<KorvBuf>(buffer); }

bool ZRLElement::cellColour(const std::string& columnName, CommonLib::GridCellTraits& cell) const
{
    if (columnName != "Timestamp")
        return false;
    cell.setColour(timeColour());
    return true;
}

void ZRLElement::setBytes(std::uint32_t count, const std::uint8_t* bytes)
{
    if (bytes == nullptr)
        count = 0;
    if (count > buffer.capacity) {
        release(buffer);
        makeEmpty(buffer, count);
    }
    if (count)
        std::memcpy(buffer.data, bytes, count);
    buffer.length = count;
}

std::string ZRLElement::sourceText() const
{
    return variantInfo.raw == VariantN2k ? "N2K::" + std::to_string(variantInfo.source) : "LOCAL";
}

const ZRLElement& ZRLElement::empty()
{
    static const ZRLElement element;
    return element;
}

} // namespace KelpLib
