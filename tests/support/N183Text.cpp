#include "support/N183Text.h"

#include <cstdio>
#include <cstring>

namespace ZrlTest {

std::string withN183Checksum(std::string_view sentence) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < sentence.size(); ++i)
        sum ^= static_cast<unsigned char>(sentence[i]);
    char tail[4];
    std::snprintf(tail, sizeof tail, "*%02X", sum & 0xFF);
    return std::string(sentence) + tail;
}

std::string cp1252Degrees(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\xC2' && i + 1 < utf8.size() && utf8[i + 1] == '\xB0') {
            out += '\xB0';
            ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

KelpLib::N183SentenceRecord n183Record(std::string_view text) {
    KelpLib::N183SentenceRecord record;
    const std::size_t n = text.size() < KelpLib::kN183TextCapacity ? text.size() : 0;
    std::memcpy(record.text, text.data(), n);
    record.length = static_cast<std::uint32_t>(n);
    return record;
}

} // namespace ZrlTest
