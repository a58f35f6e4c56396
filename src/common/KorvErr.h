#pragma once

#include "common/ErrorCatalogue.h"

#include <cstdint>
#include <exception>
#include <string>

namespace CommonLib {

// A failure that travels as an exception: a catalogue code, its message and a context text
// (where or what failed). An empty message is replaced by "KorvErr: " and the code's catalogue
// message (at most 100 characters of it).
class KorvErr : public std::exception {
public:
    KorvErr(std::int32_t code, std::string message = {}, std::string context = {});

    const char* what() const noexcept override { return message.c_str(); }
    std::int32_t getCode() const { return code; }
    const std::string& getMessage() const { return message; }
    const std::string& getContext() const { return context; }

private:
    std::int32_t code;
    std::string message;
    std::string context;
};

} // namespace CommonLib
