#include "log/MsgKinds.h"

#include "log/ElementListText.h"
#include "log/MessageBytes.h"

#include <stdexcept>

namespace KelpLib {

namespace {

using enum MsgVariant;
constexpr std::array<std::uint8_t, 6> none{};

} // namespace

// Constant data: nothing to fill at run time, so concurrent first use is safe.
constexpr MsgKind msgKinds[msgVariantCount] = {
    // kind, name, colour, group, family, BST ids, engineering, list text, message bytes
    {Unknown, "UNKNOWN", 0x00FFFF, GroupUnknown, MsgFamily::None, none, false, rawListText, ownMessageBytes},
    {Zrl, "ZRL", 0x13458B, GroupZrl, MsgFamily::Tag, none, false, rawListText, ownMessageBytes},
    {N183, "N183", 0x000000, GroupN183, MsgFamily::Sentence, none, false, sentenceListText, ownMessageBytes},
    {N183ChecksumError, "N183XC", 0x0000FF, GroupN183, MsgFamily::Sentence, none, false, sentenceListText, ownMessageBytes},
    {N183Truncated, "N183Trunc", 0x0000FF, GroupN183, MsgFamily::Sentence, none, false, sentenceListText, ownMessageBytes},
    {N183BadChar, "N183BadChar", 0x0000FF, GroupN183, MsgFamily::Sentence, none, false, sentenceListText, ownMessageBytes},
    {Bst, "BST", 0x6030B0, GroupBst, MsgFamily::Bst, none, false, rawListText, n2kCarriedMessageBytes},
    {Reboot, "REBOOT", 0xA000A0, GroupBst, MsgFamily::Bst, {0x11}, true, rawListText, n2kCarriedMessageBytes},
    {BstControl, "BSTCTRL", 0x000000, GroupBst, MsgFamily::Bst, none, false, rawListText, n2kCarriedMessageBytes},
    {BstBad, "BSTBAD", 0x0000FF, GroupBst, MsgFamily::Bst, none, false, rawListText, n2kCarriedMessageBytes},
    {BstChecksumError, "!BSTXC", 0x0000FF, GroupBst, MsgFamily::Bst, none, false, rawListText, n2kCarriedMessageBytes},
    {BemCommand, "BEMCMD", 0x008000, GroupBst, MsgFamily::Bem, {0xA0, 0xA1}, false, bemListText, bemMessageBytes},
    {BemDebug, "BEMDBG", 0x008000, GroupBst, MsgFamily::Bem, {0xA2}, true, bemListText, bemMessageBytes},
    {BemProgram, "BEMPRG", 0x008000, GroupBst, MsgFamily::Bem, {0xA3, 0xA4}, true, bemListText, bemMessageBytes},
    {BemBoot, "BEMBOOT", 0x008000, GroupBst, MsgFamily::Bem, {0xA5, 0xA6}, true, bemListText, bemMessageBytes},
    {BemBootEnciphered, "BEMBOOT", 0x008000, GroupBst, MsgFamily::Bem, {0xA7, 0xA8}, true, bemListText, bemMessageBytes},
    {MdtControl, "MDTCTL", 0xFF0000, GroupBst, MsgFamily::Mdt, {0xA9}, false, bemListText, bemMessageBytes},
    {MdtData, "MDTDATA", 0x800000, GroupBst, MsgFamily::Mdt, {0xC0}, false, bemListText, bemMessageBytes},
    {BemN183, "BEMN183", 0xA000A0, GroupBst, MsgFamily::Bem, none, false, bemListText, bemMessageBytes},
    {N2k, "N2K", 0x000000, GroupN2k, MsgFamily::N2k, {0x90, 0x91, 0x92, 0x93, 0x94, 0xD0}, false, n2kListText, ownMessageBytes},
    {Binary, "BINARY", 0xD30094, GroupBinary, MsgFamily::Raw, none, false, rawListText, ownMessageBytes},
    {Ascii, "ASCII", 0xD30094, GroupAscii, MsgFamily::Raw, none, false, rawListText, ownMessageBytes},
    {CanPacket, "CANPACKET", 0x008CFF, GroupCan, MsgFamily::Can, {0x96}, false, rawListText, ownMessageBytes},
    // A single CAN frame reads like a message in the list.
    {CanFrame, "CANPACKET", 0x008CFF, GroupCan, MsgFamily::Can, {0x95}, false, n2kListText, ownMessageBytes},
    {CanOther, "CANPACKET", 0x008CFF, GroupCan, MsgFamily::Can, none, false, rawListText, ownMessageBytes},
    {Hidden, nullptr, 0, GroupUnknown, MsgFamily::None, none, false, rawListText, ownMessageBytes},
};

namespace {

constexpr bool everyKindHasItsRow()
{
    if (std::size(msgKinds) != msgVariantCount)
        return false;
    for (std::size_t i = 0; i < msgVariantCount; ++i)
        if (msgKinds[i].variant != allMsgVariants[i])
            return false;
    return true;
}
static_assert(everyKindHasItsRow(), "one row per kind, in the order of allMsgVariants");

constexpr std::array<MsgVariant, 256> kindByBstId = [] {
    std::array<MsgVariant, 256> byId{};
    byId.fill(Bst);
    for (const MsgKind& kind : msgKinds)
        for (std::uint8_t id : kind.bstIds)
            if (id != 0)
                byId[id] = kind.variant;
    return byId;
}();

const MsgKind& namedKind(MsgVariant variant, const char* lookup)
{
    const MsgKind& kind = msgKind(variant, lookup);
    if (kind.name == nullptr)
        kindIndex::unrecognised(lookup);
    return kind;
}

} // namespace

void kindIndex::unrecognised(const char* lookup) { throw std::out_of_range(std::string(lookup) + " unrecognised variant"); }

const char* MsgVariantToString(MsgVariant variant) { return namedKind(variant, "MsgVariantToString").name; }

std::uint32_t MsgVariantToColour(MsgVariant variant) { return namedKind(variant, "MsgVariantToColour").colour; }

std::uint32_t MsgVariantToGroup(MsgVariant variant) { return namedKind(variant, "MsgVariantToGroup").group; }

MsgFamily msgVariantFamily(MsgVariant variant) { return msgKind(variant, "msgVariantFamily").family; }

MsgVariant bstIdToVariant(std::uint8_t id) { return kindByBstId[id]; }

} // namespace KelpLib
