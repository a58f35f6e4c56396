#pragma once

namespace StandardsLib {

// The process-wide switch that hides reserved fields (and the engineering messages classed as
// reserved). False at start; the desktop shell turns it on and nothing turns it off.
bool reservedFieldsHidden();
void setReservedFieldsHidden(bool hidden);

} // namespace StandardsLib
