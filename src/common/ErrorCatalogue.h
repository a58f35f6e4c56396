#pragma once

#include <cstdint>

namespace CommonLib {

// One record of the error catalogue: a code and its message (Windows-1252 text).
struct ErrorRecord_s {
    std::int32_t code;
    const char* message;
};

// The text of an error or warning code: the message of the first catalogue record with that
// code, or "Error Code meaning not defined!" when no record has it.
const char* errorMessage(std::int32_t code);

// The catalogue in its table order.
const ErrorRecord_s* errorCatalogue();
std::uint32_t errorCatalogueSize();

} // namespace CommonLib
