#include "messages/BemDataTypes.h"

namespace KelpLib {

namespace {

// kind, width, exponent, signed, name, description
constexpr BemDataType dataTypes[bemDataTypeCount] = {
    {BemU8, 1, 0, 0, "u8", "Unsigned 8-bit integer"},
    {BemI8, 1, 0, 1, "i8", "Signed 8-bit integer"},
    {BemU16, 2, 0, 0, "u16", "Unsigned 16-bit integer"},
    {BemI16, 2, 0, 1, "i16", "Signed 16-bit integer"},
    {BemU32, 4, 0, 0, "u32", "Unsigned 32-bit integer"},
    {BemI32, 4, 0, 1, "i32", "Signed 32-bit integer"},
    {BemU64, 8, 0, 0, "u64", "Unsigned 64-bit integer"},
    {BemI64, 8, 0, 1, "i64", "Signed 64-bit integer"},
    {BemBoolean, 1, 0, 0, "bool", "Boolean, 0 false and 1 true"},
    {BemZeroTerminatedText, 0, 0, 0, "zstring", "Zero-terminated text"},
    {BemFixedText, 0, 0, 0, "fstring", "Fixed-length text"},
    {BemVariableText, 0, 0, 0, "vstring", "Variable-length text with length and encoding bytes"},
    {BemSizedByteArray, 0, 0, 0, "u8array", "Byte array whose size is the preceding byte"},
    {BemBinary8, 1, 0, 0, "bin8", "Unsigned 8-bit integer shown in binary"},
    {BemBinary16, 2, 0, 0, "bin16", "Unsigned 16-bit integer shown in binary"},
    {BemBinary32, 4, 0, 0, "bin32", "Unsigned 32-bit integer shown in binary"},
    {BemHex16, 2, 0, 0, "hex16", "Unsigned 16-bit integer shown in hexadecimal"},
    {BemHex32, 4, 0, 0, "hex32", "Unsigned 32-bit integer shown in hexadecimal"},
    {BemDecimalHex32, 4, 0, 0, "dechex32", "Unsigned 32-bit integer shown in decimal and hexadecimal"},
    {BemVersion2, 2, -2, 0, "version2", "Version number with two decimals"},
    {BemVersion3, 2, -3, 0, "version3", "Version number with three decimals"},
    {BemDate, 2, 0, 0, "date", "Date as days from 1 January 1900 (day 1)"},
    {BemTimeOfDay, 2, 0, 0, "time", "Time of day in 1/65536 of a day"},
    {BemTxRate16, 2, 0, 0, "txrate16", "Transmit rate in milliseconds (16-bit)"},
    {BemMillis16, 2, 0, 0, "ms16", "Time in milliseconds (16-bit)"},
    {BemSeconds32, 4, 0, 0, "s32", "Time in seconds (32-bit)"},
    {BemTxRate32, 4, 0, 0, "txrate32", "Transmit rate in milliseconds (32-bit)"},
    {BemMillis32, 4, 0, 0, "ms32", "Time in milliseconds (32-bit)"},
    {BemMicros32, 4, 0, 0, "us32", "Time in microseconds (32-bit)"},
    {BemTime100ps, 8, 0, 0, "t100ps", "Time in units of 100 picoseconds (64-bit)"},
    {BemModelId, 2, 0, 0, "modelid", "Device model identifier"},
    {BemModelSubId, 2, 0, 0, "modelsubid", "Device model sub-identifier"},
    {BemOperatingMode, 2, 0, 0, "opmode", "Operating mode of the device model"},
    {BemHardwareProtocol, 1, 0, 0, "hwprotocol", "Hardware and protocol interface"},
    {BemPgn24, 3, 0, 0, "pgn24", "Parameter group number (24-bit)"},
    {BemPgn32, 4, 0, 0, "pgn32", "Parameter group number (32-bit)"},
    {BemCanName, 8, 0, 0, "canname", "CAN NAME (64-bit)"},
    {BemStructureId, 4, 0, 0, "structid", "Structure variant identifier"},
    {BemMemoryBlocks, 2, 0, 0, "memsize", "Memory size in blocks of 256 bytes"},
    {BemCodec, 1, 0, 0, "codec", "Communications codec"},
    {BemMicrocontroller, 1, 0, 0, "mcu", "Microcontroller architecture"},
    {BemUniqueId, 12, 0, 0, "uid96", "96-bit unique device identifier"},
    {BemCrcSize, 1, 0, 0, "crcsize", "CRC size in bits"},
    {BemRxPgnMask, 1, 0, 0, "rxmask", "Rx PGN mask selector"},
    {BemStepOfMax, 4, 0, 0, "step", "Step (low 16 bits) of a maximum step (high 16 bits)"},
    {BemMacAddress, 8, 0, 0, "mac", "MAC or EUI address (low 48 bits used)"},
    {BemStructureData, 0, 0, 0, "structdata", "Structure variant data"},
    {BemRemainingBytes, 0, 0, 0, "remainder", "Byte array of the rest of the payload"},
    {BemEndMarker, 0, 0, 0, "end", "End of the data type table"},
};

} // namespace

const BemDataType* bemDataTypes() { return dataTypes; }

const BemDataType& bemDataType(std::uint32_t index)
{
    return index < bemDataTypeCount ? dataTypes[index] : dataTypes[BemEndMarker];
}

} // namespace KelpLib
