#include "messages/N183MsgText.h"

namespace KelpLib::N183MsgText {

namespace {

constexpr std::uint8_t kBstN183Id = 0x9D;
constexpr std::uint32_t kBstTextLimit = 251;

enum ListColumn : unsigned { Talker = 3, Formatter = 4, Size = 8, Data = 9 };

} // namespace

std::string titleRow(const N183ParsedSentence& sentence, unsigned row) {
    switch (row) {
    case 0: return "Formatter " + sentence.formatter();
    case 1: return sentence.name();
    case 2: return "Length = " + std::to_string(static_cast<int>(sentence.view().length));
    case 3: return "Number of fields = " + std::to_string(sentence.fieldInfos().size());
    default: return "Error in title row";
    }
}

std::string rowHeader(int row) {
    return "Field = " + std::to_string(row);
}

std::string columnName(unsigned column) {
    static const char* const names[kColumnCount] = {"Field", "Name", "Data", "Units"};
    return column < kColumnCount ? names[column] : "Error";
}

std::string cellText(const N183ParsedSentence& sentence, unsigned row, std::string_view column) {
    const auto& infos = sentence.fieldInfos();
    if (row >= infos.size())
        return "Row out of range";
    const auto& info = infos[row];
    if (column == "Field")
        return info.ordinalText();
    if (column == "Name")
        return info.name();
    if (column == "Data")
        return info.valueText();
    if (column == "Units")
        return info.unitsText();
    return "Column out of range";
}

std::string listText(const N183ParsedSentence& sentence, unsigned columnId) {
    switch (columnId) {
    case Talker: return sentence.talker();
    case Formatter: return sentence.formatter();
    case Size: return std::to_string(static_cast<unsigned>(sentence.view().length));
    case Data: return sentence.dataText();
    default: return {};
    }
}

std::string key(const N183ParsedSentence& sentence) {
    return sentence.talker() + "_" + sentence.formatter();
}

std::vector<std::uint8_t> bst9D(const N183SentenceRecord& sentence) {
    const bool fits = sentence.length < kBstTextLimit;
    const std::size_t textLength = fits ? sentence.length : 0;
    std::vector<std::uint8_t> bytes(2 + textLength);
    bytes[0] = kBstN183Id;
    bytes[1] = static_cast<std::uint8_t>(textLength);
    for (std::size_t i = 0; i < textLength; ++i)
        bytes[2 + i] = static_cast<std::uint8_t>(sentence.text[i]);
    return bytes;
}

} // namespace KelpLib::N183MsgText
