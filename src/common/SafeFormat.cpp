#include "common/SafeFormat.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

namespace CommonLib {

const char* SafeFormat::format(const char* fmt, ...)
{
    std::va_list args;
    va_start(args, fmt);
    const char* result = vformat(fmt, args);
    va_end(args);
    return result;
}

const char* SafeFormat::vformat(const char* fmt, std::va_list args)
{
    return printAt(0, fmt, args);
}

const char* SafeFormat::append(const char* fmt, ...)
{
    std::va_list args;
    va_start(args, fmt);
    const char* result = vappend(fmt, args);
    va_end(args);
    return result;
}

const char* SafeFormat::vappend(const char* fmt, std::va_list args)
{
    return printAt(used, fmt, args);
}

// Measures the result and prints it at offset (over the terminating zero of the current
// text) in a buffer of offset + length + 1 bytes. The result is always printed into a fresh
// buffer and the old one released afterwards, so an argument may be this object's own text.
// Any failure leaves an empty text.
const char* SafeFormat::printAt(std::size_t offset, const char* fmt, std::va_list args)
{
    if (fmt == nullptr) {
        reset();
        return text();
    }
    std::va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, fmt, measure);
    va_end(measure);
    if (needed < 0 || static_cast<std::size_t>(needed) > std::numeric_limits<std::size_t>::max() - offset - 1) {
        reset();
        return text();
    }
    const std::size_t size = offset + static_cast<std::size_t>(needed) + 1;
    std::unique_ptr<char[]> fresh(new (std::nothrow) char[size]);
    if (!fresh) {
        reset();
        return text();
    }
    if (offset > 0)
        std::memcpy(fresh.get(), buffer.get(), offset);
    std::vsnprintf(fresh.get() + offset, size - offset, fmt, args);
    buffer = std::move(fresh);
    used = size - 1;
    return buffer.get();
}

void SafeFormat::reset()
{
    used = 0;
    if (buffer)
        buffer[0] = '\0';
}

std::string safeFormat(const char* fmt, ...)
{
    SafeFormat formatter;
    std::va_list args;
    va_start(args, fmt);
    formatter.vformat(fmt, args);
    va_end(args);
    return formatter.str();
}

} // namespace CommonLib
