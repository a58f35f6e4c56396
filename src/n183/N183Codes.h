#pragma once

#include <cstdint>

// The data types and unit codes of the sentence library's field definitions. Rendering
// (N183FieldText) decorates a field's text by them; the message's field walk uses them to
// know which following fields a definition takes over (n183FieldsTaken).

namespace StandardsLib::N183DataType {
inline constexpr std::uint32_t Status = 1;              // a status, mode or reference letter
inline constexpr std::uint32_t Latitude = 2;            // ddmm.mmmm, hemisphere in the next field
inline constexpr std::uint32_t Longitude = 3;           // dddmm.mmmm, hemisphere in the next field
inline constexpr std::uint32_t Integer = 4;             // a count, number or code
inline constexpr std::uint32_t Time = 5;                // hhmmss.ss
inline constexpr std::uint32_t Decimal = 6;             // x.x
inline constexpr std::uint32_t Text = 7;                // identifier or free text
inline constexpr std::uint32_t AngleWithDirection = 11; // degrees, E/W (or other letter) next
inline constexpr std::uint32_t DateThreeFields = 13;    // day, month, year in three fields
inline constexpr std::uint32_t DistanceNoLetter = 15;   // a distance whose unit letter is not next
inline constexpr std::uint32_t AngleWithSide = 18;      // degrees, L/R in the next field
inline constexpr std::uint32_t Date = 20;               // ddmmyy
inline constexpr std::uint32_t LatitudeMinutes = 35;    // minutes, N/S in the next field
inline constexpr std::uint32_t LongitudeMinutes = 36;   // minutes, E/W in the next field
inline constexpr std::uint32_t SideLetter = 54;         // L or R
} // namespace StandardsLib::N183DataType

namespace StandardsLib::N183Unit {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Degrees = 1;
inline constexpr std::uint32_t DegreesMagnetic = 2;
inline constexpr std::uint32_t DegreesTrueOrMagnetic = 3;   // by the letter in the next field
inline constexpr std::uint32_t Celsius = 4;
inline constexpr std::uint32_t CelsiusDewPoint = 5;
inline constexpr std::uint32_t CelsiusOutside = 6;
inline constexpr std::uint32_t CelsiusSea = 7;
inline constexpr std::uint32_t DegreesPerMinute = 8;
inline constexpr std::uint32_t Fathoms = 10;
inline constexpr std::uint32_t Feet = 11;
inline constexpr std::uint32_t Inches = 12;
inline constexpr std::uint32_t Metres = 13;
inline constexpr std::uint32_t NauticalMiles = 14;
inline constexpr std::uint32_t RevsPerMinute = 16;
inline constexpr std::uint32_t Bar = 18;
inline constexpr std::uint32_t InchesHg = 19;
inline constexpr std::uint32_t Pascals = 20;
inline constexpr std::uint32_t Knots = 21;
inline constexpr std::uint32_t KnotsTrue = 22;
inline constexpr std::uint32_t Kph = 23;
inline constexpr std::uint32_t MetresPerSecond = 24;
inline constexpr std::uint32_t MetresPerSecondTrue = 25;
inline constexpr std::uint32_t Mph = 26;
inline constexpr std::uint32_t WindAngleReference = 27;     // by the R/T letter in the next field
inline constexpr std::uint32_t DegreesMagneticAlt = 28;
inline constexpr std::uint32_t Undefined = 29;
inline constexpr std::uint32_t DegreesTrueOrMagneticAlt = 30;
inline constexpr std::uint32_t KnotsMagnetic = 31;
inline constexpr std::uint32_t KnotsRelative = 32;
inline constexpr std::uint32_t KphRelative = 33;
inline constexpr std::uint32_t MetresPerSecondRelative = 34;
inline constexpr std::uint32_t MetresPerSecondMagnetic = 35;
} // namespace StandardsLib::N183Unit
