#pragma once
// A display filter compiled for evaluation: header terms read the element alone, decoded-field
// terms extract only the field named.
#include "query/DecodedField.h"
#include "query/FilterSyntax.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace KelpLib {

class ZRLDoc;
class ZRLElement;

class DisplayFilter {
public:
    // The filter a text stands for, or the first error in it ("filter: ... at column N"). A
    // blank text keeps every element.
    static std::variant<std::shared_ptr<const DisplayFilter>, FilterError> compile(std::string_view text);

    // True when the element at `line` of the document passes. Safe to call from several threads.
    bool keeps(const ZRLDoc& document, std::size_t line) const;
    bool keepsElement(const ZRLElement& element, std::size_t line) const;

    const std::string& text() const { return text_; }
    // True when some term reads a decoded field.
    bool readsDecodedFields() const { return !decodedFields_.empty(); }

    struct Condition; // the compiled tree, mirroring the parsed one

private:
    DisplayFilter() = default;

    std::string text_;
    std::vector<std::unique_ptr<DecodedField>> decodedFields_;
    std::unique_ptr<Condition> root_;
};

} // namespace KelpLib
