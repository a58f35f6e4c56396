#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace KelpLib {

// The kind of a log element. The numbers are the kinds' own (exports and logs name them).
enum class MsgVariant : std::uint16_t {
    Unknown = 0,
    Zrl = 256,
    N183 = 512,
    N183ChecksumError = 513,
    N183Truncated = 514,
    N183BadChar = 515,
    Bst = 768,
    Reboot = 769,
    BstControl = 770,
    BstBad = 771,
    BstChecksumError = 772,
    BemCommand = 1024,
    BemDebug = 1025,
    BemProgram = 1026,
    BemBoot = 1027,
    BemBootEnciphered = 1028,
    MdtControl = 1029,
    MdtData = 1030,
    BemN183 = 1031,
    N2k = 1280,
    Binary = 1536,
    Ascii = 1537,
    CanPacket = 1792,
    CanFrame = 1793,
    CanOther = 1794,
    // The message makes no element.
    Hidden = 65280,
};

// Every kind, in the order of the kind tables (log/MsgKinds.cpp and the presentation's), which
// check it at compile time.
inline constexpr MsgVariant allMsgVariants[] = {
    MsgVariant::Unknown, MsgVariant::Zrl, MsgVariant::N183, MsgVariant::N183ChecksumError, MsgVariant::N183Truncated,
    MsgVariant::N183BadChar, MsgVariant::Bst, MsgVariant::Reboot, MsgVariant::BstControl, MsgVariant::BstBad,
    MsgVariant::BstChecksumError, MsgVariant::BemCommand, MsgVariant::BemDebug, MsgVariant::BemProgram,
    MsgVariant::BemBoot, MsgVariant::BemBootEnciphered, MsgVariant::MdtControl, MsgVariant::MdtData,
    MsgVariant::BemN183, MsgVariant::N2k, MsgVariant::Binary, MsgVariant::Ascii, MsgVariant::CanPacket,
    MsgVariant::CanFrame, MsgVariant::CanOther, MsgVariant::Hidden,
};
inline constexpr std::size_t msgVariantCount = std::size(allMsgVariants);

// The kind's number.
constexpr std::uint32_t msgVariantNumber(MsgVariant variant) { return static_cast<std::uint32_t>(variant); }

namespace kindIndex {

// Every element looks its kind up: an index by number below 2048, made at compile time (the
// numbers of all kinds but Hidden lie there).
inline constexpr std::uint32_t indexedNumbers = 2048;
inline constexpr std::array<std::int8_t, indexedNumbers> rowByNumber = [] {
    std::array<std::int8_t, indexedNumbers> rows{};
    rows.fill(-1);
    for (std::size_t i = 0; i < msgVariantCount; ++i)
        if (msgVariantNumber(allMsgVariants[i]) < indexedNumbers)
            rows[msgVariantNumber(allMsgVariants[i])] = static_cast<std::int8_t>(i);
    return rows;
}();
static_assert(allMsgVariants[msgVariantCount - 1] == MsgVariant::Hidden, "Hidden, beyond the index, is the last kind");

// Raises std::out_of_range: "<lookup> unrecognised variant".
[[noreturn]] void unrecognised(const char* lookup);

} // namespace kindIndex

// The position of a kind in allMsgVariants; a number that is no kind raises std::out_of_range
// naming the lookup.
inline std::size_t msgVariantIndex(MsgVariant variant, const char* lookup)
{
    const std::uint32_t number = msgVariantNumber(variant);
    if (number < kindIndex::indexedNumbers && kindIndex::rowByNumber[number] >= 0)
        return static_cast<std::size_t>(kindIndex::rowByNumber[number]);
    if (variant == MsgVariant::Hidden)
        return msgVariantCount - 1;
    kindIndex::unrecognised(lookup);
}

// The groups that documents count elements by.
enum MsgVariantGroup : std::uint32_t {
    GroupUnknown = 0,
    GroupZrl = 1,
    GroupN183 = 2,
    GroupBst = 3,
    GroupN2k = 4,
    GroupCan = 5,
    GroupAscii = 6,
    GroupBinary = 7,
};

// What the bytes of a kind are read as.
enum class MsgFamily : std::uint8_t {
    None,     // nothing known
    Tag,      // a ZRL tag
    Sentence, // an NMEA 0183 sentence
    Bst,      // a BST message of no other family
    Bem,      // a BEM message, also one carried in PGN 126720 or a sentence
    Mdt,      // a BEM message of a mass data transfer
    N2k,      // an NMEA 2000 message
    Can,      // CAN frames
    Raw,      // bytes outside any frame
};

// Name, COLORREF colour, group and family of a kind; Hidden, and a number that is no kind,
// raise std::out_of_range naming the lookup.
const char* MsgVariantToString(MsgVariant variant);
std::uint32_t MsgVariantToColour(MsgVariant variant);
std::uint32_t MsgVariantToGroup(MsgVariant variant);
MsgFamily msgVariantFamily(MsgVariant variant);

// The kind of a BST message by its id byte.
MsgVariant bstIdToVariant(std::uint8_t id);

// What an element keeps of its classification: the first look at the bytes, the refined
// kind that lookups, counts and filters use, and the NMEA 2000 source address (else 0).
struct MsgVariantInfo {
    MsgVariant raw = MsgVariant::Unknown;
    MsgVariant effective = MsgVariant::Unknown;
    std::uint32_t source = 0;
};

} // namespace KelpLib
