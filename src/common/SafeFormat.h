#pragma once

#include <cstdarg>
#include <cstddef>
#include <memory>
#include <string>

namespace CommonLib {

// printf-style formatting into a buffer the object owns. The result is measured first and
// the buffer sized to fit, so texts of any length are formatted whole, never cut. When the buffer cannot
// be obtained (or the format is invalid) the text is empty and the length 0.
class SafeFormat {
public:
    SafeFormat() = default;
    SafeFormat(const SafeFormat&) = delete;
    SafeFormat& operator=(const SafeFormat&) = delete;

    // Replaces the text with the formatted result and returns it.
    const char* format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    const char* vformat(const char* fmt, std::va_list args) __attribute__((format(printf, 2, 0)));
    // Appends the formatted result behind the current text and returns the whole text.
    const char* append(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    const char* vappend(const char* fmt, std::va_list args) __attribute__((format(printf, 2, 0)));

    const char* text() const { return buffer ? buffer.get() : ""; }
    std::size_t length() const { return used; }
    std::string str() const { return std::string(text(), used); }

private:
    const char* printAt(std::size_t offset, const char* fmt, std::va_list args);
    void reset();

    std::unique_ptr<char[]> buffer;
    std::size_t used = 0;
};

// One-shot formatting into a std::string.
std::string safeFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace CommonLib
