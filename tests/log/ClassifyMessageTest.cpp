#include "log/ClassifyMessage.h"
#include "log/MsgVariant.h"
#include "log/SixBitArmour.h"
#include "n2k/ReservedFields.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

MsgVariantInfo classifyBytes(const Bytes& bytes, bool fromBst = true)
{
    return classifyMessage(bytes.data(), static_cast<std::uint32_t>(bytes.size()), fromBst);
}

MsgVariantInfo classifyText(const std::string& text)
{
    return classifyMessage(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint32_t>(text.size()), false);
}

// Encodes bytes as 6-bit armour (the inverse of the decoder) for test sentences.
std::string armour(const Bytes& bytes)
{
    std::string text;
    std::uint32_t bits = 0, pending = 0;
    for (std::uint8_t b : bytes) {
        bits = bits << 8 | b;
        pending += 8;
        while (pending >= 6) {
            pending -= 6;
            const std::uint32_t v = (bits >> pending) & 0x3F;
            text += static_cast<char>(v < 40 ? v + 48 : v + 56);
        }
    }
    if (pending)
        text += static_cast<char>(((bits << (6 - pending)) & 0x3F) + 48);
    return text;
}

class ReservedHidden : public ::testing::Test {
protected:
    void TearDown() override { StandardsLib::reservedFieldsHidden = false; }
};

} // namespace

TEST(MsgVariant, TablesAndBstIds)
{
    EXPECT_STREQ(MsgVariantToString(MsgVariant::BemBootEnciphered), "BEMBOOT");
    EXPECT_STREQ(MsgVariantToString(MsgVariant::BstChecksumError), "!BSTXC");
    EXPECT_EQ(MsgVariantToColour(MsgVariant::Zrl), 0x13458Bu);
    EXPECT_EQ(MsgVariantToColour(MsgVariant::MdtControl), 0xFF0000u);
    EXPECT_EQ(MsgVariantToGroup(MsgVariant::Ascii), 6u);
    EXPECT_EQ(MsgVariantToGroup(MsgVariant::Binary), 7u);
    EXPECT_EQ(MsgVariantToGroup(MsgVariant::CanFrame), 5u);
    EXPECT_EQ(MsgVariantToGroup(MsgVariant::MdtData), 3u);
    EXPECT_EQ(bstIdToVariant(0x92), MsgVariant::N2k);
    EXPECT_EQ(bstIdToVariant(0x97), MsgVariant::Bst);
    EXPECT_EQ(bstIdToVariant(0xD0), MsgVariant::N2k);
    EXPECT_EQ(bstIdToVariant(0xA8), MsgVariant::BemBootEnciphered);
    EXPECT_EQ(bstIdToVariant(0xC0), MsgVariant::MdtData);
    EXPECT_EQ(bstIdToVariant(0x11), MsgVariant::Reboot);

    // The BEM kinds end at 1031: 1032 is no kind.
    for (auto lookup : {+[](MsgVariant v) { MsgVariantToGroup(v); }, +[](MsgVariant v) { MsgVariantToColour(v); }})
        for (MsgVariant v : {MsgVariant::Hidden, static_cast<MsgVariant>(1032)})
            EXPECT_THROW(lookup(v), std::out_of_range);
    try {
        MsgVariantToString(MsgVariant::Hidden);
        FAIL();
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "MsgVariantToString unrecognised variant");
    }
}

TEST(SixBitArmour, DecodesAndStopsAtTheCapacity)
{
    const Bytes bytes = {0xA2, 0x05, 0x11, 0xFF, 0x00, 0x7E};
    const std::string text = armour(bytes);
    EXPECT_EQ(text.size(), 8u);
    std::uint8_t out[6];
    ASSERT_EQ(decodeSixBitArmour(reinterpret_cast<const std::uint8_t*>(text.data()), 8, out, 6), 6);
    EXPECT_EQ(Bytes(out, out + 6), bytes);
    EXPECT_EQ(decodeSixBitArmour(reinterpret_cast<const std::uint8_t*>(text.data()), 8, out, 5), -1);
    // "0" is 0 and "w" (119 - 56 = 63) is all ones.
    EXPECT_EQ(decodeSixBitArmour(reinterpret_cast<const std::uint8_t*>("w0w0"), 4, out, 3), 3);
    EXPECT_EQ(Bytes(out, out + 3), (Bytes{0xFC, 0x0F, 0xC0}));
}

