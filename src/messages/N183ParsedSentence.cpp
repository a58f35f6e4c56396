#include "messages/N183ParsedSentence.h"

#include "n183/CN183Lib.h"
#include "n183/N183FieldText.h"

#include <algorithm>
#include <cstring>

namespace KelpLib {

using StandardsLib::N183Field_s;
using StandardsLib::N183FieldInfo;

namespace {

constexpr std::size_t kFieldListReserve = 20;
constexpr std::size_t kDataFieldLimit = 100;
constexpr unsigned kNoRepeat = 255;

} // namespace

N183ParsedSentence::N183ParsedSentence(const N183SentenceRecord& source) : working(source) {
    if (working.length >= kN183TextCapacity)
        working.length = 0;
    working.text[working.length] = 0;
    parse = parseN183Sentence(working);
    const std::string_view formatterText(parse.formatter, std::strlen(parse.formatter));
    sentence = StandardsLib::findN183Sentence(StandardsLib::n183FormatterKey(formatterText));
    buildFieldList();
}

std::string_view N183ParsedSentence::fieldText(unsigned position) const {
    return n183FieldText(parse, position);
}

std::string N183ParsedSentence::name() const {
    return sentence && sentence->name ? std::string(sentence->name) : std::string("No name available");
}

std::string N183ParsedSentence::dataText() const {
    std::string out;
    for (unsigned i = 0; i < parse.fieldCount; ++i) {
        if (i > 0)
            out += ',';
        out += fieldText(i).substr(0, kDataFieldLimit);
    }
    return out;
}

// Walks the definitions over the sentence: each definition takes its own field and the
// companion fields n183FieldsTaken names; the one repeating group is laid over the sentence
// as often as its fields fit, at most maxRepeat times.
void N183ParsedSentence::buildFieldList() {
    infos.clear();
    infos.reserve(kFieldListReserve);
    if (!sentence || sentence->fieldCount == 0 || !sentence->fields)
        return;
    const unsigned definitions = sentence->fieldCount;
    std::uint32_t k = 1;
    unsigned i = 0;
    unsigned repeat = kNoRepeat;
    unsigned groupStart = 0;
    unsigned groupSize = 0;
    do {
        const N183Field_s& field = sentence->fields[i];
        N183FieldInfo info(this, k, &field);
        ++k;
        if (field.groupSize != 0 && repeat == kNoRepeat) {
            groupStart = i;
            groupSize = field.groupSize;
            const unsigned room = parse.fieldCount > i ? (parse.fieldCount - i) / groupSize : 0;
            repeat = std::min<unsigned>(field.maxRepeat, room);
        }
        ++i;
        if (repeat != 0 && repeat != kNoRepeat && i == groupStart + groupSize) {
            --repeat;
            if (repeat != 0)
                i = groupStart;
        }
        k += StandardsLib::n183FieldsTaken(field);
        infos.push_back(info);
    } while (i < definitions);
}

} // namespace KelpLib
