#include "support/MdtMessages.h"

namespace ZrlTest {

namespace {

template <typename T> void put(Bytes& out, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i)));
}

} // namespace

Bytes bemMessage(std::uint8_t id, std::uint8_t command, std::uint16_t model, std::uint32_t serial, std::int32_t error,
                 const Bytes& payload)
{
    Bytes m = {id, static_cast<std::uint8_t>(12 + payload.size()), command, 1};
    put(m, model);
    put(m, serial);
    put(m, static_cast<std::uint32_t>(error));
    m.insert(m.end(), payload.begin(), payload.end());
    return m;
}

Bytes mdtStart(std::uint8_t transferId, std::uint8_t channelId, std::uint32_t size, const Bytes& setup, std::uint16_t model)
{
    Bytes payload = {transferId, channelId, 0};
    put(payload, size);
    payload.push_back(0);
    payload.push_back(0);
    payload.insert(payload.end(), setup.begin(), setup.end());
    return bemMessage(0xA9, 0x00, model, 1234567, 0, payload);
}

Bytes mdtEnd(std::uint8_t transferId, std::uint8_t channelId, std::uint32_t size)
{
    Bytes payload = {transferId, channelId};
    put(payload, size);
    put(payload, std::uint32_t(0));
    return bemMessage(0xA9, 0x01, 42, 1234567, 0, payload);
}

Bytes mdtData(std::uint8_t transferId, std::uint8_t channelId, std::uint32_t offset, const Bytes& data)
{
    Bytes m = {0xC0, static_cast<std::uint8_t>(6 + data.size()), transferId, channelId};
    put(m, offset);
    m.insert(m.end(), data.begin(), data.end());
    return m;
}

Bytes sampledSetup(const SampledSetup& s)
{
    Bytes out;
    put(out, std::uint32_t(4096));
    put(out, s.startTime);
    put(out, s.samplesTotal);
    put(out, s.samplePeriod);
    put(out, static_cast<std::uint32_t>(s.rangeMin));
    put(out, static_cast<std::uint32_t>(s.rangeMax));
    put(out, std::uint32_t(0));
    out.insert(out.end(), {s.unitCode, static_cast<std::uint8_t>(s.exponent), s.dataBitSize, s.sampleBitSize, s.channelId,
                           s.hwAdcId, s.hwMuxId, s.ifeed, 0, 0, 0, 0});
    return out;
}

} // namespace ZrlTest
