#include "log/ZRLElement.h"

#include "grid/GridCellTraits.h"
#include "log/MsgKinds.h"
#include "messages/KorvBuf.h"
#include "messages/N2KHeader.h"
#include "messages/N2KMsg.h"

#include <cstring>

namespace KelpLib {

namespace {

std::uint64_t foldedTime(const ElementTime& time)
{
    const std::uint64_t shown = time.baseTime + 10ull * time.offsetMicros;
    return shown < time.baseTime ? ~std::uint64_t(0) : shown;
}

} // namespace

static_assert(sizeof(ZRLElement) <= 40, "millions of elements: keep the element small");

ZRLElement::ZRLElement(const ElementTime& time, const MsgVariantInfo& variant)
    : shownTime(foldedTime(time)), hasTime(time.hasTime), sequence(time.sequence),
      rawVariantValue(static_cast<std::uint16_t>(variant.raw)), effectiveVariantValue(static_cast<std::uint16_t>(variant.effective)),
      sourceAddress(static_cast<std::uint8_t>(variant.source))
{
}

ZRLElement::ZRLElement(const ElementTime& time, MsgVariant variant) : ZRLElement(time, MsgVariantInfo{variant, variant, 0}) {}

ZRLElement::~ZRLElement() { releaseOwnBytes(); }

ElementTime ZRLElement::time() const
{
    ElementTime time;
    time.baseTime = shownTime;
    time.sequence = sequence;
    time.hasTime = hasTime;
    return time;
}

void ZRLElement::releaseOwnBytes()
{
    if (ownsBytes)
        delete[] byteData;
    byteData = nullptr;
    byteCount = 0;
    ownsBytes = 0;
}

ByteBuffer ZRLElement::bytes() const
{
    ByteBuffer view;
    wrap(view, byteData, byteCount);
    return view;
}

std::string ZRLElement::key() const { return "key"; }

std::shared_ptr<KorvBuf> ZRLElement::raw() const { return std::make_shared<KorvBuf>(bytes()); }

bool ZRLElement::cellColour(const std::string& columnName, CommonLib::GridCellTraits& cell) const
{
    if (columnName != "Timestamp")
        return false;
    cell.setColour(timeColour());
    return true;
}

void ZRLElement::setBytes(std::uint32_t count, const std::uint8_t* bytes)
{
    releaseOwnBytes();
    if (bytes == nullptr || count == 0)
        return;
    auto* copy = new std::uint8_t[count];
    std::memcpy(copy, bytes, count);
    byteData = copy;
    byteCount = count;
    ownsBytes = 1;
}

void ZRLElement::borrowBytes(std::uint32_t count, const std::uint8_t* bytes)
{
    releaseOwnBytes();
    byteData = count ? bytes : nullptr;
    byteCount = bytes ? count : 0;
}

std::string ZRLElement::sourceText() const
{
    return rawVariant() == MsgVariant::N2k ? "N2K::" + std::to_string(sourceAddress) : "LOCAL";
}

void ZRLElement::messageBytes(KorvBuf& out) const { msgKind(effectiveVariant(), "messageBytes").messageBytes(*this, out); }

bool ZRLElement::standsForN2kMessage() const
{
    const MsgVariant effective = effectiveVariant();
    return effective == MsgVariant::N2k || (effective == MsgVariant::CanFrame && (elementFlags & canFrameOfAssembly) == 0);
}

bool ZRLElement::n2kMessage(N2KMsg& out) const
{
    if (!standsForN2kMessage())
        return false;
    out = N2KMsg(bytes());
    return true;
}

bool ZRLElement::n2kHeader(N2KHeaderView& out) const
{
    return standsForN2kMessage() && viewN2KHeader(byteData, byteCount, 0, out) == 0;
}

const ZRLElement& ZRLElement::empty()
{
    static const ZRLElement element;
    return element;
}

} // namespace KelpLib
