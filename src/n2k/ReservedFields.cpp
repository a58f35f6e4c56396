#include "n2k/ReservedFields.h"

namespace StandardsLib {

std::atomic<bool> reservedFieldsHidden{false};

} // namespace StandardsLib
