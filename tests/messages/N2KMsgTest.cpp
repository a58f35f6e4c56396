#include "messages/KorvBuf.h"
#include "messages/N2KMsg.h"
#include "support/ByteView.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

N2KMsg messageOf(const Bytes& bytes, std::uint32_t time = 0) { return N2KMsg(ZrlTest::viewOf(bytes, time)); }

// The BST 0x93 heading message: priority 2, PGN 127250, to 255 from 0x23, time 10000, 8 bytes.
Bytes heading93()
{
    return {0x93, 0x13, 0x02, 0x12, 0xF1, 0x01, 0xFF, 0x23, 0x10, 0x27, 0x00, 0x00, 0x08,
            0x01, 0xE8, 0x03, 0xFF, 0x7F, 0xFF, 0x7F, 0xFD};
}

ListColumn column(std::uint32_t id) { return ListColumn{"", 0, id, true}; }

// The fields' names, in order.
std::vector<std::string> fieldNames(const N2KMsg& message)
{
    std::vector<std::string> out;
    for (std::uint32_t row = 0; row < message.fieldCount(); ++row)
        out.push_back(message.fieldInfo(row)->name());
    return out;
}

} // namespace

TEST(N2KMsg, DecodesTheBst93HeaderAndSummarises)
{
    const N2KMsg message = messageOf(heading93(), 555);
    EXPECT_TRUE(message.valid());
    EXPECT_EQ(message.timeWord(), 10000u) << "0x93 carries its own time, not the buffer's";
    EXPECT_EQ(message.summary(),
              "PGN 127250/0x1F112, Src: 35, Dst: 255, Pri: 2, Size: 8,  Data: 01 E8 03 FF 7F FF 7F FD");
    EXPECT_EQ(messageOf(ZrlTest::bst93(7, 59904, 3, 4, 0, {0xAA})).summary(),
              "PGN  59904/0x0EA00, Src: 4, Dst: 3, Pri: 7, Size: 1,  Data: AA");

    // List cells by column id (name, size, data, PGN, source, destination, priority); the ids of no column are empty.
    std::string cells;
    for (std::uint32_t id : {5u, 8u, 9u, 10u, 11u, 12u, 13u, 0u, 1u, 2u, 3u, 4u, 6u, 7u, 14u, 999u})
        cells += message.listText(column(id)) + "|";
    EXPECT_EQ(cells, "Vessel Heading|8|01 E8 03 FF 7F FF 7F FD|127250|35|255|2||||||||||");
    std::vector<ListColumn> columns;
    N2KMsg::listColumns(columns);
    std::string names;
    for (const ListColumn& c : columns)
        names += c.name + "/" + std::to_string(c.width) + "/" + std::to_string(c.id) + (c.shown ? " " : "- ");
    EXPECT_EQ(names, "MsgSrc/8/6 PGN/8/10 Name/20/5 Src/5/11 Dest/5/12 Pri/4/13 Size/5/8 Data/60/9 ");
}

TEST(N2KMsg, UndecodableMessagesAreInvalidAndStillRender)
{
    Bytes bytes = heading93();
    bytes[0] = 0x91;
    const N2KMsg unknownId = messageOf(bytes, 77);
    EXPECT_EQ(unknownId.decodeResult(), -1099);
    EXPECT_FALSE(unknownId.valid());
    EXPECT_EQ(unknownId.timeWord() + unknownId.payloadLength() + unknownId.fieldCount(), 0u);
    EXPECT_EQ(unknownId.fieldInfo(0), nullptr);
    EXPECT_EQ(unknownId.listText(column(ListColumnData)), "<Zero size array>");

    bytes = heading93();
    bytes.pop_back();
    const N2KMsg shortened = messageOf(bytes);
    EXPECT_EQ(shortened.decodeResult(), -1097);
    EXPECT_EQ(shortened.payloadLength(), 0u);
    EXPECT_EQ(messageOf({}).fieldCount(), 0u);

    const N2KMsg unknown = messageOf(ZrlTest::bst93(3, 126989, 255, 1, 0, Bytes(8, 0)));
    ASSERT_EQ(unknown.definition(), nullptr) << "PGN 126989 is in no definition's range";
    EXPECT_EQ(unknown.pgnName(), "Unknown PGN (126989)");
    EXPECT_EQ(unknown.fieldCount(), 0u);
    EXPECT_EQ(unknown.key(), "p126989_i000_s01_dFF");
}

