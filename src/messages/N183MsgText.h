#pragma once

#include "messages/N183ParsedSentence.h"
#include "messages/N183SentenceView.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The texts and bytes an NMEA 0183 message renders itself as: title rows, the field table,
// list cells, its key and its BST 0x9D form.
namespace KelpLib::N183MsgText {

inline constexpr unsigned kTitleRowCount = 4;
inline constexpr unsigned kColumnCount = 4;

std::string titleRow(const N183ParsedSentence& sentence, unsigned row);
std::string rowHeader(int row);
std::string columnName(unsigned column);
std::string cellText(const N183ParsedSentence& sentence, unsigned row, std::string_view column);
// By list column id: 3 talker, 4 formatter, 8 text length, 9 data text; others empty.
std::string listText(const N183ParsedSentence& sentence, unsigned columnId);
// "%s_%s" with talker and formatter.
std::string key(const N183ParsedSentence& sentence);
// The BST message 0x9D: the id, then the length byte and the text when the text is shorter
// than 251 characters, otherwise a single 0.
std::vector<std::uint8_t> bst9D(const N183SentenceRecord& sentence);

} // namespace KelpLib::N183MsgText
