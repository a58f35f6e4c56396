// What an element shows of itself: its one-line description and the grid adapter of the
// details pane. Both are built from the element's bytes on every call; nothing is cached.
#include "presentation/ElementPresentation.h"

#include "log/ZRLElement.h"

#include "grid/IGrid.h"
#include "common/SafeFormat.h"
#include "presentation/BST95MsgGridAdapter.h"
#include "messages/BemMsgGridAdapter.h"
#include "common/ByteFormat.h"
#include "messages/KorvBuf.h"
#include "messages/KorvBufGridAdapter.h"
#include "presentation/N183MsgGridAdapter.h"
#include "messages/N2KMsg.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "messages/ZRLElementGridAdapter.h"
#include "messages/ZRLFileVersion.h"

namespace KelpLib {

namespace {

std::string hexOf(const KorvBuf& bytes) { return hexDump(bytes.data(), bytes.length(), nullptr, " "); }

std::string textOf(const KorvBuf& bytes) { return bytesAsText(bytes.data(), bytes.length()); }

// The summary line of the NMEA 2000 message made from the bytes; a header that does not
// decode gives the empty message's line (PGN 0, no payload).
std::string n2kSummaryLine(const KorvBuf& bytes)
{
    static const ByteBuffer none;
    return N2KMsg(bytes.buffer() ? *bytes.buffer() : none).summary();
}

} // namespace

std::string describeElement(const ZRLElement& element)
{
    const MsgVariant effective = element.effectiveVariant();
    if (effective == VariantZrl) {
        if (element.length() && element.data()[0] == kZrlFileVersionTag)
            return CommonLib::safeFormat("ZRL File Version %.3f", zrlFileVersion(element.data(), element.length()));
        return "Unrecognised ZRL Tag type";
    }
    if (effective >= VariantN183 && effective <= VariantN183BadChar)
        return bytesAsText(element.data(), element.length());

    KorvBuf bytes;
    element.messageBytes(bytes);
    switch (effective) {
    case VariantN2k: return n2kSummaryLine(bytes);
    case VariantAscii: return textOf(bytes);
    case VariantReboot:
    case VariantBemCommand:
    case VariantBemDebug:
    case VariantBemProgram:
    case VariantBemBoot:
    case VariantBemBootEnciphered:
    case VariantBemN183:
    case VariantBinary: return hexOf(bytes);
    case VariantBst: return "Raw Unrecognised BST Data: " + hexOf(bytes);
    default: return "Unknown Message....!";
    }
}

std::shared_ptr<CommonLib::IGrid> elementGrid(const ZRLElement& element)
{
    KorvBuf bytes;
    element.messageBytes(bytes);
    const MsgVariant effective = element.effectiveVariant();
    if (effective == VariantZrl)
        return std::make_shared<ZRLElementGridAdapter>(bytes, &element);
    if (effective == VariantN183)
        return std::make_shared<N183MsgGridAdapter>(bytes, &element);
    if (effective == VariantN2k)
        return std::make_shared<N2KMsgGridAdapter>(bytes, &element);
    if (effective == VariantCanFrame)
        return std::make_shared<BST95MsgGridAdapter>(bytes, &element);
    if (effective >= VariantBemCommand && effective <= 1032)
        return std::make_shared<BemMsgGridAdapter>(bytes);
    return std::make_shared<KorvBufGridAdapter>(bytes);
}

} // namespace KelpLib
