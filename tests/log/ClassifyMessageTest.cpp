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

MsgVariantInfo classifyBytes(const Bytes& bytes)
{
    return classifyMessage(bytes.data(), static_cast<std::uint32_t>(bytes.size()), true);
}

MsgVariantInfo classifyText(const std::string& text)
{
    return classifyMessage(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint32_t>(text.size()), false);
}

class ReservedHidden : public ::testing::Test {
protected:
    void TearDown() override { StandardsLib::reservedFieldsHidden = false; }
};

} // namespace

// The kinds end at 1031: 1032 is no kind, and Hidden has no group, colour or name.
TEST(MsgVariant, LookupsRefuseWhatIsNoKind)
{
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
    const std::string text = "`PDAwh1v"; // 0xA2 0x05 0x11 0xFF 0x00 0x7E
    std::uint8_t out[6];
    ASSERT_EQ(decodeSixBitArmour(reinterpret_cast<const std::uint8_t*>(text.data()), 8, out, 6), 6);
    EXPECT_EQ(Bytes(out, out + 6), (Bytes{0xA2, 0x05, 0x11, 0xFF, 0x00, 0x7E}));
    EXPECT_EQ(decodeSixBitArmour(reinterpret_cast<const std::uint8_t*>(text.data()), 8, out, 5), -1);
    // "0" is 0 and "w" (119 - 56 = 63) is all ones.
    EXPECT_EQ(decodeSixBitArmour(reinterpret_cast<const std::uint8_t*>("w0w0"), 4, out, 3), 3);
    EXPECT_EQ(Bytes(out, out + 3), (Bytes{0xFC, 0x0F, 0xC0}));
}

// The raw and effective kind and the source of BST messages; with the reserved fields hidden,
// the engineering kinds hide (a transfer keeps its sampled data).
TEST_F(ReservedHidden, BstMessages)
{
    const Bytes bemInPgn = ZrlTest::bst93(7, 126720, 255, 35, 0, {0x11, 0x99, 0xA2, 0x01, 0x00});
    using V = MsgVariant;
    const struct {
        Bytes message;
        bool hidden;
        MsgVariant raw, effective;
        std::uint32_t source;
    } cases[] = {
        {bemInPgn, false, V::N2k, V::BemDebug, 35},
        {bemInPgn, true, V::N2k, V::Hidden, 35},
        {ZrlTest::bst93(7, 126720, 255, 35, 0, {0x12, 0x99, 0xA2}), true, V::N2k, V::N2k, 35}, // another maker
        {ZrlTest::bst93(2, 127250, 255, 9, 0, Bytes(8, 0)), true, V::N2k, V::N2k, 9},
        {ZrlTest::bst94(2, 127250, 255, Bytes(8, 0)), false, V::N2k, V::N2k, 255},
        {ZrlTest::bst95(0, {}, Bytes(8, 0)), false, V::CanFrame, V::CanFrame, 0},
        {{0x93, 0x01, 0x00}, false, V::N2k, V::N2k, 0}, // an undecodable header keeps the id's variant
        {{}, false, V::Bst, V::Bst, 0},
        {{0x97}, false, V::Bst, V::Bst, 0},
        {ZrlTest::bstMessage(0x11, {}), false, V::Reboot, V::Reboot, 0},
        {ZrlTest::bstMessage(0x11, {}), true, V::Reboot, V::Hidden, 0},
        {ZrlTest::bstMessage(0xA0, {}), true, V::BemCommand, V::BemCommand, 0},
        {ZrlTest::bstMessage(0xA8, {}), false, V::BemBootEnciphered, V::BemBootEnciphered, 0},
        {ZrlTest::bstMessage(0xA8, {}), true, V::BemBootEnciphered, V::Hidden, 0},
        {ZrlTest::bstMessage(0xA9, {}), true, V::MdtControl, V::MdtControl, 0},
        {ZrlTest::bstMessage(0xC0, {}), true, V::MdtData, V::MdtData, 0},
    };
    for (const auto& c : cases) {
        StandardsLib::reservedFieldsHidden = c.hidden;
        const MsgVariantInfo info = classifyBytes(c.message);
        const std::string row = std::to_string(msgVariantNumber(info.raw)) + " " + std::to_string(msgVariantNumber(info.effective)) + " " + std::to_string(info.source);
        EXPECT_EQ(row, std::to_string(msgVariantNumber(c.raw)) + " " + std::to_string(msgVariantNumber(c.effective)) + " " + std::to_string(c.source))
            << (c.message.empty() ? -1 : c.message[0]) << " hidden " << c.hidden;
    }
}

// Sentences, and BEM messages armoured in "!PQRDB" sentences of up to 200 bytes.
TEST_F(ReservedHidden, Sentences)
{
    const std::pair<std::string, MsgVariant> cases[] = {
        {"$GPGGA,1,2,3", MsgVariant::N183},
        {"!PQRDB,1,1,`0810P,0*", MsgVariant::BemN183}, // 0xA0 0x02 0x01 0x02
        {"!PQRDB,1,1,b@01,0*", MsgVariant::MdtControl}, // 0xA9 0x00 0x01
        {"!PQRDB,1,1,", MsgVariant::N183},              // too short to be a BEM sentence
        {"!PQRDB,1,1,0*", MsgVariant::N183BadChar},     // too short to carry a message
        {"!PQRDB,1,1," + std::string(300, 'w') + ",0*", MsgVariant::N183BadChar}, // more than 200 bytes
    };
    for (const auto& [text, effective] : cases) {
        const MsgVariantInfo info = classifyText(text);
        EXPECT_EQ(info.raw, MsgVariant::N183) << text;
        EXPECT_EQ(info.effective, effective) << text;
    }
}
