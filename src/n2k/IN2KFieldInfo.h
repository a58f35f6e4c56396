#pragma once

#include <cstdint>
#include <string>

namespace StandardsLib {

// One field occurrence of one NMEA 2000 message, as the message's field table shows it.
class IN2KFieldInfo {
public:
    virtual ~IN2KFieldInfo() = default;
    // The unscaled integer value, or "Invalid value".
    virtual std::string rawValueText() const = 0;
    virtual bool unitsShown() const = 0;
    virtual bool setUnitsShown(bool shown) = 0;
    // 1-based position in the message's field list.
    virtual std::string ordinalText() const = 0;
    virtual std::string name() const = 0;
    // The rendered value; `converted` asks for the mariner's units (knots, degrees, ...).
    virtual std::string valueText(bool converted) const = 0;
    virtual std::uint32_t bitLength() const = 0;
    virtual std::string unitsText(bool converted) const = 0;
};

} // namespace StandardsLib
