#pragma once
// What a device says about itself in Product Information (PGN 126996) and Configuration
// Information (PGN 126998), read from payloads that may be short or malformed.
#include <cstdint>
#include <optional>
#include <string>

namespace ZrlAnalysis {

struct ProductInformation {
    std::uint16_t n2kVersion = 0;  // 2100 stands for 2.100
    std::uint16_t productCode = 0;
    std::string modelId;
    std::string softwareVersion;
    std::string modelVersion;
    std::string serialCode;
    std::uint8_t certificationLevel = 0;
    std::uint8_t loadEquivalency = 0;  // in units of 50 mA
};

struct ConfigurationInformation {
    std::string installation1;
    std::string installation2;
    std::string manufacturerInformation;
};

// The fixed 134-byte layout: versions, four 32-byte texts, two levels. Nothing for a payload
// shorter than that.
std::optional<ProductInformation> readProductInformation(const std::uint8_t* payload, std::uint32_t length);

// Three texts, each a length byte (counting itself and the encoding byte), an encoding byte
// (0 UTF-16, 1 ASCII) and the characters. Texts are cleaned as the details pane cleans text
// fields (n2k/FieldText.h). A text that would reach past the payload ends the
// reading; the texts read until then are kept. Nothing when not even the first one is whole.
std::optional<ConfigurationInformation> readConfigurationInformation(const std::uint8_t* payload,
                                                                    std::uint32_t length);

}  // namespace ZrlAnalysis
