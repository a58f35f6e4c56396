// The MDT files of the raw export: one row per completed sampled-data transfer.
#include "export/ZRLDocExport.h"

#include "log/ZRLDoc.h"
#include "log/ZRLElement.h"
#include "messages/KorvBuf.h"

#include <cstdio>
#include <cstring>

namespace KelpLib {

namespace {

const char* const lineEnd = "\r\n";
const char* const mdtHeader = "Line,data_type,model_id,"
                              "start_time,channel_id,channel_name, sample_period,samples_total,"
                              "range_min,range_max,range_offset,range_units,"
                              "data_bit_size,sample_bit_size,hw_adc_id,hw_mux_id,ifeed";
constexpr std::uint32_t sampledDataKind = 4096;
constexpr std::size_t setupHeaderSize = 4 + 40;

const char* const channelNames[] = {
    "CHAN_VIN",      "CHAN_VTEMP",    "CHAN_VREF",   "CHAN_SPARE",  "CHAN_TACH1",    "CHAN_TACH2",    "CHAN_ALARM1",
    "CHAN_ALARM2",   "CHAN_ALARM3",   "CHAN_ALARM4", "CHAN_AUX1",   "CHAN_AUX2",     "CHAN_MUXI_0V0", "CHAN_MUXI_3V3",
    "CHAN_MUXI_1",   "CHAN_MUXI_2",   "CHAN_MUXI_3", "CHAN_MUXI_4", "CHAN_MUXI_5",   "CHAN_MUXI_6",   "CHAN_MUXV_0V0",
    "CHAN_MUXV_3V3", "CHAN_MUXV_1",   "CHAN_MUXV_2", "CHAN_MUXV_3", "CHAN_MUXV_4",   "CHAN_MUXV_5",   "CHAN_MUXV_6",
};

template <typename T> T readAt(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    T value{};
    std::memcpy(&value, bytes.data() + at, sizeof value); // little-endian on every supported machine
    return value;
}

// The header of a sampled-data transfer, read from its setup bytes.
struct SampledHeader {
    std::uint64_t startTime;
    std::uint32_t samplesTotal;
    std::uint32_t samplePeriod;
    std::int32_t rangeMin;
    std::int32_t rangeMax;
    std::uint8_t unitCode;
    std::int8_t exponent;
    std::uint8_t dataBitSize;
    std::uint8_t sampleBitSize;
    std::uint8_t channelId;
    std::uint8_t hwAdcId;
    std::uint8_t hwMuxId;
    std::uint8_t ifeed;
};

SampledHeader readSampledHeader(const std::vector<std::uint8_t>& s)
{
    return {readAt<std::uint64_t>(s, 4),  readAt<std::uint32_t>(s, 12), readAt<std::uint32_t>(s, 16),
            readAt<std::int32_t>(s, 20),  readAt<std::int32_t>(s, 24),  s[32],
            static_cast<std::int8_t>(s[33]), s[34], s[35], s[36], s[37], s[38], s[39]};
}

std::uint32_t mdtFileKey(const SampledHeader& h)
{
    if (h.hwAdcId == 1)
        return 2;
    if (h.hwAdcId == 0 && (h.channelId == 4 || h.channelId == 5))
        return 1;
    return 0;
}

const char* errorText(std::int32_t code)
{
    switch (code) {
    case -2599: return "MDT transfer error on ID = %u error = %d (ES25_BadTransferredDataSize)";
    case -2597: return "MDT transfer error on ID = %u error = %d (ES25_ChannelIDDoesNotMatch)";
    case -2596: return "MDT transfer error on ID = %u error = %d (ES25_TransferIDDoesNotMatch)";
    case -2594: return "MDT transfer error on ID = %u error = %d (ES25_BadEOTMDTDataSize)";
    default: return "MDT transfer error on ID = %u error = %d";
    }
}

} // namespace

std::ostream& ZRLDocExport::mdtStream(std::uint32_t key)
{
    return stream(key, "." + std::to_string(key) + ".mdt.csv", mdtHeader);
}

void ZRLDocExport::onTransferError(std::uint8_t transferId, std::int32_t code)
{
    char text[128];
    std::snprintf(text, sizeof text, errorText(code), unsigned(transferId), int(code));
    for (std::uint32_t key = 0; key < 3; ++key)
        mdtStream(key) << text << lineEnd << std::flush;
}

void ZRLDocExport::onTransferComplete(std::uint8_t transferId)
{
    const std::unique_ptr<MDT_Deserialiser> transfer = mdt.takeTransfer(transferId);
    // A setup too short for the sampled-data header is no sampled-data transfer.
    if (transfer && transfer->setup.size() >= setupHeaderSize && readAt<std::uint32_t>(transfer->setup, 0) == sampledDataKind)
        writeMdtRow(*transfer);
}

void ZRLDocExport::writeMdtRow(const MDT_Deserialiser& transfer)
{
    const SampledHeader h = readSampledHeader(transfer.setup);
    std::string row;
    char text[160];
    std::snprintf(text, sizeof text, "%u,MDTSamples,%u,%.0lf,%u,", mdtLine++, transfer.header.modelId, double(h.startTime) / 10000.0,
                  unsigned(h.channelId));
    row += text;
    row += h.channelId < std::size(channelNames) ? std::string("ChannelsTAV1::") + channelNames[h.channelId]
                                                 : std::string("Error-unexpected tav channel!");
    std::snprintf(text, sizeof text, ",%u,%u,", h.samplePeriod, h.samplesTotal);
    row += text;
    double scale = 1.0;
    if (h.exponent >= -8 && h.exponent <= -1)
        for (int i = 0; i < -h.exponent; ++i)
            scale *= 10.0;
    std::snprintf(text, sizeof text, "%lf,%lf,%lf,", h.rangeMin / scale, h.rangeMax / scale, 0.0);
    row += text;
    static const char* const units[] = {"Volts,", "Amps,", "Ohms,", "hz,"};
    if (h.unitCode < 4)
        row += units[h.unitCode];
    std::snprintf(text, sizeof text, "%u,%u,%u,%u,%u,", unsigned(h.dataBitSize), unsigned(h.sampleBitSize), unsigned(h.hwAdcId),
                  unsigned(h.hwMuxId), unsigned(h.ifeed));
    row += text;
    if (h.dataBitSize == 16) {
        // Never past the data received, whatever the header claims.
        const std::uint32_t samples = std::min<std::uint32_t>({h.samplesTotal, maxSamplesPerRow,
                                                               static_cast<std::uint32_t>(transfer.data.size() / 2)});
        for (std::uint32_t i = 0; i < samples; ++i)
            row += std::to_string(transfer.data[2 * i] | transfer.data[2 * i + 1] << 8) + ",";
    }
    mdtStream(mdtFileKey(h)) << row << lineEnd << std::flush;
}

void ZRLDocExport::exportMdt()
{
    mdtLine = 0;
    mdt.addObserver(this);
    for (std::size_t i = 0; i < document.elementCount(); ++i) {
        const ZRLElement& element = document.element(ElementLine(i));
        const MsgVariant variant = element.effectiveVariant();
        if (variant != VariantMdtControl && variant != VariantMdtData)
            continue;
        // The BEM message itself, also when it travelled inside a proprietary PGN.
        KorvBuf bytes;
        element.messageBytes(bytes);
        const std::uint8_t* message = bytes.data();
        const std::uint32_t length = bytes.length();
        if (variant == VariantMdtControl && length > 2 && message[2] == 0) {
            MDTStartRecord_s start;
            if (decodeMdtStart(message, length, start) == 0)
                mdt.startTransfer(start);
        } else if (variant == VariantMdtControl && length > 2 && message[2] == 1) {
            MDTEndRecord_s end;
            if (decodeMdtEnd(message, length, end) == 0)
                mdt.endTransfer(end);
        } else if (variant == VariantMdtData) {
            MDTDataRecord_s block;
            if (decodeMdtData(message, length, block) == 0)
                mdt.addDataBlock(block);
        }
    }
    closeStreams();
    mdt.removeObserver(this);
}

} // namespace KelpLib
