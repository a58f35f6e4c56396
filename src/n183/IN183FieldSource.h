#pragma once

#include <string_view>

namespace StandardsLib {

// What a field info reads its texts from: the comma-separated fields of one received
// sentence. A position past the last field gives empty text.
class IN183FieldSource {
public:
    virtual ~IN183FieldSource() = default;
    virtual std::string_view fieldText(unsigned position) const = 0;
};

} // namespace StandardsLib
