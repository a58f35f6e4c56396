#pragma once
// BEM messages of mass data transfers (start, data block, end) and the setup of a
// sampled-data transfer, for tests and the demo log.
#include "support/ZrlWriter.h"

#include <cstdint>

namespace ZrlTest {

// A BEM message with the full 14-byte header: id, length, command, sub-key 1, model id (u16),
// serial id (u32), error code (i32), then the payload.
Bytes bemMessage(std::uint8_t id, std::uint8_t command, std::uint16_t model, std::uint32_t serial, std::int32_t error,
                 const Bytes& payload);

Bytes mdtStart(std::uint8_t transferId, std::uint8_t channelId, std::uint32_t size, const Bytes& setup, std::uint16_t model = 42);
Bytes mdtEnd(std::uint8_t transferId, std::uint8_t channelId, std::uint32_t size);
Bytes mdtData(std::uint8_t transferId, std::uint8_t channelId, std::uint32_t offset, const Bytes& data);

struct SampledSetup {
    std::uint64_t startTime = 0;
    std::uint32_t samplesTotal = 0;
    std::uint32_t samplePeriod = 0;
    std::int32_t rangeMin = 0;
    std::int32_t rangeMax = 0;
    std::uint8_t unitCode = 0;
    std::int8_t exponent = 0;
    std::uint8_t dataBitSize = 16;
    std::uint8_t sampleBitSize = 12;
    std::uint8_t channelId = 0;
    std::uint8_t hwAdcId = 0;
    std::uint8_t hwMuxId = 0;
    std::uint8_t ifeed = 0;
};
// Kind 4096 followed by the 40-byte sampled-data header.
Bytes sampledSetup(const SampledSetup& setup);

} // namespace ZrlTest
