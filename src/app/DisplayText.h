#pragma once

#include <QString>

#include <string>

namespace ZrlApp {

// A core text for the screen. The core's texts are bytes: mostly ASCII, some UTF-8 (names from
// the tables), and the single Latin-1 byte 0xB0 of the degree sign in decoded angles and
// positions. Valid UTF-8 is read as UTF-8, anything else as Latin-1, so that "50\xB0 47' N"
// shows a degree sign rather than a replacement character.
QString displayText(const std::string& text);

} // namespace ZrlApp