TEST_F(ReservedHidden, BemInsideProprietaryPgn)
{
    const Bytes message = ZrlTest::bst93(7, 126720, 255, 35, 0, {0x11, 0x99, 0xA2, 0x01, 0x00});
    MsgVariantInfo info = classifyBytes(message);
    EXPECT_EQ(info.raw, MsgVariant::N2k);
    EXPECT_EQ(info.effective, MsgVariant::BemDebug);
    EXPECT_EQ(info.source, 35u);
    EXPECT_EQ(MsgVariantToGroup(info.effective), 3u);
    EXPECT_EQ(MsgVariantToColour(info.effective), 0x008000u);

    StandardsLib::reservedFieldsHidden = true;
    EXPECT_EQ(classifyBytes(message).effective, MsgVariant::Hidden);
    EXPECT_EQ(classifyBytes(ZrlTest::bstMessage(0x11, {})).effective, MsgVariant::Hidden);
    EXPECT_EQ(classifyBytes(ZrlTest::bstMessage(0xA0, {})).effective, MsgVariant::BemCommand);
    EXPECT_EQ(classifyBytes(ZrlTest::bstMessage(0xA8, {})).effective, MsgVariant::Hidden);
    EXPECT_EQ(classifyBytes(ZrlTest::bstMessage(0xA9, {})).effective, MsgVariant::MdtControl) << "transfers keep their sampled data";
    EXPECT_EQ(classifyBytes(ZrlTest::bstMessage(0xC0, {})).effective, MsgVariant::MdtData);
}

TEST_F(ReservedHidden, OtherManufacturersAndPlainMessages)
{
    EXPECT_EQ(classifyBytes(ZrlTest::bst93(7, 126720, 255, 35, 0, {0x12, 0x99, 0xA2})).effective, MsgVariant::N2k);
    const MsgVariantInfo heading = classifyBytes(ZrlTest::bst93(2, 127250, 255, 9, 0, Bytes(8, 0)));
    EXPECT_EQ(heading.effective, MsgVariant::N2k);
    EXPECT_EQ(heading.source, 9u);
    EXPECT_EQ(classifyBytes(ZrlTest::bst94(2, 127250, 255, Bytes(8, 0))).source, 255u);
    EXPECT_EQ(classifyBytes(ZrlTest::bst95(0, {}, Bytes(8, 0))).effective, MsgVariant::CanFrame);
    EXPECT_EQ(classifyBytes({0x93, 0x01, 0x00}).effective, MsgVariant::N2k) << "an undecodable header keeps the id's variant";
    EXPECT_EQ(classifyBytes({}).effective, MsgVariant::Bst);
}

TEST_F(ReservedHidden, Sentences)
{
    EXPECT_EQ(classifyText("$GPGGA,1,2,3").effective, MsgVariant::N183);
    const std::string bemCommand = "!PQRDB,1,1," + armour({0xA0, 0x02, 0x01, 0x02}) + ",0*";
    MsgVariantInfo info = classifyText(bemCommand);
    EXPECT_EQ(info.raw, MsgVariant::N183);
    EXPECT_EQ(info.effective, MsgVariant::BemN183);
    EXPECT_EQ(classifyText("!PQRDB,1,1," + armour({0xA9, 0x00, 0x01}) + ",0*").effective, MsgVariant::MdtControl);
    EXPECT_EQ(classifyText("!PQRDB,1,1,").effective, MsgVariant::N183) << "too short to be a BEM sentence";
    EXPECT_EQ(classifyText("!PQRDB,1,1,0*").effective, MsgVariant::N183BadChar) << "too short to carry a message";
    EXPECT_EQ(classifyText("!PQRDB,1,1," + std::string(300, 'w') + ",0*").effective, MsgVariant::N183BadChar) << "more than 200 bytes";
}
