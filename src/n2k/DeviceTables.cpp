#include "n2k/DeviceTables.h"

#include <array>
#include <iterator>

namespace StandardsLib {
namespace {

constexpr std::array<const char*, 5> codecs = {
    "No Codec", "Nibble Huffman", "File-8 Huffman", "QRD Codec 3/BST", "QRD Codec 4/File",
};

constexpr std::array<const char*, 13> microcontrollers = {
    "PIC 18F1220", "PIC 18F1320", "PIC 18F2420", "PIC 18F2580", "PIC 18F6680",
    "Fuji 'F498", "Ti 'C5502", "ARM STR711", "ARM STR712", "STM32F107",
    "STM32F105", "STM32F207_VET", "STM32F207_IGH",
};

struct HardwareProtocol_s {
    std::uint32_t code;
    const char* text;
};

constexpr std::array<HardwareProtocol_s, 7> hardwareProtocols = {{
    {0, "Serial, NMEA 0183"},
    {1, "Serial, BST"},
    {32, "CAN, NMEA 2000"},
    {33, "CAN, J1939"},
    {64, "Ethernet, BST"},
    {65, "Ethernet, NMEA 0183"},
    {66, "Ethernet, OneNet"},
}};

// One range of model sub-identifiers: the first id and the texts of consecutive ids.
struct SubIdRange_s {
    std::uint32_t first;
    const char* const* texts;
    std::uint32_t count;
};

constexpr const char* interfaceSubIds[] = {
    "RS232", "RS485", "NMEA 2000", "USB", "Ethernet", "Bluetooth", "ZigBee",
    "RS422", "Analogue", "ISO-Drive", "Chip Only", "J-1939", "ModBus", "WiFi",
};
constexpr const char* outputSubIds[] = {
    "5 Outputs", "6 Outputs", "6 ISO Outs", "XIU", "ST1", "ST2", "ST3", "NH1", "TY1", "12 ISO Outs",
};
constexpr const char* powerSubIds[] = {
    "Power & Drop", "Drop Only", "Power Only", "Pwr, Drop, PWM",
};
constexpr const char* frequencySubIds[] = {
    "150 kHz", "170 kHz", "200 kHz", "235 kHz", "189 kHz", "217 kHz", "000 kHz",
};

constexpr std::array<SubIdRange_s, 4> subIdRanges = {{
    {0, interfaceSubIds, static_cast<std::uint32_t>(std::size(interfaceSubIds))},
    {32, outputSubIds, static_cast<std::uint32_t>(std::size(outputSubIds))},
    {64, powerSubIds, static_cast<std::uint32_t>(std::size(powerSubIds))},
    {96, frequencySubIds, static_cast<std::uint32_t>(std::size(frequencySubIds))},
}};

template <std::size_t N>
const char* indexed(const std::array<const char*, N>& table, std::uint32_t id, const char* unknown)
{
    return id < N ? table[id] : unknown;
}

} // namespace

const char* codecName(std::uint32_t id)
{
    return indexed(codecs, id, "Unknown Codec ID");
}

const char* microcontrollerName(std::uint32_t id)
{
    return indexed(microcontrollers, id, "Unknown Microcontroller Architecture ID");
}

const char* hardwareProtocolName(std::uint32_t code)
{
    for (const HardwareProtocol_s& row : hardwareProtocols)
        if (row.code == code)
            return row.text;
    return "Unknown HP code";
}

std::string modelSubIdName(std::uint32_t id)
{
    for (const SubIdRange_s& range : subIdRanges)
        if (id >= range.first && id - range.first < range.count)
            return range.texts[id - range.first];
    return "Unknown Model Sub ID (" + std::to_string(id) + ")";
}

} // namespace StandardsLib
