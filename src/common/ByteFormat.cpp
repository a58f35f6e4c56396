#include "common/ByteFormat.h"

#include <cstring>

namespace KelpLib {

namespace {

constexpr std::uint32_t hexDumpLimit = 1000;
constexpr char hexDigits[] = "0123456789ABCDEF";

} // namespace

std::string hexDump(const std::uint8_t* data, std::uint32_t count, const char* prefix, const char* separator)
{
    if (data == nullptr)
        return "None";
    if (count == 0)
        return "<Zero size array>";
    if (count > hexDumpLimit)
        return "ERROR: ARRAY SIZE > 1000!";
    const std::size_t prefixLength = prefix ? std::strlen(prefix) : 0;
    const std::size_t separatorLength = separator ? std::strlen(separator) : 0;
    std::string text;
    text.reserve(count * (2 + prefixLength + separatorLength));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (i && separatorLength)
            text.append(separator, separatorLength);
        if (prefixLength)
            text.append(prefix, prefixLength);
        text.push_back(hexDigits[data[i] >> 4]);
        text.push_back(hexDigits[data[i] & 0x0F]);
    }
    return text;
}

std::string decimalList(const std::uint8_t* data, std::uint32_t count, const char* prefix, const char* separator)
{
    std::string text;
    if (data == nullptr)
        return text;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (prefix)
            text += prefix;
        text += std::to_string(data[i]);
        if (separator)
            text += separator;
    }
    return text;
}

std::string bytesAsText(const std::uint8_t* data, std::uint32_t count)
{
    return data ? std::string(reinterpret_cast<const char*>(data), count) : std::string();
}

} // namespace KelpLib
