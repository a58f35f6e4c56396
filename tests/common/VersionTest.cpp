#include "common/Version.h"

#include <gtest/gtest.h>

#include <string>

TEST(Version, ComesFromTheBuild)
{
    EXPECT_EQ(std::string(CommonLib::versionText()), "2.0.0");
}
