#include "analysis/DeviceInformation.h"

#include <array>

namespace ZrlAnalysis {

namespace {

constexpr std::uint32_t productTextWidth = 32;
constexpr std::uint32_t productInformationLength = 4 + 4 * productTextWidth + 2;

std::uint16_t u16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | at[1] << 8); }

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 little-endian characters up to a NUL; a surrogate stands as U+FFFD.
std::string utf16Text(const std::uint8_t* bytes, std::uint32_t length)
{
    std::string text;
    for (std::uint32_t at = 0; at + 1 < length; at += 2) {
        const std::uint32_t code = u16(bytes + at);
        if (code == 0 || code == 0xFFFF)
            break;
        appendUtf8(text, code >= 0xD800 && code < 0xE000 ? 0xFFFD : code);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '@'))
        text.pop_back();
    return text;
}

}  // namespace

std::string cleanFieldText(const std::uint8_t* bytes, std::uint32_t length)
{
    std::uint32_t end = 0;
    while (end < length && bytes[end] != 0 && bytes[end] != 0xFF)
        ++end;
    while (end > 0 && (bytes[end - 1] == ' ' || bytes[end - 1] == '@'))
        --end;
    return std::string(reinterpret_cast<const char*>(bytes), end);
}

std::optional<ProductInformation> readProductInformation(const std::uint8_t* payload, std::uint32_t length)
{
    if (payload == nullptr || length < productInformationLength)
        return std::nullopt;
    ProductInformation info;
    info.n2kVersion = u16(payload);
    info.productCode = u16(payload + 2);
    const std::array<std::string*, 4> texts{&info.modelId, &info.softwareVersion, &info.modelVersion,
                                            &info.serialCode};
    for (std::size_t i = 0; i < texts.size(); ++i)
        *texts[i] = cleanFieldText(payload + 4 + i * productTextWidth, productTextWidth);
    info.certificationLevel = payload[4 + 4 * productTextWidth];
    info.loadEquivalency = payload[5 + 4 * productTextWidth];
    return info;
}

std::optional<ConfigurationInformation> readConfigurationInformation(const std::uint8_t* payload,
                                                                    std::uint32_t length)
{
    if (payload == nullptr)
        return std::nullopt;
    ConfigurationInformation info;
    const std::array<std::string*, 3> texts{&info.installation1, &info.installation2,
                                            &info.manufacturerInformation};
    std::uint32_t at = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (at + 2 > length || payload[at] < 2 || payload[at] > length - at)
            return i == 0 ? std::nullopt : std::optional(info);
        const std::uint32_t size = payload[at] - 2u;
        const std::uint8_t* chars = payload + at + 2;
        *texts[i] = payload[at + 1] == 0 ? utf16Text(chars, size) : cleanFieldText(chars, size);
        at += payload[at];
    }
    return info;
}

}  // namespace ZrlAnalysis
