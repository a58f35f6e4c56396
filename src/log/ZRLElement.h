#pragma once

#include "log/ElementTime.h"
#include "log/MsgVariant.h"
#include "common/ByteBuffer.h"
#include "messages/IMessageCollection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace CommonLib {
class IGrid;
}

namespace KelpLib {

class KorvBuf;
class N2KMsg;
struct N2KHeaderView;

// One item of a log: the parser's clock when it was made, its classification and a private
// copy of its bytes. It does not change once the parser has finished with it.
class ZRLElement : public CommonLib::IMessageCollection {
public:
    // flags: an NMEA 2000 message assembled from CAN frames, and a CAN frame that went into one.
    static constexpr std::uint8_t assembledFromCan = 1u << 0;
    static constexpr std::uint8_t canFrameOfAssembly = 1u << 1;

    ZRLElement() = default;
    ZRLElement(const ElementTime& time, const MsgVariantInfo& variant);
    ZRLElement(const ElementTime& time, MsgVariant variant);
    ~ZRLElement() override;
    ZRLElement(const ZRLElement&) = delete;
    ZRLElement& operator=(const ZRLElement&) = delete;

    std::string key() const override;
    // A new KorvBuf holding a copy of the bytes.
    std::shared_ptr<KorvBuf> raw() const override;
    // The "Timestamp" cell takes the time colour.
    bool cellColour(const std::string& columnName, CommonLib::GridCellTraits& cell) const override;

    // Copies the bytes into storage of the element's own.
    void setBytes(std::uint32_t count, const std::uint8_t* bytes);
    // Points at bytes kept by the caller (the document's byte arena), which must outlive the
    // element.
    void borrowBytes(std::uint32_t count, const std::uint8_t* bytes);
    // A view of the bytes (not owning).
    ByteBuffer bytes() const;
    const std::uint8_t* data() const { return byteData; }
    std::uint32_t length() const { return byteCount; }
    // The byte, or 0 past the end.
    std::uint8_t byteAt(std::uint32_t index) const { return index < byteCount ? byteData[index] : 0; }

    // The element's time as the parser's clock stood, with its offset folded into the base
    // (the element keeps only the time it shows).
    ElementTime time() const;
    MsgVariantInfo variant() const { return {rawVariant(), effectiveVariant(), sourceAddress}; }
    MsgVariant effectiveVariant() const { return static_cast<MsgVariant>(effectiveVariantValue); }
    MsgVariant rawVariant() const { return static_cast<MsgVariant>(rawVariantValue); }

    std::uint8_t flags() const { return elementFlags; }
    void setFlags(std::uint8_t flags) { elementFlags = flags; }
    std::uint32_t pgn() const { return elementPgn; }
    void setPgn(std::uint32_t pgn) { elementPgn = pgn & 0x1FFFFFFF; }

    std::string timeText() const { return time().text(); }
    std::uint32_t timeColour() const { return time().colour(); }
    std::string typeText() const { return MsgVariantToString(effectiveVariant()); }
    std::uint32_t colour() const { return MsgVariantToColour(effectiveVariant()); }
    std::uint32_t group() const { return MsgVariantToGroup(effectiveVariant()); }
    // "N2K::%u" with the source address for NMEA 2000 messages, else "LOCAL".
    std::string sourceText() const;

    // The bytes the message class of the effective kind reads (the kind's row says how): the
    // BEM message inside PGN 126720 or inside a "!PQRDB" sentence, else a copy of the
    // element's bytes.
    void messageBytes(KorvBuf& out) const;

    // The NMEA 2000 message the element stands for: an N2K element, or a CAN frame that did not
    // go into a fast-packet assembly (its single frame is the whole message). False otherwise,
    // leaving out untouched.
    bool n2kMessage(N2KMsg& out) const;
    // The same message's header and payload, viewed in place: false for elements that stand for
    // no NMEA 2000 message and for a header that does not decode.
    bool n2kHeader(N2KHeaderView& out) const;
    // True for the elements n2kMessage decodes.
    bool standsForN2kMessage() const;

    // An element with no bytes and no time.
    static const ZRLElement& empty();

private:
    void releaseOwnBytes();

    // A log holds millions of elements: the layout is kept to 40 bytes (variants fit 16 bits, a
    // source address 8, the time one 64-bit FILETIME), and the bytes usually live in the
    // document's arena.
    const std::uint8_t* byteData = nullptr;
    std::uint64_t shownTime = 0; // base + 10 x offset, or all ones when that overflows
    std::uint32_t byteCount = 0;
    std::uint32_t elementPgn : 29 = 0;
    std::uint32_t ownsBytes : 1 = 0;
    std::uint32_t hasTime : 1 = 0;
    std::uint16_t sequence = 0;
    std::uint16_t rawVariantValue = 0;
    std::uint16_t effectiveVariantValue = 0;
    std::uint8_t sourceAddress = 0;
    std::uint8_t elementFlags = 0;
};

} // namespace KelpLib
