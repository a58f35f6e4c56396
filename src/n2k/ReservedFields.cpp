#include "n2k/ReservedFields.h"

#include <atomic>

namespace StandardsLib {

namespace {
std::atomic<bool> hiddenSwitch{false};
}

bool reservedFieldsHidden() { return hiddenSwitch.load(std::memory_order_relaxed); }

void setReservedFieldsHidden(bool hidden) { hiddenSwitch.store(hidden, std::memory_order_relaxed); }

} // namespace StandardsLib
