#pragma once

#include "n2k/LibN2KTables.h"

#include <cstdint>

namespace StandardsLib {

// Lookups over the built-in PGN database. All are pure and may run on any thread.

constexpr std::uint8_t noPgnRow = 255;

// Number of PGN values a row covers above its own PGN: the span of its mask class, except the
// two J1939 catch-all rows whose spans are fixed.
std::uint32_t pgnSpan(const LibN2KPGN_s& row);

// Row 0-162 of the definition covering the PGN (binary search over ranges), or noPgnRow.
std::uint8_t pgnRow(std::uint32_t pgn);

// The field of a definition with the given number (first match), or null.
const LibN2KField_s* fieldByNumber(const LibN2KPGN_s* definition, std::uint8_t number);

// The enumerated text of (dictionary number, value), or null.
const LibN2KEnum_s* enumText(std::uint16_t ddNumber, std::uint8_t value);

// The attribute row of (pgn, field number), or null.
const LibN2KFieldAttr_s* fieldAttr(std::uint32_t pgn, std::uint8_t fieldNumber);

// The data-dictionary entry of a field (row ddIndex), or null when the row does not exist.
const LibN2KDD_s* dataDictionaryEntry(const LibN2KField_s& field);

// The data-type row of an entry, or null when the row does not exist.
const LibN2KType_s* dataTypeOf(const LibN2KDD_s& entry);

} // namespace StandardsLib
