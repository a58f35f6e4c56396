#pragma once

#include <cstdint>

namespace StandardsLib {

// The status of a decoded field value. Shared by the NMEA 2000 and NMEA 0183 libraries.
enum FieldStatus : std::uint32_t {
    StatusValid = 0,
    StatusDerived = 1,
    StatusOutOfRange = 2,
    StatusInvalid = 3,
    StatusDataNotAvailable = 4,
    StatusTimeOut = 5,
    StatusError = 6,
    StatusSignError = 7,
    StatusMultiplierZero = 8,
    StatusOverflow = 9,
    StatusReserved = 10,
    StatusN183UnitsIncorrect = 11,
    StatusN183UnitsMissing = 12,
    StatusNoDataYet = 13,
    StatusAccessInvalid = 14,
    StatusUnknown = 15,
};

// The fixed text of a status number; numbers outside the table read "Unknown field status!!".
const char* fieldStatusText(std::uint32_t status);

} // namespace StandardsLib
