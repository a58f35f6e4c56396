#pragma once

#include "n2k/LibN2KTables.h"
#include "n2k/N2KFieldInfo.h"
#include "n2k/N2KPayload.h"

#include <vector>

namespace StandardsLib {

// Lays the definition's fields over the payload: sizes variable-length texts from their length
// bytes, repeats the repeating block by its count field (or until the payload ends), and stops
// at the first field that would start at or past the payload's end. The list is emptied first;
// without a definition it stays empty. The entries point at `message`, which must outlive them.
void buildFieldList(const N2KPayload& message, const LibN2KPGN_s* definition, std::vector<N2KFieldInfo>& list);

} // namespace StandardsLib
