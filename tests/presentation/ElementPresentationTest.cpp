#include "presentation/ElementPresentation.h"
#include "grid/IGrid.h"
#include "grid/IGridTable.h"
#include "log/ZRLElement.h"
#include "presentation/BST95MsgGridAdapter.h"
#include "messages/KorvBuf.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "presentation/N183MsgGridAdapter.h"
#include "messages/ZRLElementGridAdapter.h"
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

std::unique_ptr<ZRLElement> elementOf(MsgVariant variant, const std::string& text)
{
    return elementOf(variant, Bytes(text.begin(), text.end()));
}

// A BEM message carried in PGN 126720 behind the two manufacturer bytes.
Bytes bemInProprietaryPgn() { return ZrlTest::bst93(7, 126720, 255, 35, 0, {0x3B, 0x9F, 0xA1, 0x02, 0x03}); }

} // namespace

TEST(ElementDescribe, FileTags)
{
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantZrl, Bytes{0x01, 0xE8, 0x03, 0x00, 0x00})), "ZRL File Version 1.000");
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantZrl, Bytes{0x01, 0xD2, 0x04, 0x00, 0x00})), "ZRL File Version 1.234");
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantZrl, Bytes{0x01, 0x10, 0x27})), "ZRL File Version 10.000")
        << "a short body reads its missing bytes as 0";
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantZrl, Bytes{0x05, 0x01, 0x02})), "Unrecognised ZRL Tag type");
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantZrl, Bytes{})), "Unrecognised ZRL Tag type");
}

TEST(ElementDescribe, TextsAndHexByVariant)
{
    const std::string gga = "$GPGGA,1,2,3*7F";
    for (MsgVariant variant : {512u, 513u, 514u, 515u})
        EXPECT_EQ(KelpLib::describeElement(*elementOf(variant, gga)), gga) << variant;
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantAscii, std::string("free text"))), "free text");

    const Bytes bytes{0x00, 0x1F, 0xAB};
    for (MsgVariant variant : {769u, 1024u, 1027u, 1028u, 1031u, 1536u})
        EXPECT_EQ(KelpLib::describeElement(*elementOf(variant, bytes)), "00 1F AB") << variant;
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantBinary, Bytes{})), "None") << "an element without bytes has no storage";
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantBst, Bytes{0x01, 0x02})), "Raw Unrecognised BST Data: 01 02");

    for (MsgVariant variant : {0u, 770u, 771u, 772u, 1029u, 1030u, 1792u, 1793u, 1794u, 65280u})
        EXPECT_EQ(KelpLib::describeElement(*elementOf(variant, bytes)), "Unknown Message....!") << variant;
}

TEST(ElementDescribe, NmeaTwoThousandSummaryLine)
{
    const Bytes message = ZrlTest::bst93(2, 127250, 255, 35, 0, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantN2k, message)),
              "PGN 127250/0x1F112, Src: 35, Dst: 255, Pri: 2, Size: 8,  Data: 01 02 03 04 05 06 07 08");
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantN2k, ZrlTest::bst93(6, 59904, 12, 3, 0, {0x00, 0xEE, 0x00}))),
              "PGN  59904/0x0EA00, Src: 3, Dst: 12, Pri: 6, Size: 3,  Data: 00 EE 00");
    EXPECT_EQ(KelpLib::describeElement(*elementOf(VariantN2k, Bytes{0x93, 0x40, 0x02})),
              "PGN      0/0x00000, Src: 0, Dst: 255, Pri: 0, Size: 0,  Data: <Zero size array>")
        << "a header that does not decode is the empty message";
}

TEST(ElementMessageBytes, BemInsideProprietaryPgn)
{
    const auto bem = elementOf(MsgVariantInfo{VariantN2k, VariantBemDebug, 35}, bemInProprietaryPgn());
    KorvBuf bytes;
    bem->messageBytes(bytes);
    ASSERT_EQ(bytes.length(), 3u) << "the NMEA 2000 data from data byte 2 on";
    EXPECT_EQ(bytes.hexText(false), "A1 02 03");
    EXPECT_EQ(KelpLib::describeElement(*bem), "A1 02 03");

    // Without a variant change the element's own bytes are the message.
    const auto n2k = elementOf(VariantN2k, bemInProprietaryPgn());
    n2k->messageBytes(bytes);
    EXPECT_EQ(bytes.length(), bemInProprietaryPgn().size());
    // A header that does not decode falls back to the element's bytes.
    const auto broken = elementOf(MsgVariantInfo{VariantN2k, VariantBemDebug, 0}, Bytes{0x93, 0x40});
    EXPECT_EQ(KelpLib::describeElement(*broken), "93 40");
}

