#include "log/EncryptKeys.h"

#include <cstddef>
#include <string_view>

namespace KelpLib::EncryptKeys {

namespace {

// The bytes of a text literal of exactly N characters, without its terminating 0.
template <std::size_t N>
constexpr std::array<std::uint8_t, N> textBytes(std::string_view text)
{
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N && i < text.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(text[i]);
    return bytes;
}

constexpr std::string_view k3Text = "Salt-Wind-07Q";

constexpr std::string_view k4Text =
    "Grey gulls wheel above the breakwater while the tide turns slowly; a small boat rounds the "
    "green buoy, its log humming with frames from the engine, the depth sounder and the wind vane. "
    "Every byte is kept, every second is stamped, and the keeper of the harbour light reads them at "
    "night by the glow of an old amber lamp. North of the point the kelp beds sway in long cold "
    "swells, and the anchor chain sings against the fairlead. Morning brings fog, then sun, then the "
    "ferry with its bells. Charts are folded, coffee is poured, the radio crackles for the wide banks.";

constexpr std::string_view k5Text =
    "Seventeen knots from the south-west, backing west later; sea state moderate, visibility good "
    "except in showers. Pressure falling slowly. Keep a sharp lookout by the reef.";

static_assert(k3Text.size() == 13, "K3 is a text of 13 characters");
static_assert(k4Text.size() == 564, "K4 is a text of 564 characters");
static_assert(k5Text.size() == 170, "K5 is a text of 170 characters");

} // namespace

const std::array<std::uint8_t, 13> K3 = textBytes<13>(k3Text);
const std::array<std::uint8_t, 564> K4 = textBytes<564>(k4Text);
const std::array<std::uint8_t, 170> K5 = textBytes<170>(k5Text);

const std::array<std::uint32_t, 39> T39 = {
    0xDC73297E, 0x9B986848, 0x55FC62EC, 0x7B45FAA7, 0xB7385C41, 0x84D6896C,
    0x5003CD40, 0xDC253FAE, 0x400D79ED, 0x5F6E7034, 0xE44EAC48, 0xE41A1A37,
    0x9C6F772D, 0x021A04DA, 0xD9047304, 0x73BB6B05, 0x622CF103, 0xAEE06A51,
    0xF5A7BBD7, 0x8EAA3282, 0xA848AE8D, 0x1F1408E3, 0xDE6FADDE, 0xA83AD9DD,
    0xBE9FE3E4, 0x322547D9, 0x6C378A1B, 0x8DAD3F8F, 0x627C8517, 0x549CD68B,
    0x1569F13A, 0x7B6FFEED, 0xC96272DB, 0x45146281, 0xA9D11ED5, 0x712A9CAC,
    0x5C727A4B, 0x2AB5F0E6, 0xA10A6AFB,
};

const std::array<std::uint8_t, 28> T28 = {
    0x7D, 0x23, 0x4D, 0x58, 0x3C, 0x46, 0xEF, 0xF6, 0x8C, 0x30, 0xEE, 0x8B, 0xA1, 0xB0,
    0x34, 0x24, 0xB1, 0x6E, 0x94, 0xB6, 0xC2, 0x38, 0xFD, 0xB4, 0x72, 0xB2, 0x0E, 0x10,
};

const std::array<std::uint8_t, 55> T55 = {
    0x3D, 0x19, 0x82, 0xCF, 0xC3, 0x97, 0x6E, 0xA6, 0x83, 0xC7, 0x68, 0x4C, 0x50, 0x67,
    0xE8, 0xED, 0x42, 0x6A, 0xE6, 0x58, 0xC7, 0x91, 0xAA, 0xF2, 0xB0, 0x71, 0xA6, 0x9D,
    0x3D, 0xA8, 0x1E, 0x2A, 0xED, 0xAC, 0x1B, 0x62, 0x5D, 0x22, 0xC3, 0x84, 0xFC, 0x70,
    0x2A, 0x24, 0x5B, 0x71, 0x4A, 0x8A, 0x77, 0x5C, 0xA0, 0x47, 0x62, 0x0B, 0x7C,
};

} // namespace KelpLib::EncryptKeys
