#include "messages/N183SentenceView.h"

#include <cstring>

namespace KelpLib {

namespace {

// Reads the talker and the formatter; returns the index after the formatter.
std::size_t parseHeader(N183SentenceView& view, const char* text, std::size_t length) {
    const bool proprietary = length > 1 && text[1] == 'P';
    const std::size_t talkerLength = proprietary ? 1 : 2;
    for (std::size_t i = 0; i < talkerLength && 1 + i < length; ++i)
        view.talker[i] = text[1 + i];
    const std::size_t start = 1 + talkerLength;
    view.formatterIndex = static_cast<std::uint8_t>(start);
    std::size_t end = start;
    while (end < length && text[end] != ',' && text[end] != '*')
        ++end;
    for (std::size_t i = start, n = 0; i < end && n < sizeof view.formatter - 1; ++i, ++n)
        view.formatter[n] = text[i];
    return end;
}

void splitFields(N183SentenceView& view, char* text, std::size_t first, std::size_t length) {
    view.firstFieldPosition = static_cast<std::uint16_t>(first);
    view.fieldStart[0] = static_cast<std::uint16_t>(first);
    std::size_t count = 1;
    for (std::size_t i = first; i < length; ++i) {
        if (text[i] == '*') {
            text[i] = 0;
            if (i + 1 < length)
                text[i + 1] = 0;
            break;
        }
        if (text[i] != ',')
            continue;
        text[i] = 0;
        if (count < kN183MaxFields)
            view.fieldStart[count++] = static_cast<std::uint16_t>(i + 1);
    }
    view.fieldCount = static_cast<std::uint8_t>(count);
}

} // namespace

N183SentenceView parseN183Sentence(N183SentenceRecord& record) {
    N183SentenceView view;
    const std::size_t length = record.length < kN183TextCapacity ? record.length : 0;
    char* text = record.text;
    view.length = static_cast<std::uint16_t>(length);
    view.text = text;
    if (length == 0 || (text[0] != '$' && text[0] != '!'))
        return view;
    view.startChar = text[0];
    const std::size_t end = parseHeader(view, text, length);
    if (end < length && text[end] == ',') {
        text[end] = 0;
        splitFields(view, text, end + 1, length);
    }
    return view;
}

std::string_view n183FieldText(const N183SentenceView& view, unsigned index) {
    if (index >= view.fieldCount || view.text == nullptr)
        return {};
    const std::size_t start = view.fieldStart[index];
    if (start >= view.length)
        return {};
    // Fields end at their terminator (a comma or '*' cut in place, an embedded NUL, or the
    // terminator at the end of the text), never beyond the text.
    return std::string_view(view.text + start, ::strnlen(view.text + start, view.length - start));
}

} // namespace KelpLib
