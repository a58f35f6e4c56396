#pragma once

#include "messages/N183SentenceView.h"

#include <string>
#include <string_view>

namespace ZrlTest {

// The sentence with "*hh" appended: the XOR of every character after the start character.
std::string withN183Checksum(std::string_view sentence);

// The text with each UTF-8 degree sign (C2 B0) turned into the program's 8-bit one (B0),
// so expected texts can be written legibly.
std::string cp1252Degrees(std::string_view utf8);

// A sentence record holding the text (empty when the text has 300 characters or more).
KelpLib::N183SentenceRecord n183Record(std::string_view text);

} // namespace ZrlTest
