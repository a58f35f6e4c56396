#pragma once

#include "log/ElementIndex.h"

namespace KelpLib {

class ZRLDoc;

// A condition on an element besides the PGN filter and the view switches (a display filter,
// the messages of one device). The shown list asks it once per element when it rebuilds, on
// the thread that rebuilds: it must not change while a rebuild runs.
class ElementPredicate {
public:
    virtual ~ElementPredicate() = default;
    virtual bool keeps(const ZRLDoc& document, ElementLine line) const = 0;
};

} // namespace KelpLib
