#pragma once

#include <cstdint>
#include <string>

namespace StandardsLib {

// Texts of the numeric identifiers that the maker's devices report about themselves (hardware
// information and related BEM responses). Every lookup answers; identifiers outside a table
// give that table's fixed unknown text.

// Log-file codec: "No Codec" ... "QRD Codec 4/File", else "Unknown Codec ID".
const char* codecName(std::uint32_t id);

// Microcontroller architecture, else "Unknown Microcontroller Architecture ID".
const char* microcontrollerName(std::uint32_t id);

// Physical layer and protocol (high bits 0 serial, 32 CAN, 64 Ethernet), else "Unknown HP code".
const char* hardwareProtocolName(std::uint32_t code);

// Interface, output variant, power and drop, or transducer frequency of a model; otherwise
// "Unknown Model Sub ID (<id>)".
std::string modelSubIdName(std::uint32_t id);

// Number of device models; model ids run from 0 to modelCount - 1.
constexpr std::uint32_t modelCount = 52;

// The device model, else "Unknown Model ID".
const char* modelName(std::uint32_t id);

// The current operating mode of a device of the given model: "Invalid Model ID" for a model id
// outside the table, "Model ID not defined, cannot decode Op. Mode" for a model without modes,
// "Unknown Op. Mode" for a mode its model does not list.
const char* operatingModeName(std::uint32_t modelId, std::uint32_t mode);

} // namespace StandardsLib
