#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace KelpLib {

constexpr std::size_t kN183TextCapacity = 300;
constexpr std::size_t kN183MaxFields = 25;

// A sentence as an element holds it: from its '$' or '!' up to, not including, CR LF.
struct N183SentenceRecord {
    std::uint32_t time = 0;
    std::uint32_t length = 0;
    char text[kN183TextCapacity] = {};
};

// The parse of a sentence record whose text has been cut into fields in place.
// Field starts are 16-bit: a 299-character sentence has fields beyond index 255.
struct N183SentenceView {
    std::uint16_t length = 0;
    std::uint16_t capacity = static_cast<std::uint16_t>(kN183TextCapacity);
    const char* text = nullptr;
    char startChar = 0;             // '$' or '!'; 0 when the text is not a sentence
    char talker[3] = {};            // two letters, or "P" for proprietary sentences
    char formatter[8] = {};         // up to 7 characters
    std::uint8_t fieldCount = 0;
    std::uint8_t formatterIndex = 0;  // where the formatter starts: 2 (proprietary) or 3
    std::uint16_t firstFieldPosition = 0;
    std::uint16_t fieldStart[kN183MaxFields] = {};
};

// Parses the header of `record` and cuts its text into fields in place: commas and the
// checksum's '*' become terminators. Nothing past record.length is read or written; the
// text at record.length must already be a terminator.
N183SentenceView parseN183Sentence(N183SentenceRecord& record);

// The text of field `index`, empty beyond the field count.
std::string_view n183FieldText(const N183SentenceView& view, unsigned index);

} // namespace KelpLib
