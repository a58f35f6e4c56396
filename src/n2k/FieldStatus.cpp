#include "n2k/FieldStatus.h"

#include <array>

namespace StandardsLib {

namespace {

constexpr std::array<const char*, 16> statusTexts = {
    "Valid",
    "Derived",
    "Out of range",
    "Invalid",
    "Data not available",
    "Time Out",
    "Error",
    "Sign Error",
    "Multipler set to zero",
    "Overflow Error",
    "RESERVED",
    "N183 Units Incorrect",
    "N183 Units Missing",
    "No Data Yet",
    "Access to the status flag was invalid",
    "Unknown field status!!",
};

} // namespace

const char* fieldStatusText(std::uint32_t status)
{
    return status < statusTexts.size() ? statusTexts[status] : statusTexts[StatusUnknown];
}

} // namespace StandardsLib
