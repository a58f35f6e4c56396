#include "grid/GridCellTraits.h"

#include <gtest/gtest.h>

using namespace CommonLib;

// A colour is reported only once set (white and black included), each of the two on its own;
// unset, the first reads as white and the second as black.
TEST(GridCellTraits, ColoursAreMarkedSetIndependently)
{
    GridCellTraits traits;
    std::uint32_t colour = 1, second = 1;
    EXPECT_FALSE(traits.getColour(colour) || traits.getSecondColour(second));
    EXPECT_EQ(std::make_pair(colour, second), std::make_pair(0xFFFFFFu, 0u));
    traits.setSecondColour(0);
    EXPECT_TRUE(traits.getSecondColour(second) && !traits.getColour(colour));
    traits.setColour(0xFFFFFF);
    EXPECT_TRUE(traits.getColour(colour));
    traits.setColour(0x00A5FF);
    EXPECT_TRUE(traits.getColour(colour) && colour == 0x00A5FFu);
}
