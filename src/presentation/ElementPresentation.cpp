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

using DescribeFn = std::string (*)(const ZRLElement& element);
using GridFn = std::shared_ptr<CommonLib::IGrid> (*)(const ZRLElement& element);

// The presentation's half of a kind's row (log/MsgKinds.cpp holds the rest).
struct KindPresentation {
    MsgVariant variant;
    DescribeFn describe;
    GridFn grid;
};

KorvBuf messageBytesOf(const ZRLElement& element)
{
    KorvBuf bytes;
    element.messageBytes(bytes);
    return bytes;
}

std::string hexOf(const ZRLElement& element)
{
    const KorvBuf bytes = messageBytesOf(element);
    return hexDump(bytes.data(), bytes.length(), nullptr, " ");
}

std::string unknownMessage(const ZRLElement&) { return "Unknown Message....!"; }

std::string zrlTagText(const ZRLElement& element)
{
    if (element.length() && element.data()[0] == kZrlFileVersionTag)
        return CommonLib::safeFormat("ZRL File Version %.3f", zrlFileVersion(element.data(), element.length()));
    return "Unrecognised ZRL Tag type";
}

std::string sentenceText(const ZRLElement& element) { return bytesAsText(element.data(), element.length()); }

std::string bstText(const ZRLElement& element) { return "Raw Unrecognised BST Data: " + hexOf(element); }

// The summary line of the NMEA 2000 message made from the bytes; a header that does not
// decode gives the empty message's line (PGN 0, no payload).
std::string n2kSummaryLine(const ZRLElement& element)
{
    static const ByteBuffer none;
    const KorvBuf bytes = messageBytesOf(element);
    return N2KMsg(bytes.buffer() ? *bytes.buffer() : none).summary();
}

std::string asciiText(const ZRLElement& element)
{
    const KorvBuf bytes = messageBytesOf(element);
    return bytesAsText(bytes.data(), bytes.length());
}

template <class Adapter>
std::shared_ptr<CommonLib::IGrid> elementAdapter(const ZRLElement& element)
{
    return std::make_shared<Adapter>(messageBytesOf(element), &element);
}

template <class Adapter>
std::shared_ptr<CommonLib::IGrid> bytesAdapter(const ZRLElement& element)
{
    return std::make_shared<Adapter>(messageBytesOf(element));
}

using enum MsgVariant;
constexpr GridFn bytesGrid = bytesAdapter<KorvBufGridAdapter>;
constexpr GridFn bemGrid = bytesAdapter<BemMsgGridAdapter>;

constexpr KindPresentation kinds[] = {
    {Unknown, unknownMessage, bytesGrid},
    {Zrl, zrlTagText, elementAdapter<ZRLElementGridAdapter>},
    {N183, sentenceText, elementAdapter<N183MsgGridAdapter>},
    {N183ChecksumError, sentenceText, bytesGrid},
    {N183Truncated, sentenceText, bytesGrid},
    {N183BadChar, sentenceText, bytesGrid},
    {Bst, bstText, bytesGrid},
    {Reboot, hexOf, bytesGrid},
    {BstControl, unknownMessage, bytesGrid},
    {BstBad, unknownMessage, bytesGrid},
    {BstChecksumError, unknownMessage, bytesGrid},
    {BemCommand, hexOf, bemGrid},
    {BemDebug, hexOf, bemGrid},
    {BemProgram, hexOf, bemGrid},
    {BemBoot, hexOf, bemGrid},
    {BemBootEnciphered, hexOf, bemGrid},
    {MdtControl, unknownMessage, bemGrid},
    {MdtData, unknownMessage, bemGrid},
    {BemN183, hexOf, bemGrid},
    {N2k, n2kSummaryLine, elementAdapter<N2KMsgGridAdapter>},
    {Binary, hexOf, bytesGrid},
    {Ascii, asciiText, bytesGrid},
    {CanPacket, unknownMessage, bytesGrid},
    {CanFrame, unknownMessage, elementAdapter<BST95MsgGridAdapter>},
    {CanOther, unknownMessage, bytesGrid},
    {Hidden, unknownMessage, bytesGrid},
};

constexpr bool everyKindHasItsRow()
{
    if (std::size(kinds) != msgVariantCount)
        return false;
    for (std::size_t i = 0; i < msgVariantCount; ++i)
        if (kinds[i].variant != allMsgVariants[i])
            return false;
    return true;
}
static_assert(everyKindHasItsRow(), "one row per kind, in the order of allMsgVariants");

const KindPresentation& presentationOf(const ZRLElement& element, const char* lookup)
{
    return kinds[msgVariantIndex(element.effectiveVariant(), lookup)];
}

} // namespace

std::string describeElement(const ZRLElement& element) { return presentationOf(element, "describeElement").describe(element); }

std::shared_ptr<CommonLib::IGrid> elementGrid(const ZRLElement& element) { return presentationOf(element, "elementGrid").grid(element); }

} // namespace KelpLib
