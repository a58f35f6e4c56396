#include "log/MDT_Container.h"
#include "log/MDTRecords.h"
#include "support/MdtMessages.h"

#include <gtest/gtest.h>

#include <string>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

struct Recorder : IMDT_ContainerObserver_s {
    void onTransferError(std::uint8_t id, std::int32_t code) override { events += "error " + std::to_string(id) + " " + std::to_string(code) + ";"; }
    void onTransferStart(std::uint8_t id) override { events += "start " + std::to_string(id) + ";"; }
    void onTransferComplete(std::uint8_t id) override { events += "complete " + std::to_string(id) + ";"; }
    std::string events;
};

// A message decoded into its record, which must succeed; a data block points into the message,
// which the caller keeps.
template <typename Record, typename Decode>
Record decoded(Decode decode, const Bytes& message)
{
    Record record;
    EXPECT_EQ(decode(message.data(), std::uint32_t(message.size()), record), 0);
    return record;
}
MDTStartRecord_s start(std::uint8_t id, std::uint8_t channel, std::uint32_t size)
{
    return decoded<MDTStartRecord_s>(decodeMdtStart, ZrlTest::mdtStart(id, channel, size, {1, 2, 3, 4}));
}
MDTEndRecord_s end(std::uint8_t id, std::uint8_t channel, std::uint32_t size) { return decoded<MDTEndRecord_s>(decodeMdtEnd, ZrlTest::mdtEnd(id, channel, size)); }
MDTDataRecord_s block(const Bytes& message) { return decoded<MDTDataRecord_s>(decodeMdtData, message); }

class Container : public ::testing::Test {
protected:
    void SetUp() override { container.addObserver(&recorder); }
    MDT_Container container;
    Recorder recorder;
};

} // namespace

TEST_F(Container, CompleteTransferIsHandedOver)
{
    container.startTransfer(start(3, 1, 10));
    const Bytes data = ZrlTest::mdtData(3, 1, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(container.addDataBlock(block(data)), 0);
    EXPECT_EQ(container.endTransfer(end(3, 1, 10)), 0);
    EXPECT_EQ(recorder.events, "start 3;complete 3;");
    const auto transfer = container.takeTransfer(3);
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->data, (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(transfer->setup, (Bytes{1, 2, 3, 4}));
    EXPECT_FALSE(container.takeTransfer(3));
}

// A short transfer is padded with 0xFF and handed over; an end whose size differs fails.
TEST_F(Container, ShortAndOversizedTransfers)
{
    container.startTransfer(start(3, 1, 10));
    const Bytes six = ZrlTest::mdtData(3, 1, 0, {1, 2, 3, 4, 5, 6}), ten = ZrlTest::mdtData(4, 1, 0, Bytes(10, 7));
    container.addDataBlock(block(six));
    EXPECT_EQ(container.endTransfer(end(3, 1, 10)), -2599);
    const auto transfer = container.takeTransfer(3);
    ASSERT_TRUE(transfer && transfer->complete);
    EXPECT_EQ(transfer->data, (Bytes{1, 2, 3, 4, 5, 6, 0xFF, 0xFF, 0xFF, 0xFF}));
    container.startTransfer(start(4, 1, 10));
    container.addDataBlock(block(ten));
    EXPECT_EQ(container.endTransfer(end(4, 1, 12)), -2594);
    EXPECT_EQ(recorder.events, "start 3;error 3 -2599;start 4;error 4 -2594;");
}

TEST_F(Container, BlocksOfOtherChannelsAndBeyondTheSize)
{
    container.startTransfer(start(5, 1, 10));
    const Bytes wrongChannel = ZrlTest::mdtData(5, 2, 0, {9, 9});
    EXPECT_EQ(container.addDataBlock(block(wrongChannel)), 0);
    const Bytes pastTheEnd = ZrlTest::mdtData(5, 1, 8, {1, 2, 3, 4});
    EXPECT_EQ(container.addDataBlock(block(pastTheEnd)), -1396);
    const Bytes unknown = ZrlTest::mdtData(9, 1, 0, {1});
    EXPECT_EQ(container.addDataBlock(block(unknown)), 0);
    EXPECT_EQ(recorder.events, "start 5;error 5 -2597;error 5 -1396;error 9 -2596;");
    const auto transfer = container.takeTransfer(5);
    ASSERT_TRUE(transfer && transfer->received == 4u);
    EXPECT_EQ(transfer->data, (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2})) << "nothing from the wrong channel";
}

// The decoders refuse short or hostile records: fewer than 4 setup bytes, a message shorter
// than its length byte or of another id, a hostile size, an end of the wrong length, a data
// block over 215 bytes.
TEST(MDTRecords, DecoderChecks)
{
    Bytes shortStart = ZrlTest::mdtStart(1, 1, 10, {1, 2, 3, 4}), otherId = shortStart;
    shortStart.pop_back();
    otherId[0] = 0xA1;
    const auto start = [](const Bytes& m) { MDTStartRecord_s r; return decodeMdtStart(m.data(), std::uint32_t(m.size()), r); };
    const auto data = [](const Bytes& m) { MDTDataRecord_s r; return decodeMdtData(m.data(), std::uint32_t(m.size()), r); };
    const Bytes endMessage = ZrlTest::bemMessage(0xA9, 1, 0, 0, 0, Bytes(9, 0));
    MDTEndRecord_s e;
    MDTDataRecord_s d;
    EXPECT_EQ(start(ZrlTest::mdtStart(1, 1, 10, {1, 2, 3})), -1140);
    EXPECT_EQ(start(shortStart), -1137);
    EXPECT_EQ(start(otherId), -1137);
    EXPECT_EQ(start(ZrlTest::mdtStart(1, 1, 0xFFFFFFFF, {1, 2, 3, 4})), -1140);
    EXPECT_EQ(decodeMdtEnd(endMessage.data(), std::uint32_t(endMessage.size()), e), -1140);
    EXPECT_EQ(data(ZrlTest::mdtData(1, 1, 0, Bytes(216, 0))), -1140);
    const Bytes fits = ZrlTest::mdtData(1, 1, 0, Bytes(215, 0));
    EXPECT_EQ(decodeMdtData(fits.data(), std::uint32_t(fits.size()), d), 0);
    EXPECT_EQ(d.length, 215u);
    EXPECT_EQ(decodeMdtData(nullptr, 0, d), -1137);
}