TEST(N2KMsg, KeyNamesTheInstanceByteOfTheDefinition)
{
    // 127488 names payload byte 0, 126983 byte 13: a payload that ends before it has no instance byte.
    Bytes longer(14, 0x44);
    longer[13] = 0xFE;
    const std::pair<Bytes, const char*> cases[] = {
        {heading93(), "p127250_i000_s23_dFF"},
        {ZrlTest::bst93(2, 127488, 255, 0x0B, 0, ZrlTest::pgn127488(3, 1500, 0, 0)), "p127488_i003_s0B_dFF"},
        {ZrlTest::bst93(2, 126983, 0x20, 0x01, 0, Bytes(13, 0x44)), "p126983_i000_s01_d20"},
        {ZrlTest::bst93(2, 126983, 0x20, 0x01, 0, longer), "p126983_i254_s01_d20"},
    };
    for (const auto& [bytes, key] : cases)
        EXPECT_EQ(messageOf(bytes).key(), key);
}

TEST(N2KMsg, RawIsTheBst94LayoutWithASourceByte)
{
    const auto raw = messageOf(heading93()).raw();
    EXPECT_EQ(raw->buffer()->capacity, 232u);
    Bytes bytes(raw->data(), raw->data() + raw->length());
    EXPECT_EQ(bytes, (Bytes{0x94, 0x0F, 0x02, 0x12, 0xF1, 0x01, 0xFF, 0x23, 0x08, 0x01, 0xE8, 0x03, 0xFF, 0x7F, 0xFF,
                            0x7F, 0xFD}));
    // The 0x92 layout reads it back.
    bytes[0] = 0x92;
    EXPECT_EQ(messageOf(bytes).summary(), messageOf(heading93()).summary());

    const auto largest = messageOf(ZrlTest::bst93(2, 130820, 255, 1, 0, Bytes(224, 0x5A))).raw();
    ASSERT_EQ(largest->length(), 232u);
    EXPECT_EQ(largest->data()[1], (224 + 7) & 0xFF);
    EXPECT_EQ(largest->data()[231], 0x5A);
    N2KMsg oversized;
    oversized.length = 225;
    EXPECT_EQ(oversized.raw()->length(), 0u) << "more than 224 payload bytes cannot be re-encoded";
    const auto ofInvalid = N2KMsg().raw();
    ASSERT_EQ(ofInvalid->length(), 9u) << "header bytes only";
    EXPECT_EQ(ofInvalid->data()[1], 7);
}

TEST(N2KMsgFields, RepeatedFieldsAndGroups)
{
    // 126464 declares no repeating group: field 1 repeats until the payload ends.
    const Bytes pgns = {0x00, 0x00, 0xEE, 0x00, 0x12, 0xF1, 0x01, 0x15, 0xF8, 0x01};
    EXPECT_EQ(fieldNames(messageOf(ZrlTest::bst93(6, 126464, 255, 9, 0, pgns))),
              (std::vector<std::string>{"Function Code", "PGN", "PGN", "PGN"}));
    // 129540: the group (fields 4 to 10) repeats "Sats in View" (field 3) times; zero ends the list there.
    const std::vector<std::string> none = fieldNames(messageOf(ZrlTest::bst93(6, 129540, 255, 9, 0, {0x01, 0xFC, 0x00})));
    ASSERT_EQ(none.size(), 4u);
    EXPECT_EQ(none[3], "Sats in View");
    Bytes one = {0x01, 0xFC, 0x01};
    one.resize(3 + 12, 0x10);
    const std::vector<std::string> single = fieldNames(messageOf(ZrlTest::bst93(6, 129540, 255, 9, 0, one)));
    ASSERT_EQ(single.size(), 4u + 7u);
    EXPECT_EQ(single[4], "PRN (Sat ID)");
}

TEST(N2KMsgFields, CopiesBuildTheirOwnFieldList)
{
    auto original = std::make_unique<N2KMsg>(messageOf(heading93()));
    ASSERT_EQ(original->fieldCount(), 6u);
    const std::string value = original->fieldInfo(1)->valueText(false);
    N2KMsg copy(*original);
    N2KMsg assigned;
    ASSERT_EQ(assigned.fieldCount(), 0u) << "a field list built before the assignment";
    assigned = *original;
    original.reset(); // a shared list would now point at freed memory
    for (const N2KMsg* message : {static_cast<const N2KMsg*>(&copy), static_cast<const N2KMsg*>(&assigned)}) {
        ASSERT_EQ(message->fieldCount(), 6u);
        EXPECT_EQ(message->fieldInfo(1)->valueText(false), value);
    }
    // Assigning over a message with a built list replaces the list with one of the new PGN.
    assigned = messageOf(ZrlTest::bst93(6, 129540, 255, 9, 0, {0x01, 0xFC, 0x00}));
    assigned = assigned;
    EXPECT_EQ(assigned.fieldCount(), 4u);
    EXPECT_EQ(assigned.pgnName(), "GNSS Sats in View");

    // Messages in a growing vector are moved as copies: each keeps a list of its own.
    std::vector<N2KMsg> messages;
    for (int i = 0; i < 20; ++i) {
        messages.push_back(messageOf(heading93()));
        messages.back().fieldCount();
    }
    for (const N2KMsg& message : messages)
        EXPECT_EQ(message.fieldInfo(1)->valueText(false), value);
}
