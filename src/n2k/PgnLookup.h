#pragma once

#include "n2k/LibN2KTables.h"
#include "n2k/N2KPayload.h"

#include <cstdint>
#include <span>

namespace StandardsLib {

// Lookups over the built-in PGN database. All are pure and may run on any thread.

constexpr std::uint8_t noPgnRow = 255;

// The standard rows lead the PGN table; the reference's further definitions follow them.
std::span<const LibN2KPGN_s> standardRows();

// Number of PGN values a row covers above its own PGN: the span of its mask class, except the
// two J1939 catch-all rows whose spans are fixed.
std::uint32_t pgnSpan(const LibN2KPGN_s& row);

// The standard row (0-162) covering the PGN (binary search over ranges), or noPgnRow.
std::uint8_t pgnRow(std::uint32_t pgn);

// The definitions of exactly this PGN, in the order they are tried (an index, not a scan);
// empty when the PGN has none of its own.
std::span<const std::uint16_t> definitionsOf(std::uint32_t pgn);

// True when every match field of the definition holds its value in the payload.
bool matchesPayload(const LibN2KPGN_s& definition, const N2KPayload& payload);

// The definition that decodes the payload: the first of its PGN's own whose match fields all
// hold; else its standard row; else the standard row whose range covers the PGN (the
// catch-alls); null when none does.
const LibN2KPGN_s* definitionFor(const N2KPayload& payload);

// The definition of a PGN without a payload to select by: its standard row, else its first
// definition without match fields, else the standard row covering it, else its first
// definition; null when there is none.
const LibN2KPGN_s* defaultDefinition(std::uint32_t pgn);

// The field of a definition with the given number (first match), or null.
const LibN2KField_s* fieldByNumber(const LibN2KPGN_s* definition, std::uint8_t number);

// The enumerated text of (dictionary number, value), or null.
const LibN2KEnum_s* enumText(std::uint16_t ddNumber, std::uint32_t value);

// The attribute row of (pgn, field number), or null.
const LibN2KFieldAttr_s* fieldAttr(std::uint32_t pgn, std::uint8_t fieldNumber);

// The data-dictionary entry of a field (row ddIndex), or null when the row does not exist.
const LibN2KDD_s* dataDictionaryEntry(const LibN2KField_s& field);

// The data-type row of an entry, or null when the row does not exist.
const LibN2KType_s* dataTypeOf(const LibN2KDD_s& entry);

} // namespace StandardsLib
