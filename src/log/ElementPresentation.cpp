// What an element shows of itself: its one-line description and the grid adapter of the
// details pane. Both are built from the element's bytes on every call; nothing is cached.
#include "log/ZRLElement.h"

#include "grid/IGrid.h"
#include "grid/SafeFormat.h"
#include "messages/ByteFormat.h"
#include "messages/KorvBuf.h"
#include "messages/KorvBufGridAdapter.h"
#include "messages/N183MsgGridAdapter.h"
#include "messages/N2KHeader.h"
#include "messages/ZRLElementGridAdapter.h"
#include "messages/ZRLFileVersion.h"

namespace KelpLib {

namespace {

constexpr MsgVariant kLastBemVariant = 1032;

bool isBem(MsgVariant variant) { return variant >= VariantBemCommand && variant <= kLastBemVariant; }

std::string hexOf(const KorvBuf& bytes) { return hexDump(bytes.data(), bytes.length(), nullptr, " "); }

std::string textOf(const KorvBuf& bytes) { return bytesAsText(bytes.data(), bytes.length()); }

// The summary line of an NMEA 2000 message. A header that does not decode gives the empty
// message (PGN 0, no payload), as the message class does.
// TODO(n2kmsg): use the NMEA 2000 message class's own summary line once it is on main.
std::string n2kSummaryLine(const KorvBuf& bytes)
{
    N2KMsg_s message;
    if (!bytes.buffer() || decodeN2KHeader(*bytes.buffer(), message) != 0)
        message = N2KMsg_s();
    return CommonLib::safeFormat("PGN %6d/0x%05X, Src: %u, Dst: %u, Pri: %u, Size: %u,  Data: ", static_cast<int>(message.pgn),
                                 message.pgn, message.source, message.destination, message.priority, message.length) +
           hexDump(message.data, message.length, nullptr, " ");
}

} // namespace

std::string ZRLElement::describe() const
{
    const MsgVariant effective = effectiveVariant();
    if (effective == VariantZrl) {
        if (length() && data()[0] == kZrlFileVersionTag)
            return CommonLib::safeFormat("ZRL File Version %.3f", zrlFileVersion(data(), length()));
        return "Unrecognised ZRL Tag type";
    }
    if (effective >= VariantN183 && effective <= VariantN183BadChar)
        return bytesAsText(data(), length());

    KorvBuf bytes;
    messageBytes(bytes);
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

std::shared_ptr<CommonLib::IGrid> ZRLElement::gridAdapter() const
{
    KorvBuf bytes;
    messageBytes(bytes);
    const MsgVariant effective = effectiveVariant();
    if (effective == VariantZrl)
        return std::make_shared<ZRLElementGridAdapter>(bytes, this);
    if (effective == VariantN183)
        return std::make_shared<N183MsgGridAdapter>(bytes, this);
    // TODO(n2kmsg): NMEA 2000 messages (1280), single CAN frames (1793) and BEM messages
    // (1024 to 1032) get adapters of their own message classes; until those are on main they
    // are shown as raw bytes.
    if (effective == VariantN2k || effective == VariantCanFrame || isBem(effective))
        return std::make_shared<KorvBufGridAdapter>(bytes);
    return std::make_shared<KorvBufGridAdapter>(bytes);
}

} // namespace KelpLib
