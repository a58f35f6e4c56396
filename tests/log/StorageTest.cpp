// The log's storage: large-page blocks, the arena holding the elements' bytes, and the array
// whose items keep their addresses.
#include "log/ElementByteArena.h"
#include "log/LargePages.h"
#include "log/StableArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>
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

TEST(ElementByteArena, PiecesKeepTheirBytesAcrossBlocksAndLargePieces)
{
    KelpLib::ElementByteArena arena;
    EXPECT_EQ(arena.allocate(0), nullptr);
    EXPECT_EQ(arena.copy(nullptr, 4), nullptr);
    std::vector<std::pair<const std::uint8_t*, std::uint32_t>> pieces;
    // 100-byte pieces fill several 2 MiB blocks; a few large pieces take blocks of their own.
    for (std::uint32_t i = 0; i < 60000; ++i) {
        const std::vector<std::uint8_t> bytes(i % 7000 == 0 ? 600000 : 100, static_cast<std::uint8_t>(i));
        pieces.emplace_back(arena.copy(bytes.data(), static_cast<std::uint32_t>(bytes.size())), static_cast<std::uint32_t>(bytes.size()));
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const auto [piece, size] = pieces[i];
        ASSERT_NE(piece, nullptr);
        ASSERT_TRUE(piece[0] == std::uint8_t(i) && piece[size - 1] == std::uint8_t(i)) << i;
    }
    EXPECT_GE(arena.reserved(), 60000u * 100u);
    arena.clear();
    EXPECT_EQ(arena.reserved(), 0u);
}

// Items keep their addresses across chunks; clear destroys every item and the array is
// reusable; a throwing constructor (at the start of a new chunk) leaves it consistent.
TEST(StableArray, AddressesClearAndAThrowingConstructor)
{
    KelpLib::StableArray<std::shared_ptr<std::string>, 2> array; // chunks of four
    std::vector<const std::shared_ptr<std::string>*> addresses;
    for (int i = 0; i < 11; ++i)
        addresses.push_back(&array.emplace_back(std::make_shared<std::string>(std::to_string(i))));
    ASSERT_EQ(array.size(), 11u);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(&array[i], addresses[i]);
    std::string joined;
    std::vector<std::weak_ptr<std::string>> items;
    for (const auto& item : array)
        joined += *item, items.push_back(item);
    EXPECT_EQ(joined, "012345678910");
    array.clear();
    EXPECT_TRUE(std::all_of(items.begin(), items.end(), [](const auto& item) { return item.expired(); }));
    EXPECT_TRUE(array.empty() && !(array.begin() != array.end()));
    EXPECT_EQ(*array.emplace_back(std::make_shared<std::string>("x")), "x");
    EXPECT_EQ(array.size(), 1u);

    struct Picky {
        explicit Picky(int v) : value(v)
        {
            if (v < 0)
                throw std::invalid_argument("negative");
        }
        int value;
    };
    KelpLib::StableArray<Picky, 1> picky; // chunks of two
    picky.emplace_back(1);
    picky.emplace_back(2);
    EXPECT_THROW(picky.emplace_back(-1), std::invalid_argument); // a new chunk, no item
    for (int v : {3, 4, 5})
        picky.emplace_back(v);
    std::string values;
    for (const Picky& item : picky)
        values += std::to_string(item.value);
    EXPECT_EQ(values, "12345");
}
