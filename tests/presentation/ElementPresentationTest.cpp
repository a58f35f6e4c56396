#include "presentation/ElementPresentation.h"
#include "grid/IGrid.h"
#include "grid/IGridTable.h"
#include "log/ZRLElement.h"
#include "messages/BemMsgGridAdapter.h"
#include "messages/KorvBuf.h"
#include "messages/ZRLElementGridAdapter.h"
#include "presentation/BST95MsgGridAdapter.h"
#include "presentation/N183MsgGridAdapter.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

ElementTime noonClock()
{
    ElementTime time;
    time.baseTime = ZrlTest::fileTimeUtc(2024, 1, 1, 12, 0, 0);
    time.offsetMicros = 15000;
    time.hasTime = true;
    return time;
}

std::unique_ptr<ZRLElement> elementOf(MsgVariantInfo variant, const Bytes& bytes)
{
    auto element = std::make_unique<ZRLElement>(noonClock(), variant);
    element->setBytes(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    return element;
}

std::unique_ptr<ZRLElement> elementOf(MsgVariant variant, const Bytes& bytes)
{
    return elementOf(MsgVariantInfo{variant, variant, 0}, bytes);
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

std::string describe(MsgVariant variant, const Bytes& bytes) { return describeElement(*elementOf(variant, bytes)); }

// A BEM message carried in PGN 126720 behind the two manufacturer bytes.
Bytes bemInProprietaryPgn() { return ZrlTest::bst93(7, 126720, 255, 35, 0, {0x3B, 0x9F, 0xA1, 0x02, 0x03}); }

using enum MsgVariant;

} // namespace

TEST(ElementDescribe, OneLineByVariant)
{
    EXPECT_EQ(describe(Zrl, {0x01, 0xE8, 0x03, 0x00, 0x00}), "ZRL File Version 1.000");
    // The version's scale and short bodies: ZRLElementGridAdapter.TagTables.
    EXPECT_EQ(describe(Zrl, {0x05, 0x01, 0x02}), "Unrecognised ZRL Tag type");
    EXPECT_EQ(describe(Zrl, {}), "Unrecognised ZRL Tag type");
    for (MsgVariant variant : {N183, N183ChecksumError, N183Truncated, N183BadChar, Ascii})
        EXPECT_EQ(describe(variant, text("$GPGGA,1,2,3*7F")), "$GPGGA,1,2,3*7F") << msgVariantNumber(variant);
    for (MsgVariant variant : {Reboot, BemCommand, BemBoot, BemBootEnciphered, BemN183, Binary})
        EXPECT_EQ(describe(variant, {0x00, 0x1F, 0xAB}), "00 1F AB") << msgVariantNumber(variant);
    EXPECT_EQ(describe(Binary, {}), "None") << "an element without bytes has no storage";
    EXPECT_EQ(describe(Bst, {0x01, 0x02}), "Raw Unrecognised BST Data: 01 02");
    for (MsgVariant variant : {Unknown, BstControl, BstBad, BstChecksumError, MdtControl, MdtData, CanPacket, CanFrame,
                               CanOther, Hidden})
        EXPECT_EQ(describe(variant, {0x00, 0x1F, 0xAB}), "Unknown Message....!") << msgVariantNumber(variant);
    EXPECT_EQ(describe(N2k, ZrlTest::bst93(6, 59904, 12, 3, 0, {0x00, 0xEE, 0x00})),
              "PGN  59904/0x0EA00, Src: 3, Dst: 12, Pri: 6, Size: 3,  Data: 00 EE 00");
    EXPECT_EQ(describe(N2k, {0x93, 0x40, 0x02}),
              "PGN      0/0x00000, Src: 0, Dst: 255, Pri: 0, Size: 0,  Data: <Zero size array>")
        << "a header that does not decode is the empty message";
}

TEST(ElementMessageBytes, BemInsideProprietaryPgn)
{
    const auto bem = elementOf(MsgVariantInfo{N2k, BemDebug, 35}, bemInProprietaryPgn());
    KorvBuf bytes;
    bem->messageBytes(bytes);
    EXPECT_EQ(bytes.hexText(false), "A1 02 03") << "the NMEA 2000 data from data byte 2 on";
    EXPECT_EQ(describeElement(*bem), "A1 02 03");
    // Without a variant change the element's own bytes are the message.
    elementOf(N2k, bemInProprietaryPgn())->messageBytes(bytes);
    EXPECT_EQ(bytes.length(), bemInProprietaryPgn().size());
    // A header that does not decode falls back to the element's bytes.
    EXPECT_EQ(describeElement(*elementOf(MsgVariantInfo{N2k, BemDebug, 0}, Bytes{0x93, 0x40})), "93 40");

    // PGN 126720 with the maker's code 273 and industry group 4, then the BEM command.
    const Bytes carried = ZrlTest::bst93(3, 126720, 0x23, 0x01, 0, {0x11, 0x99, 0xA1, 0x02, 0x17, 0x01});
    const auto grid = elementGrid(*elementOf(MsgVariantInfo{N2k, BemCommand, 1}, carried));
    EXPECT_EQ(grid->getName(), "BemMsg");
    EXPECT_EQ(grid->findTable("title")->getCellText(0, ""), "ddPortBaudratePG (BEM Command 0xA117::1)");
    EXPECT_EQ(grid->findTable("fields")->getCellText(0, "Data"), "1");
}

// The effective variant chooses the adapter; sentences that failed their checks, raw runs
// and the unclassified are shown as bytes.
TEST(ElementGridAdapter, ChosenByTheEffectiveVariant)
{
    struct Case {
        MsgVariant variant;
        Bytes bytes;
        const char* grid;
        const char* column;
        const char* cell;
    };
    std::vector<Case> cases = {
        {Zrl, {0x01, 0xE8, 0x03, 0x00, 0x00}, "ZRL Element", "Data", "v1.000"},
        {N183, text("$GPGGA,1,2,3*7F"), "NMEA 0183 Message", "Timestamp", "12:00:00.015"},
        {N2k, ZrlTest::bst93(2, 127250, 255, 35, 0, ZrlTest::pgn127250(1, 0.1, 0, 0, 1)), "NMEA 2000 Message", "Name",
         "Vessel Heading"},
        {CanFrame, ZrlTest::bst95(7, ZrlTest::CanId{2, 127488, 0x0C, 255}, ZrlTest::pgn127488(0, 800, 0, 0)),
         "NMEA 2000 Single-packet message", "Type", "SINGLE"},
        {CanFrame, ZrlTest::bst95(7, ZrlTest::CanId{3, 129029, 0x11, 255}, Bytes(8, 0x40)),
         "NMEA 2000 Fast-packet message", "Type", "FAST"},
    };
    for (MsgVariant variant : {BemCommand, BemDebug, BemProgram, BemBoot, BemBootEnciphered, MdtControl, MdtData, BemN183})
        cases.push_back({variant, {0xA1, 0x01, 0x10}, "BemMsg", "Name", "ddHardwareInfoPG"});
    for (MsgVariant variant : {Unknown, N183ChecksumError, N183Truncated, N183BadChar, Bst, Reboot, BstControl, Binary,
                               Ascii, CanPacket, CanOther, Hidden})
        cases.push_back({variant, text("$GPGGA,1"), "KorvBuf", "Size", "8"});
    for (const Case& c : cases) {
        const auto element = elementOf(c.variant, c.bytes);
        const auto grid = elementGrid(*element);
        ASSERT_TRUE(grid) << msgVariantNumber(c.variant);
        EXPECT_EQ(grid->getName(), c.grid) << msgVariantNumber(c.variant);
        EXPECT_EQ(grid->findTable("list")->getCellText(0, c.column), c.cell) << msgVariantNumber(c.variant);
        EXPECT_EQ(grid->shared_from_this(), grid);
    }
}

TEST(ElementGridAdapter, AdaptersKnowTheirElement)
{
    const auto tag = elementOf(Zrl, Bytes{0x01, 0xE8, 0x03, 0x00, 0x00});
    EXPECT_EQ(std::dynamic_pointer_cast<ZRLElementGridAdapter>(elementGrid(*tag))->element(), tag.get());
    const auto sentence = elementOf(N183, text("$GPGGA,1,2,3*7F"));
    EXPECT_EQ(std::dynamic_pointer_cast<N183MsgGridAdapter>(elementGrid(*sentence))->element(), sentence.get());
    const auto heading = elementOf(MsgVariantInfo{N2k, N2k, 35}, ZrlTest::bst93(2, 127250, 255, 35, 0, Bytes(8, 0)));
    EXPECT_EQ(std::dynamic_pointer_cast<N2KMsgGridAdapter>(elementGrid(*heading))->element(), heading.get());
    const auto frame = elementOf(CanFrame, ZrlTest::bst95(7, ZrlTest::CanId{2, 127488, 0x0C, 255}, Bytes(8, 0)));
    EXPECT_EQ(std::dynamic_pointer_cast<BST95MsgGridAdapter>(elementGrid(*frame))->n2kAdapter()->element(), frame.get());
    ASSERT_TRUE(std::dynamic_pointer_cast<BemMsgGridAdapter>(elementGrid(*elementOf(BemDebug, {0xA1, 0x01, 0x10}))));
}

// Every variant has its three tables, and every cell of them renders, on empty, short and real bytes.
TEST(ElementGridAdapter, EveryVariantHasTheThreeTables)
{
    for (MsgVariant variant : allMsgVariants)
        for (const Bytes& bytes : {Bytes{}, Bytes{0x93}, bemInProprietaryPgn()}) {
            const auto element = elementOf(MsgVariantInfo{N2k, variant, 35}, bytes);
            const auto grid = elementGrid(*element);
            ASSERT_TRUE(grid) << msgVariantNumber(variant);
            ASSERT_EQ(grid->getTableCount(), 3u) << msgVariantNumber(variant);
            EXPECT_EQ(grid->getTable(0)->getName() + grid->getTable(1)->getName() + grid->getTable(2)->getName(),
                      "listtitlefields")
                << msgVariantNumber(variant);
            for (std::uint32_t t = 0; t < 3; ++t) {
                const auto table = grid->getTable(t);
                for (std::uint32_t row = 0; row < table->getRowCount(); ++row)
                    for (std::uint32_t column = 0; column < table->getColumnCount(); ++column)
                        EXPECT_NO_THROW(table->getCellText(row, table->getColumnId(column))) << msgVariantNumber(variant);
            }
        }
}

TEST(ElementGridAdapter, TablesKeepTheirCopyWhenTheElementChanges)
{
    auto element = elementOf(Binary, Bytes{0x10, 0x20});
    const auto grid = elementGrid(*element);
    const Bytes other{0xFF, 0xFF, 0xFF};
    element->setBytes(3, other.data());
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Data"), "10 20");
    EXPECT_EQ(grid->findTable("fields")->getRowCount(), 2u);
    EXPECT_NE(elementGrid(*element), grid) << "a new adapter on every request";
}
