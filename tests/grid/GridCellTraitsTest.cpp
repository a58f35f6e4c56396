#include "grid/GridCellTraits.h"

#include <gtest/gtest.h>

using namespace CommonLib;

TEST(GridCellTraits, DefaultsAreTextLeftAndNoColours)
{
    GridCellTraits traits;
    std::uint32_t colour = 1;
    std::uint32_t second = 1;
    EXPECT_EQ(traits.alignment, 0);
    EXPECT_EQ(traits.editorKind, 2);
    EXPECT_FALSE(traits.getColour(colour));
    EXPECT_EQ(colour, 0xFFFFFFu);
    EXPECT_FALSE(traits.getSecondColour(second));
    EXPECT_EQ(second, 0u);
}

TEST(GridCellTraits, ColoursAreMarkedSetIndependently)
{
    GridCellTraits traits;
    std::uint32_t value = 0;
    traits.setSecondColour(0);
    EXPECT_TRUE(traits.getSecondColour(value));
    EXPECT_EQ(value, 0u);
    EXPECT_FALSE(traits.getColour(value));

    traits.setColour(0x00A5FF);
    EXPECT_TRUE(traits.getColour(value));
    EXPECT_EQ(value, 0x00A5FFu);
    traits.setColour(0xFFFFFF);
    EXPECT_TRUE(traits.getColour(value));
    EXPECT_EQ(value, 0xFFFFFFu);
}

TEST(GridCellTraits, EditorKindNumbers)
{
    EXPECT_EQ(GridEditorDropDown, 0);
    EXPECT_EQ(GridEditorNumeric, 1);
    EXPECT_EQ(GridEditorText, 2);
    EXPECT_EQ(GridEditorCheckBox, 3);
    EXPECT_EQ(GridAlignCentre, 2);
}
