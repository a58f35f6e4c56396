#include "analysis/SentenceRecord.h"

#include "log/ZRLElement.h"

#include <cstring>

namespace ZrlAnalysis {

bool parseSentenceElement(const KelpLib::ZRLElement& element, std::string_view formatter, ParsedSentenceElement& out)
{
    if (element.effectiveVariant() != KelpLib::MsgVariant::N183)
        return false;
    const std::uint32_t length = element.length();
    if (length < 2 || length >= KelpLib::kN183TextCapacity || formatter.empty())
        return false;
    // Cheap test first: the formatter follows a two-letter talker ("P" for proprietary sentences).
    const char* text = reinterpret_cast<const char*>(element.data());
    const std::size_t start = text[1] == 'P' ? 2 : 3;
    if (start + formatter.size() > length || std::memcmp(text + start, formatter.data(), formatter.size()) != 0)
        return false;
    out.record.length = length;
    std::memcpy(out.record.text, text, length);
    out.record.text[length] = 0;
    out.view = KelpLib::parseN183Sentence(out.record);
    return formatter == out.view.formatter;
}

} // namespace ZrlAnalysis
