#include "analysis/SourcePredicate.h"

#include "analysis/NetworkMessage.h"
#include "log/ZRLDoc.h"

namespace ZrlAnalysis {

bool SourcePredicate::keeps(const KelpLib::ZRLDoc& document, KelpLib::ElementLine line) const
{
    return sentFrom(document.element(line), source_);
}

}  // namespace ZrlAnalysis
