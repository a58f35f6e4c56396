#pragma once
// "Show its messages": keeps the NMEA 2000 messages sent from one source address.
#include "filter/ElementPredicate.h"

#include <cstdint>

namespace ZrlAnalysis {

class SourcePredicate : public KelpLib::ElementPredicate {
public:
    explicit SourcePredicate(std::uint8_t source) : source_(source) {}
    std::uint8_t source() const { return source_; }
    bool keeps(const KelpLib::ZRLDoc& document, KelpLib::ElementLine line) const override;

private:
    std::uint8_t source_;
};

}  // namespace ZrlAnalysis
