#include "ExportedLog.h"
#include "export/ZRLDocExport.h"
#include "support/MdtMessages.h"
#include "support/N2kPayloads.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ZrlTest;

namespace {

const std::uint64_t noon = fileTimeUtc(2024, 1, 1, 12, 0, 0);

} // namespace

TEST(ZRLDocExport, RawNmea2000AndSentenceFiles)
{
    ZrlWriter log;
    log.timestamp(noon)
        .bstFrame(bst93(6, 59904, 255, 35, 0, {0x00, 0xEE, 0x00}))
        .bstFrame(bst93(2, 127250, 255, 35, 0, {1, 2, 3, 4, 5, 6, 7, 8}))
        .sentenceWithChecksum("$GPGGA,1")
        .sentence("$GPGGA,1*00");
    ExportedLog e(log);
    EXPECT_EQ(e.exportLog("out.csv"), (std::vector<std::string>{"Exporting 4 messages", "Exported to " + e.dir + "/out.n2k.csv",
                                                                "Exported to " + e.dir + "/out.n183.csv"}));
    EXPECT_EQ(e.file("out.n2k.csv"),
              "Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,Data\r\n"
              "0,12:00:00.000,N2K, 59904,\"ISO Request\",35,255,6,3,0,238,0,\r\n"
              "1,12:00:00.000,N2K,127250,\"Vessel Heading\",35,255,2,8,1,2,3,4,5,6,7,8,\r\n");
    EXPECT_EQ(e.file("out.n183.csv"), "12:00:00.000,\"" + withChecksum("$GPGGA,1") + "\"\r\n")
        << "a sentence with a bad checksum is not written";
}

// A PGN list keeps its messages; a wrong extension, or nothing to write, aborts and opens no
// file; sentences alone write one file.
TEST(ZRLDocExport, PgnListAndAbortedExports)
{
    ZrlWriter log;
    ExportedLog e(log.bstFrame(bst93(6, 59904, 255, 35, 0, {0x00, 0xEE, 0x00})).bstFrame(bst93(2, 127250, 255, 35, 0, {1})));
    EXPECT_EQ(e.exportLog("only.csv", {127250}).size(), 2u);
    EXPECT_EQ(e.file("only.n2k.csv"), "Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,Data\r\n1,00:00:00.000,N2K,127250,\"Vessel Heading\",35,255,2,1,1,\r\n");
    for (const auto& [name, pgns] : {std::pair<std::string, std::vector<std::uint32_t>>{"upper.CSV", {}}, {"out.txt", {}}, {"none.csv", {1}}})
        EXPECT_EQ(e.exportLog(name, pgns), (std::vector<std::string>{"Exporting 2 messages", "Export aborted"})) << name;
    EXPECT_FALSE(std::filesystem::exists(e.dir + "/none.n2k.csv"));

    ZrlWriter sentences;
    ExportedLog s(sentences.sentenceWithChecksum("$GPGGA,1").sentenceWithChecksum("$GPRMC,2"));
    EXPECT_EQ(s.exportLog("s.csv").size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(s.dir + "/s.n2k.csv"));
}

namespace {

// One sampled-data transfer of 16-bit samples 0, 1, 2, ... sent in blocks of up to 200 bytes.
void appendTransfer(ZrlWriter& log, std::uint8_t id, const SampledSetup& setup, std::uint32_t samples)
{
    Bytes data;
    for (std::uint32_t i = 0; i < samples; ++i) {
        data.push_back(static_cast<std::uint8_t>(i));
        data.push_back(static_cast<std::uint8_t>(i >> 8));
    }
    log.bstFrame(mdtStart(id, setup.channelId, std::uint32_t(data.size()), sampledSetup(setup)));
    for (std::size_t at = 0; at < data.size(); at += 200) {
        const std::size_t n = std::min<std::size_t>(200, data.size() - at);
        log.bstFrame(mdtData(id, setup.channelId, std::uint32_t(at), Bytes(data.begin() + at, data.begin() + at + n)));
    }
    log.bstFrame(mdtEnd(id, setup.channelId, std::uint32_t(data.size())));
}

} // namespace

TEST(ZRLDocExport, MdtRowsFilesAndErrors)
{
    SampledSetup volts;
    volts.startTime = 1234567890, volts.samplesTotal = 3, volts.samplePeriod = 100;
    volts.rangeMin = 1234, volts.rangeMax = -5000, volts.exponent = -2, volts.channelId = 0;
    SampledSetup tach = volts, odd = volts;
    tach.channelId = 4, tach.exponent = 3, tach.unitCode = 9, tach.dataBitSize = 8;
    odd.channelId = 28, odd.hwAdcId = 1, odd.samplesTotal = 25000;

    ZrlWriter log;
    appendTransfer(log, 1, volts, 3);
    appendTransfer(log, 2, tach, 2);
    appendTransfer(log, 3, odd, 25000);
    log.bstFrame(mdtEnd(7, 0, 4));
    ExportedLog e(log);
    const auto lines = e.exportLog("m.csv");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "Exported to " + e.dir + "/m.0.mdt.csv");

    const std::string header = "Line,data_type,model_id,start_time,channel_id,channel_name, sample_period,samples_total,"
                               "range_min,range_max,range_offset,range_units,data_bit_size,sample_bit_size,hw_adc_id,hw_mux_id,ifeed\r\n";
    EXPECT_EQ(e.file("m.0.mdt.csv"), header +
                                         "0,MDTSamples,42,123457,0,ChannelsTAV1::CHAN_VIN,100,3,12.340000,-50.000000,0.000000,Volts,"
                                         "16,12,0,0,0,0,1,2,\r\n"
                                         "MDT transfer error on ID = 7 error = -2596 (ES25_TransferIDDoesNotMatch)\r\n");
    EXPECT_EQ(e.file("m.1.mdt.csv"), header +
                                         "1,MDTSamples,42,123457,4,ChannelsTAV1::CHAN_TACH1,100,3,1234.000000,-5000.000000,0.000000,"
                                         "8,12,0,0,0,\r\n"
                                         "MDT transfer error on ID = 7 error = -2596 (ES25_TransferIDDoesNotMatch)\r\n");
    const std::string third = e.file("m.2.mdt.csv");
    EXPECT_NE(third.find("2,MDTSamples,42,123457,28,Error-unexpected tav channel!,100,25000,"), std::string::npos);
    EXPECT_EQ(std::count(third.begin(), third.end(), ','), 16 + 17 + 10000) << "header, fixed columns, samples capped at 10000";
}
