#include "log/LargePages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

TEST(LargePages, BlocksAreAlignedZeroedAndWritableToTheirLastByte)
{
    EXPECT_EQ(KelpLib::allocateLargePages(0), nullptr);
    EXPECT_EQ(KelpLib::allocateLargePages(SIZE_MAX - 100), nullptr) << "refused, not wrapped round";
    for (const std::size_t size : {std::size_t(1), std::size_t(4097), KelpLib::largePageSize * 3 + 1}) {
        auto* block = static_cast<std::uint8_t*>(KelpLib::allocateLargePages(size));
        ASSERT_NE(block, nullptr) << size;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % KelpLib::largePageSize, 0u) << size;
        EXPECT_EQ(block[0], 0);
        EXPECT_EQ(block[size - 1], 0);
        std::memset(block, 0xA5, size);
        EXPECT_EQ(block[size - 1], 0xA5);
        KelpLib::freeLargePages(block, size);
    }
}
