#include "analysis/DeviceInformation.h"

#include "n2k/FieldText.h"

#include <array>

namespace ZrlAnalysis {

namespace {

constexpr std::uint32_t productTextWidth = 32;
constexpr std::uint32_t productInformationLength = 4 + 4 * productTextWidth + 2;

std::uint16_t u16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | at[1] << 8); }

}  // namespace

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
        *texts[i] = StandardsLib::cleanText(payload + 4 + i * productTextWidth, productTextWidth);
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
        *texts[i] = payload[at + 1] == 0 ? StandardsLib::cleanUtf16Text(chars, size) : StandardsLib::cleanText(chars, size);
        at += payload[at];
    }
    return info;
}

}  // namespace ZrlAnalysis
