#include "log/ElementByteArena.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using KelpLib::ElementByteArena;

TEST(ElementByteArena, PiecesKeepTheirBytesAcrossBlocksAndLargePieces)
{
    ElementByteArena arena;
    EXPECT_EQ(arena.allocate(0), nullptr);
    EXPECT_EQ(arena.copy(nullptr, 4), nullptr);
    std::vector<std::pair<const std::uint8_t*, std::uint8_t>> pieces;
    // 100-byte pieces fill several 2 MiB blocks; a few large pieces take blocks of their own.
    for (std::uint32_t i = 0; i < 60000; ++i) {
        const std::uint32_t size = i % 7000 == 0 ? 600000 : 100;
        std::vector<std::uint8_t> bytes(size, static_cast<std::uint8_t>(i));
        pieces.emplace_back(arena.copy(bytes.data(), size), static_cast<std::uint8_t>(i));
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::uint32_t size = i % 7000 == 0 ? 600000 : 100;
        const auto [piece, value] = pieces[i];
        ASSERT_NE(piece, nullptr);
        EXPECT_EQ(piece[0], value);
        EXPECT_EQ(piece[size - 1], value);
    }
    EXPECT_GE(arena.reserved(), 60000u * 100u);
    arena.clear();
    EXPECT_EQ(arena.reserved(), 0u);
}
