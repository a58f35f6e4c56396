#pragma once

#include <cstdint>
#include <vector>

namespace KelpLib {

// The BEM header fields a mass data transfer keeps from its start message.
struct MDTHeader_s {
    std::uint32_t key = 0; // BST id * 256 + BEM command byte
    std::uint32_t modelId = 0;
    std::uint32_t serialId = 0;
    std::int32_t errorCode = 0;
};

struct MDTStartRecord_s {
    MDTHeader_s header;
    std::uint8_t transferId = 0;
    std::uint8_t channelId = 0;
    std::uint8_t byte2 = 0;
    std::uint32_t size = 0;
    std::uint8_t byte7 = 0;
    std::uint8_t byte8 = 0;
    std::vector<std::uint8_t> setup;
};

struct MDTEndRecord_s {
    MDTHeader_s header;
    std::uint8_t transferId = 0;
    std::uint8_t channelId = 0;
    std::uint32_t size = 0;
    std::uint32_t word = 0;
};

struct MDTDataRecord_s {
    std::uint8_t transferId = 0;
    std::uint8_t channelId = 0;
    std::uint32_t offset = 0;
    const std::uint8_t* data = nullptr; // inside the message decoded
    std::uint32_t length = 0;
};

// The largest transfer a start record may announce: a hostile size must not make the
// container allocate without bound.
constexpr std::uint32_t mdtLargestTransfer = 64u << 20;

// Decoders of the three MDT messages: 0 on success, -1137 ("Message is not a valid BST-BEM
// message") for a wrong id or length, -1140 ("Comms Library Decode Bad Data!") for a payload
// of the wrong size (and for a start announcing more than mdtLargestTransfer bytes).
std::int32_t decodeMdtStart(const std::uint8_t* message, std::uint32_t length, MDTStartRecord_s& out);
std::int32_t decodeMdtEnd(const std::uint8_t* message, std::uint32_t length, MDTEndRecord_s& out);
std::int32_t decodeMdtData(const std::uint8_t* message, std::uint32_t length, MDTDataRecord_s& out);

} // namespace KelpLib
