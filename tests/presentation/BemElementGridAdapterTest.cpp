#include "presentation/ElementPresentation.h"
#include "grid/IGrid.h"
#include "grid/IGridTable.h"
#include "log/ZRLElement.h"
#include "messages/BemMsgGridAdapter.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

std::unique_ptr<ZRLElement> elementOf(const MsgVariantInfo& variant, const Bytes& bytes)
{
    auto element = std::make_unique<ZRLElement>(ElementTime(), variant);
    element->setBytes(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    return element;
}

} // namespace

TEST(BemElementGridAdapter, BemVariantsGetTheBemAdapter)
{
    const Bytes request = {0xA1, 0x01, 0x10};
    for (MsgVariant variant : {1024u, 1025u, 1026u, 1027u, 1028u, 1029u, 1030u, 1031u, 1032u}) {
        const auto element = elementOf(MsgVariantInfo{variant, variant, 0}, request);
        const auto grid = KelpLib::elementGrid(*element);
        ASSERT_TRUE(grid) << variant;
        EXPECT_EQ(grid->getName(), "BemMsg") << variant;
        ASSERT_TRUE(std::dynamic_pointer_cast<BemMsgGridAdapter>(grid)) << variant;
        EXPECT_EQ(grid->findTable("list")->getCellText(0, "Name"), "ddHardwareInfoPG") << variant;
    }
}

TEST(BemElementGridAdapter, BemMessageCarriedInThePgnIsShownItself)
{
    // PGN 126720 with the maker's code 273 and industry group 4, then the BEM command.
    const Bytes carried = ZrlTest::bst93(3, 126720, 0x23, 0x01, 0, {0x11, 0x99, 0xA1, 0x02, 0x17, 0x01});
    const auto element = elementOf(MsgVariantInfo{VariantN2k, VariantBemCommand, 1}, carried);
    const auto grid = KelpLib::elementGrid(*element);
    EXPECT_EQ(grid->getName(), "BemMsg");
    EXPECT_EQ(grid->findTable("title")->getCellText(0, ""), "ddPortBaudratePG (BEM Command 0xA117::1)");
    EXPECT_EQ(grid->findTable("fields")->getCellText(0, "Data"), "1");
}
