#pragma once

#include <cstdint>

namespace KelpLib {

// The classification of a log element.
using MsgVariant = std::uint32_t;

enum MsgVariantValue : MsgVariant {
    VariantUnknown = 0,
    VariantZrl = 256,
    VariantN183 = 512,
    VariantN183ChecksumError = 513,
    VariantN183Truncated = 514,
    VariantN183BadChar = 515,
    VariantBst = 768,
    VariantReboot = 769,
    VariantBstControl = 770,
    VariantBstBad = 771,
    VariantBstChecksumError = 772,
    VariantBemCommand = 1024,
    VariantBemDebug = 1025,
    VariantBemProgram = 1026,
    VariantBemBoot = 1027,
    VariantBemBootEnciphered = 1028,
    VariantMdtControl = 1029,
    VariantMdtData = 1030,
    VariantBemN183 = 1031,
    VariantN2k = 1280,
    VariantCanPacket = 1792,
    VariantCanFrame = 1793,
    VariantCanOther = 1794,
    VariantBinary = 1536,
    VariantAscii = 1537,
    VariantHidden = 65280,
};

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

// Name, COLORREF colour and group of a variant; a variant not in use (65280 included) raises
// std::out_of_range naming the lookup.
const char* MsgVariantToString(MsgVariant variant);
std::uint32_t MsgVariantToColour(MsgVariant variant);
std::uint32_t MsgVariantToGroup(MsgVariant variant);

// The variant of a BST message by its id byte.
MsgVariant bstIdToVariant(std::uint8_t id);

// What an element keeps of its classification: the first look at the bytes, the refined
// variant that lookups, counts and filters use, and the NMEA 2000 source address (else 0).
struct MsgVariantInfo {
    MsgVariant raw = VariantUnknown;
    MsgVariant effective = VariantUnknown;
    std::uint32_t source = 0;
};

} // namespace KelpLib
