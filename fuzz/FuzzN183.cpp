// An NMEA 0183 sentence of arbitrary text: parse, field layout and every rendering.
#include "messages/N183MsgText.h"
#include "messages/N183ParsedSentence.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KelpLib::N183SentenceRecord record;
    record.length = static_cast<std::uint32_t>(std::min(size, KelpLib::kN183TextCapacity - 1));
    std::memcpy(record.text, data, record.length);
    record.text[record.length] = 0;
    KelpLib::N183ParsedSentence sentence(record);
    std::size_t total = sentence.name().size() + sentence.dataText().size() + KelpLib::N183MsgText::key(sentence).size();
    for (unsigned row = 0; row < 6; ++row)
        total += KelpLib::N183MsgText::titleRow(sentence, row).size();
    for (unsigned row = 0; row <= sentence.fieldInfos().size(); ++row)
        for (const char* column : {"Field", "Name", "Data", "Units", "Other"})
            total += KelpLib::N183MsgText::cellText(sentence, row, column).size();
    for (unsigned id = 0; id < 14; ++id)
        total += KelpLib::N183MsgText::listText(sentence, id).size();
    return total == 0 ? 0 : 0;
}