TEST(ElementGridAdapter, ChosenByTheEffectiveVariant)
{
    const auto tag = elementOf(VariantZrl, Bytes{0x01, 0xE8, 0x03, 0x00, 0x00});
    const auto tagGrid = KelpLib::elementGrid(*tag);
    ASSERT_TRUE(tagGrid);
    EXPECT_EQ(tagGrid->getName(), "ZRL Element");
    EXPECT_EQ(std::dynamic_pointer_cast<ZRLElementGridAdapter>(tagGrid)->element(), tag.get());
    EXPECT_EQ(tagGrid->findTable("list")->getCellText(0, "Data"), "v1.000");
    EXPECT_EQ(tagGrid->shared_from_this(), tagGrid);

    const auto sentence = elementOf(VariantN183, std::string("$GPGGA,1,2,3*7F"));
    const auto sentenceGrid = KelpLib::elementGrid(*sentence);
    EXPECT_EQ(sentenceGrid->getName(), "NMEA 0183 Message");
    EXPECT_EQ(std::dynamic_pointer_cast<N183MsgGridAdapter>(sentenceGrid)->element(), sentence.get());
    EXPECT_EQ(sentenceGrid->findTable("list")->getCellText(0, "Timestamp"), "12:00:00.015");
    EXPECT_EQ(sentenceGrid->findTable("list")->getCellText(0, "Formatter"), "GGA");

    // Sentences that failed their checks, raw runs and the unclassified are shown as bytes.
    for (MsgVariant variant : {0u, 513u, 514u, 515u, 768u, 769u, 770u, 1536u, 1537u, 1792u, 1794u, 65280u}) {
        const auto element = elementOf(variant, std::string("$GPGGA,1"));
        const auto grid = KelpLib::elementGrid(*element);
        EXPECT_EQ(grid->getName(), "KorvBuf") << variant;
        EXPECT_EQ(grid->findTable("list")->getCellText(0, "Size"), "8") << variant;
    }
}

TEST(ElementGridAdapter, NmeaMessagesAndCanFrames)
{
    const auto heading = elementOf(MsgVariantInfo{VariantN2k, VariantN2k, 35},
                                   ZrlTest::bst93(2, 127250, 255, 35, 0, ZrlTest::pgn127250(1, 0.1, 0, 0, 1)));
    const auto grid = KelpLib::elementGrid(*heading);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->getName(), "NMEA 2000 Message");
    const auto adapter = std::dynamic_pointer_cast<N2KMsgGridAdapter>(grid);
    ASSERT_TRUE(adapter);
    EXPECT_EQ(adapter->element(), heading.get());
    EXPECT_EQ(grid->shared_from_this(), grid);
    EXPECT_EQ(grid->findTable("title")->getCellText(1, ""), "Vessel Heading");
    EXPECT_EQ(grid->findTable("fields")->getRowCount(), 6u);
    EXPECT_EQ(grid->findTable("fields")->getCellText(1, "Data"), "0.1000");

    const auto single = elementOf(VariantCanFrame, ZrlTest::bst95(7, ZrlTest::CanId{2, 127488, 0x0C, 255},
                                                                  ZrlTest::pgn127488(0, 800, 0, 0)));
    const auto singleGrid = KelpLib::elementGrid(*single);
    EXPECT_EQ(singleGrid->getName(), "NMEA 2000 Single-packet message");
    EXPECT_EQ(std::dynamic_pointer_cast<BST95MsgGridAdapter>(singleGrid)->n2kAdapter()->element(), single.get());
    EXPECT_EQ(singleGrid->findTable("fields")->getCellText(0, "Name"), "Instance");

    const auto fast = elementOf(VariantCanFrame, ZrlTest::bst95(7, ZrlTest::CanId{3, 129029, 0x11, 255}, Bytes(8, 0x40)));
    const auto fastGrid = KelpLib::elementGrid(*fast);
    EXPECT_EQ(fastGrid->getName(), "NMEA 2000 Fast-packet message");
    EXPECT_EQ(fastGrid->findTable("fields")->getCellText(0, "Hex"), "40");
}

TEST(ElementGridAdapter, EveryVariantHasTheThreeTables)
{
    for (MsgVariant variant : {0u, 256u, 512u, 513u, 768u, 769u, 772u, 1024u, 1025u, 1028u, 1031u, 1032u, 1280u, 1536u, 1537u,
                               1792u, 1793u, 1794u, 65280u}) {
        for (const Bytes& bytes : {Bytes{}, Bytes{0x93}, bemInProprietaryPgn()}) {
            // Adapters may point at their element: it is kept while the tables are asked.
            const auto element = elementOf(MsgVariantInfo{VariantN2k, variant, 35}, bytes);
            const auto grid = KelpLib::elementGrid(*element);
            ASSERT_TRUE(grid) << variant;
            ASSERT_EQ(grid->getTableCount(), 3u) << variant;
            EXPECT_EQ(grid->getTable(0)->getName(), "list") << variant;
            EXPECT_EQ(grid->getTable(1)->getName(), "title") << variant;
            EXPECT_EQ(grid->getTable(2)->getName(), "fields") << variant;
            // Every cell of every table, and one row and column beyond, answer without fault.
            for (std::uint32_t index = 0; index < 3; ++index) {
                const auto table = grid->getTable(index);
                for (std::uint32_t row = 0; row <= table->getRowCount(); ++row)
                    for (std::uint32_t column = 0; column <= table->getColumnCount(); ++column) {
                        table->getCellText(row, table->getColumnId(column));
                        table->getCellMetaData(row, column);
                        table->getRowId(row);
                    }
            }
        }
    }
}

TEST(ElementGridAdapter, TablesKeepTheirCopyWhenTheElementChanges)
{
    auto element = elementOf(VariantBinary, Bytes{0x10, 0x20});
    const auto grid = KelpLib::elementGrid(*element);
    const Bytes other{0xFF, 0xFF, 0xFF};
    element->setBytes(3, other.data());
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Data"), "10 20");
    EXPECT_EQ(grid->findTable("fields")->getRowCount(), 2u);
    EXPECT_NE(KelpLib::elementGrid(*element), grid) << "a new adapter on every request";
}
