#include "log/ZRLElement.h"

#include "grid/GridCellTraits.h"
#include "log/ClassifyMessage.h"
#include "messages/KorvBuf.h"
#include "messages/N2KHeader.h"
#include "messages/N2KMsg.h"

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

void ZRLElement::messageBytes(KorvBuf& out) const
{
    const MsgVariant raw = variantInfo.raw;
    const MsgVariant effective = variantInfo.effective;
    const bool bemVariant = effective >= VariantBemCommand && effective <= 1032;
    if (raw != effective && ((raw == VariantN2k && effective >= VariantBst && effective <= VariantBstChecksumError) || bemVariant)) {
        if (raw == VariantN183) {
            std::uint8_t decoded[200];
            const std::int32_t count = decodeBemSentence(buffer.data, buffer.length, decoded, sizeof decoded);
            if (count > 0) {
                out.assign(decoded, static_cast<std::uint32_t>(count - 1));
                return;
            }
        } else {
            N2KMsg_s header;
            if (decodeN2KHeader(buffer, header) == 0 && header.length >= 2) {
                out.assign(header.data + 2, header.length - 2);
                return;
            }
        }
    }
    out = buffer;
}

bool ZRLElement::n2kMessage(N2KMsg& out) const
{
    const MsgVariant effective = variantInfo.effective;
    if (effective != VariantN2k && !(effective == VariantCanFrame && (elementFlags & canFrameOfAssembly) == 0))
        return false;
    out = N2KMsg(buffer);
    return true;
}

const ZRLElement& ZRLElement::empty()
{
    static const ZRLElement element;
    return element;
}

} // namespace KelpLib
