#pragma once

#include <cstdint>

namespace KelpLib {

// The data kinds of BEM fields: the index of a row of the BEM data type table, which is also
// the kind the row's values are rendered as.
enum BemDataKind : std::uint8_t {
    BemU8 = 0,
    BemI8 = 1,
    BemU16 = 2,
    BemI16 = 3,
    BemU32 = 4,
    BemI32 = 5,
    BemU64 = 6,
    BemI64 = 7,
    BemBoolean = 8,
    BemZeroTerminatedText = 9,
    BemFixedText = 10,
    BemVariableText = 11,
    BemSizedByteArray = 12,
    BemBinary8 = 13,
    BemBinary16 = 14,
    BemBinary32 = 15,
    BemHex16 = 16,
    BemHex32 = 17,
    BemDecimalHex32 = 18,
    BemVersion2 = 19,
    BemVersion3 = 20,
    BemDate = 21,
    BemTimeOfDay = 22,
    BemTxRate16 = 23,
    BemMillis16 = 24,
    BemSeconds32 = 25,
    BemTxRate32 = 26,
    BemMillis32 = 27,
    BemMicros32 = 28,
    BemTime100ps = 29,
    BemModelId = 30,
    BemModelSubId = 31,
    BemOperatingMode = 32,
    BemHardwareProtocol = 33,
    BemPgn24 = 34,
    BemPgn32 = 35,
    BemCanName = 36,
    BemStructureId = 37,
    BemMemoryBlocks = 38,
    BemCodec = 39,
    BemMicrocontroller = 40,
    BemUniqueId = 41,
    BemCrcSize = 42,
    BemRxPgnMask = 43,
    BemStepOfMax = 44,
    BemMacAddress = 45,
    BemStructureData = 46,
    BemRemainingBytes = 47,
    BemEndMarker = 48,
};

inline constexpr std::uint32_t bemDataTypeCount = 49;

// One row of the BEM data type table.
struct BemDataType {
    std::uint8_t kind;       // equal to the row's index
    std::uint8_t width;      // bytes a value is read with; 0 for texts and arrays
    std::int8_t exponent;    // decimal exponent of the value
    std::uint8_t isSigned;   // 1 for the signed integers
    const char* name;
    const char* description;
};

// One field of a BEM dictionary record.
struct BemFieldDef {
    std::uint8_t width;      // bytes the field takes in the payload
    std::uint32_t type;      // row of the data type table
    std::uint32_t groupSize; // not 0: a count field followed by a group of that many fields
    const char* name;
};

// One record of the BEM dictionary: a command or response with its field list.
struct BemDictEntry {
    std::uint32_t key;       // BST id x 256 + BEM id
    std::uint32_t subKey;
    std::uint8_t shown;      // 0 for the maker's engineering messages
    std::uint32_t fieldCount;
    const BemFieldDef* fields;
    const char* name;
    const char* description;
};

} // namespace KelpLib
