#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace StandardsLib {

// Texts of the numbers an NMEA 2000 device gives about itself: the industry group and
// manufacturer code of its NAME (and of proprietary PGNs), and its device class and function.
// Every lookup answers; numbers outside a table give that table's fixed unknown text. All data
// is constant, so any thread may call these.

// The 3-bit industry group: "Global, applies to all" ... "Not available" for 0-7,
// "Unknown Industry Group" for 8 and above.
std::string industryGroupName(std::uint8_t group);

// The NMEA 2000 manufacturer of an 11-bit code, else "Unknown NMEA 2000 Manufacturer ID".
std::string manufacturerName(std::uint16_t code);
// The manufacturer and its code as the details pane shows a manufacturer code: "Name (code)".
std::string manufacturerCodeText(std::uint16_t code);

// Device class and function come in two editions: one for devices built to database versions
// below 2.000 and one for 2.000 and later. `databaseVersion` is the number carried in PGN 126996
// (2000 stands for 2.000). The older edition answers when the version is below 2000 and it lists
// the number; otherwise the newer edition answers, ending in "Unknown v2000 device class" or
// "Unknown v2000 device function" when neither lists it.
constexpr std::uint16_t firstV2000DatabaseVersion = 2000;

std::string deviceClassName(std::uint8_t deviceClass, std::uint16_t databaseVersion);

// A function code is looked up only among the functions of its own class.
std::string deviceFunctionName(std::uint8_t deviceClass, std::uint8_t function,
                               std::uint16_t databaseVersion);

// One row of the manufacturer table.
struct ManufacturerRow_s {
    std::uint16_t code;
    const char* name;
};

// The manufacturer table in ascending code order (the lookup's binary search relies on it).
std::span<const ManufacturerRow_s> manufacturerRows();

} // namespace StandardsLib
