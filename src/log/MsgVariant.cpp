#include "log/MsgVariant.h"

#include <stdexcept>

namespace KelpLib {

namespace {

struct VariantRecord {
    MsgVariant variant;
    const char* name;
    std::uint32_t colour;
    std::uint32_t group;
};

// Constant data: nothing to fill at run time, so concurrent first use is safe.
constexpr VariantRecord variants[] = {
    {VariantUnknown, "UNKNOWN", 0x00FFFF, GroupUnknown},
    {VariantZrl, "ZRL", 0x13458B, GroupZrl},
    {VariantN183, "N183", 0x000000, GroupN183},
    {VariantN183ChecksumError, "N183XC", 0x0000FF, GroupN183},
    {VariantN183Truncated, "N183Trunc", 0x0000FF, GroupN183},
    {VariantN183BadChar, "N183BadChar", 0x0000FF, GroupN183},
    {VariantBst, "BST", 0x6030B0, GroupBst},
    {VariantReboot, "REBOOT", 0xA000A0, GroupBst},
    {VariantBstControl, "BSTCTRL", 0x000000, GroupBst},
    {VariantBstBad, "BSTBAD", 0x0000FF, GroupBst},
    {VariantBstChecksumError, "!BSTXC", 0x0000FF, GroupBst},
    {VariantBemCommand, "BEMCMD", 0x008000, GroupBst},
    {VariantBemDebug, "BEMDBG", 0x008000, GroupBst},
    {VariantBemProgram, "BEMPRG", 0x008000, GroupBst},
    {VariantBemBoot, "BEMBOOT", 0x008000, GroupBst},
    {VariantBemBootEnciphered, "BEMBOOT", 0x008000, GroupBst},
    {VariantMdtControl, "MDTCTL", 0xFF0000, GroupBst},
    {VariantMdtData, "MDTDATA", 0x800000, GroupBst},
    {VariantBemN183, "BEMN183", 0xA000A0, GroupBst},
    {VariantN2k, "N2K", 0x000000, GroupN2k},
    {VariantCanPacket, "CANPACKET", 0x008CFF, GroupCan},
    {VariantCanFrame, "CANPACKET", 0x008CFF, GroupCan},
    {VariantCanOther, "CANPACKET", 0x008CFF, GroupCan},
    {VariantBinary, "BINARY", 0xD30094, GroupBinary},
    {VariantAscii, "ASCII", 0xD30094, GroupAscii},
};

const VariantRecord& recordOf(MsgVariant variant, const char* lookup)
{
    for (const VariantRecord& record : variants)
        if (record.variant == variant)
            return record;
    throw std::out_of_range(std::string(lookup) + " unrecognised variant");
}

} // namespace

const char* MsgVariantToString(MsgVariant variant) { return recordOf(variant, "MsgVariantToString").name; }

std::uint32_t MsgVariantToColour(MsgVariant variant) { return recordOf(variant, "MsgVariantToColour").colour; }

std::uint32_t MsgVariantToGroup(MsgVariant variant)
{
    // The hot path of every load: the common variants first.
    switch (variant) {
    case VariantN2k: return GroupN2k;
    case VariantCanFrame: return GroupCan;
    case VariantN183: return GroupN183;
    default: return recordOf(variant, "MsgVariantToGroup").group;
    }
}

MsgVariant bstIdToVariant(std::uint8_t id)
{
    switch (id) {
    case 0x11: return VariantReboot;
    case 0x90: case 0x91: case 0x92: case 0x93: case 0x94: case 0xD0: return VariantN2k;
    case 0x95: return VariantCanFrame;
    case 0x96: return VariantCanPacket;
    case 0xA0: case 0xA1: return VariantBemCommand;
    case 0xA2: return VariantBemDebug;
    case 0xA3: case 0xA4: return VariantBemProgram;
    case 0xA5: case 0xA6: return VariantBemBoot;
    case 0xA7: case 0xA8: return VariantBemBootEnciphered;
    case 0xA9: return VariantMdtControl;
    case 0xC0: return VariantMdtData;
    default: return VariantBst;
    }
}

} // namespace KelpLib
