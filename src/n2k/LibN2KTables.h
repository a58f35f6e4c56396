#pragma once

#include <cstdint>
#include <span>

namespace StandardsLib {

// Records of the built-in NMEA 2000 PGN database. The tables are constant, compiled in, and
// reached through pgnTable() and the other accessors below; every pointer into them stays valid
// for the life of the process.

struct LibN2KField_s;

// One PGN definition. The standard rows come first, sorted by ascending pgn (the range lookup
// depends on it); the further definitions of the reference follow, found through the
// definition index.
struct LibN2KPGN_s {
    std::uint32_t pgn;
    std::uint8_t timing;       // bits 6-7: PGN mask class; bits 0-4: transmission class (data only)
    std::uint8_t transport;    // bits 0-2: transport kind; bit 3: single frame; bits 4-6: priority
    std::uint8_t sidByte;      // payload byte of the sequence identifier, 255 for none
    std::uint8_t instanceByte; // payload byte of the instance field, 255 for none
    std::uint32_t index;       // the row's own position
    std::uint32_t length;      // payload length in bytes, 255 for variable
    std::uint32_t fieldCount;
    const LibN2KField_s* fields;
    std::uint32_t firstFieldIndex;
    const char* name;
    const char* description;
    std::uint16_t firstMatch; // the row's match fields: matchTable()[firstMatch, +matchCount)
    std::uint8_t matchCount;
    std::uint8_t standard; // 1: a standard row, used when no definition of its PGN matches
};

// The field types of the definitions; the renderer and the field walk dispatch on them.
enum LibN2KFieldKind : std::uint8_t {
    fieldNumber,
    fieldLookup,
    fieldBitLookup,
    fieldIndirectLookup, // named by this value and that of the field `lookupField`
    fieldReserved,
    fieldSpare,
    fieldBinary,
    fieldFixedText,
    fieldZeroEndedText, // length byte, characters, zero byte
    fieldCodedText,     // length byte, encoding byte, characters
    fieldMmsi,
    fieldDate,
    fieldTime,
    fieldDuration,
    fieldFloat,
    fieldPgn,
    fieldIsoName,
    fieldDecimal,
    fieldIndex,     // a field number of the PGN a preceding PGN field names
    fieldVariable,  // a value typed as that field
    fieldKey,       // a key whose lookup names the following value's type
    fieldKeyLength, // the following value's length in bytes
    fieldKeyValue,  // a value typed by the preceding key
};

// One field definition; all PGNs share one contiguous array of them.
struct LibN2KField_s {
    std::uint8_t number; // counts from 0 in row order within the PGN
    LibN2KFieldKind kind;
    std::uint16_t bits;      // width as defined, 65535 for variable
    std::uint16_t bitOffset; // nominal position, 65535 where not fixed
    std::uint16_t ddIndex;   // data-dictionary row
    std::uint8_t countField; // first field of a repeating block: number of its count field, else 255
    std::uint8_t lookupField; // an indirect lookup's other field, else 255
    std::uint8_t isSigned;
    std::uint32_t blockSize;    // first field of a repeating block: fields in the block, else 0
    std::uint32_t runtimeSized; // 1 where the size depends on a requested PGN
    std::uint32_t pgn;
    std::uint32_t fieldIndex;
    const char* name;
};

// One data-dictionary entry. A raw value r means r x multiplier x 10^exponent in the unit; a
// negative multiplier -k means a division by k.
struct LibN2KDD_s {
    std::int64_t multiplier;
    std::int8_t exponent;
    std::uint8_t zero[2];
    std::uint32_t dataType; // row of the data-type table
    std::uint32_t bits;     // 65535 variable, 0 where each field gives the width
    const char* name;
    const char* description;
    std::uint32_t ddNumber; // the standard's number; enumerated texts are keyed by it
    std::uint32_t row;
    const char* unitName;
    const char* unitNamePlural;
    const char* unitAbbreviation;
    std::uint32_t unitCode;
    const char* unused0;
    const char* rangeText;
    const char* resolutionText;
    const char* unused1;
    std::uint32_t displayClass;
};

// Value classes of the data types.
enum LibN2KValueClass : std::uint32_t {
    valueClassUndefined = 0,
    valueClassBitField = 1,
    valueClassBitFieldZeroNull = 2,
    valueClassChar16 = 3,
    valueClassSigned = 4,
    valueClassUnsigned = 5,
};

struct LibN2KType_s {
    std::uint32_t valueClass;
    std::uint32_t byteSize; // 0 where the size is per field
    const char* longName;
    const char* rangeText;
    const char* reservedText;
    const char* shortName;
};

// Rows of the data-type table the decoder dispatches on.
enum LibN2KDataType : std::uint32_t {
    dataTypeUndefined = 0,
    dataTypeCh8Or16 = 1,
    dataTypeChar16 = 2,
    dataTypeChar8 = 3,
    dataTypeFloat32 = 4,
    dataTypeBit = 7,
    dataTypeBit0 = 8,
    dataTypeInt8 = 9,
    dataTypeUint24 = 16,
    dataTypeUint64 = 19,
    dataTypeSignedBits = 20,
};

// One field value that selects a definition: the bits at bitOffset must hold `value`.
struct LibN2KMatch_s {
    std::uint16_t bitOffset;
    std::uint16_t bits;
    std::uint32_t value;
};

// The definitions of one PGN: definitionOrderTable()[first, +count) are their rows, in the
// order they are tried.
struct LibN2KPgnDefinitions_s {
    std::uint32_t pgn;
    std::uint16_t first;
    std::uint16_t count;
};

// The value a key of a key/value pair selects: its field row (name, type, width).
struct LibN2KKeyType_s {
    std::uint16_t ddNumber; // the key field's dictionary number
    std::uint32_t key;
    const LibN2KField_s* field;
};

// One text of one value of an enumerated entry (a bit lookup's: of one bit number; an
// indirect lookup's: other value x 256 + this value).
struct LibN2KEnum_s {
    std::uint16_t ddNumber;
    std::uint32_t value;
    const char* symbol;
    const char* heading;
    const char* text;
};

// Attributes of one field of one PGN.
struct LibN2KFieldAttr_s {
    std::uint32_t pgn;
    std::uint8_t fieldNumber;
    std::uint8_t references[3]; // 255 = none; carried as data
    std::uint32_t itemNumber;   // carried as data
    std::uint8_t flag0;
    std::uint8_t flag1;
    std::uint8_t checkReservedValues; // 1: a bit field's top two values mean "Data not available"/"Out of range"
    std::uint8_t flag3;
    const char* note;
};

// The four PGN masks over a 26-bit CAN identifier, indexed by bits 6-7 of `timing`.
enum N2KMsgPGNMask_e : std::uint32_t {
    pgnMaskClass0 = 0x03FFFF00,
    pgnMaskClass1 = 0x03FF0000,
    pgnMaskClass2 = 0x03F00000,
    pgnMaskClass3 = 0x03000000,
};

// Positions of the dictionary rows the decoder keys on.
namespace DDRow {
constexpr std::uint16_t reservedField = 1;
constexpr std::uint16_t genericNameString = 4;
constexpr std::uint16_t dscAddress = 12;
constexpr std::uint16_t dscSymbolString = 15;
constexpr std::uint16_t binaryBitField = 141;
constexpr std::uint16_t manufacturerCode = 171;
constexpr std::uint16_t requestedParameterValue = 191;
constexpr std::uint16_t aisSpareField = 307;
} // namespace DDRow

// Unit codes the renderer treats specially.
namespace UnitCode {
constexpr std::uint32_t degree = 2;
constexpr std::uint32_t date = 4;
constexpr std::uint32_t kelvin = 7;
constexpr std::uint32_t metre = 8;
constexpr std::uint32_t metrePerSecond = 11;
constexpr std::uint32_t pascal = 17;
constexpr std::uint32_t radian = 20;
constexpr std::uint32_t radianPerSecond = 21;
constexpr std::uint32_t second = 23;
} // namespace UnitCode

std::span<const LibN2KPGN_s> pgnTable();
std::span<const LibN2KField_s> fieldTable();
std::span<const LibN2KMatch_s> matchTable();
std::span<const LibN2KPgnDefinitions_s> definitionIndexTable();
std::span<const std::uint16_t> definitionOrderTable();
std::span<const LibN2KKeyType_s> keyTypeTable(); // sorted by (ddNumber, key)
std::span<const LibN2KDD_s> dataDictionary();
std::span<const LibN2KType_s> dataTypeTable();
std::span<const LibN2KEnum_s> enumTable();
std::span<const LibN2KFieldAttr_s> fieldAttrTable();

} // namespace StandardsLib
