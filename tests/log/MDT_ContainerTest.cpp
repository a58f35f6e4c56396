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

MDTStartRecord_s start(std::uint8_t id, std::uint8_t channel, std::uint32_t size)
{
    const Bytes m = ZrlTest::mdtStart(id, channel, size, {1, 2, 3, 4});
    MDTStartRecord_s record;
    EXPECT_EQ(decodeMdtStart(m.data(), std::uint32_t(m.size()), record), 0);
    return record;
}

MDTEndRecord_s end(std::uint8_t id, std::uint8_t channel, std::uint32_t size)
{
    const Bytes m = ZrlTest::mdtEnd(id, channel, size);
    MDTEndRecord_s record;
    EXPECT_EQ(decodeMdtEnd(m.data(), std::uint32_t(m.size()), record), 0);
    return record;
}

// The block points into the message, which the caller keeps.
MDTDataRecord_s block(const Bytes& message)
{
    MDTDataRecord_s record;
    EXPECT_EQ(decodeMdtData(message.data(), std::uint32_t(message.size()), record), 0);
    return record;
}

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
    EXPECT_EQ(transfer->header.modelId, 42u);
    EXPECT_EQ(transfer->header.key, 0xA900u);
    EXPECT_EQ(transfer->setup, (Bytes{1, 2, 3, 4}));
    EXPECT_FALSE(container.takeTransfer(3));
}

TEST_F(Container, ShortAndOversizedTransfers)
{
    container.startTransfer(start(3, 1, 10));
    const Bytes six = ZrlTest::mdtData(3, 1, 0, {1, 2, 3, 4, 5, 6});
    container.addDataBlock(block(six));
    EXPECT_EQ(container.endTransfer(end(3, 1, 10)), -2599);
    const auto transfer = container.takeTransfer(3);
    ASSERT_TRUE(transfer);
    EXPECT_TRUE(transfer->complete);
    EXPECT_EQ(transfer->data[6], 0xFF);
    EXPECT_EQ(transfer->data[9], 0xFF);

    container.startTransfer(start(4, 1, 10));
    const Bytes ten = ZrlTest::mdtData(4, 1, 0, Bytes(10, 7));
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
    EXPECT_EQ(transfer->received, 4u);
    EXPECT_EQ(transfer->data[0], 0xFF) << "nothing written from the wrong channel";
    EXPECT_EQ(transfer->data[8], 1);
    EXPECT_EQ(transfer->data[9], 2);
}

TEST(MDTRecords, DecoderChecks)
{
    MDTStartRecord_s s;
    Bytes m = ZrlTest::mdtStart(1, 1, 10, {1, 2, 3});
    EXPECT_EQ(decodeMdtStart(m.data(), std::uint32_t(m.size()), s), -1140) << "fewer than 4 setup bytes";
    m = ZrlTest::mdtStart(1, 1, 10, {1, 2, 3, 4});
    EXPECT_EQ(decodeMdtStart(m.data(), std::uint32_t(m.size() - 1), s), -1137) << "shorter than its length byte";
    m[0] = 0xA1;
    EXPECT_EQ(decodeMdtStart(m.data(), std::uint32_t(m.size()), s), -1137);
    m = ZrlTest::mdtStart(1, 1, 0xFFFFFFFF, {1, 2, 3, 4});
    EXPECT_EQ(decodeMdtStart(m.data(), std::uint32_t(m.size()), s), -1140) << "a hostile size is refused";

    MDTEndRecord_s e;
    Bytes endMessage = ZrlTest::bemMessage(0xA9, 1, 0, 0, 0, Bytes(9, 0));
    EXPECT_EQ(decodeMdtEnd(endMessage.data(), std::uint32_t(endMessage.size()), e), -1140);

    MDTDataRecord_s d;
    const Bytes big = ZrlTest::mdtData(1, 1, 0, Bytes(216, 0));
    EXPECT_EQ(decodeMdtData(big.data(), std::uint32_t(big.size()), d), -1140);
    const Bytes fits = ZrlTest::mdtData(1, 1, 0, Bytes(215, 0));
    EXPECT_EQ(decodeMdtData(fits.data(), std::uint32_t(fits.size()), d), 0);
    EXPECT_EQ(d.length, 215u);
    EXPECT_EQ(decodeMdtData(nullptr, 0, d), -1137);
}
