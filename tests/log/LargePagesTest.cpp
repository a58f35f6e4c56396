#include "log/LargePages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

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

TEST(LargePages, VectorGrowsFromSmallAllocationsIntoLargePagesKeepingItsItems)
{
    std::vector<std::uint32_t, KelpLib::LargePageAllocator<std::uint32_t>> items;
    const std::uint32_t count = 3 * KelpLib::largePageSize / sizeof(std::uint32_t);
    for (std::uint32_t i = 0; i < count; ++i)
        items.push_back(i * 2654435761u);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(items.data()) % KelpLib::largePageSize, 0u);
    for (std::uint32_t i = 0; i < count; i += 4099)
        ASSERT_EQ(items[i], i * 2654435761u) << i;
    items.resize(10);
    items.shrink_to_fit(); // back to an ordinary allocation
    EXPECT_EQ(items.back(), 9 * 2654435761u);
    EXPECT_THROW(items.get_allocator().allocate(SIZE_MAX / 2), std::bad_array_new_length);
}
