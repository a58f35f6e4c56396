// The BEM dictionary: every command and response of the maker's devices that the viewer
// decodes, with the fields each one carries. Records are sorted by key, then sub-key; the
// lookup searches them by halving. A field list is a run of { width in bytes, data type,
// group size, name }: a group size other than 0 marks a count field, followed by the fields
// that repeat that many times. Commands ("PG") are the requests and settings sent to a
// device; the responses carry the device's model, serial number and error code in their
// header, so their fields start with the answer itself.

#include "messages/BemDictionary.h"

#include <iterator>

namespace KelpLib {

namespace {

// ---- Configuration and identity (responses 0xA0, commands 0xA1) ----

constexpr BemFieldDef reBoot[] = {
    {2, BemMillis16, 0, "Reboot Delay"},
};

constexpr BemFieldDef restartDelay[] = {
    {4, BemMillis32, 0, "Restart Delay"},
};

constexpr BemFieldDef commitToEeprom[] = {
    {2, BemU16, 0, "Bytes Written"},
    {1, BemBoolean, 0, "Verified"},
};

constexpr BemFieldDef commitToFlash[] = {
    {4, BemU32, 0, "Bytes Written"},
    {4, BemHex32, 0, "Flash CRC"},
};

constexpr BemFieldDef verifyAfterWrite[] = {
    {1, BemBoolean, 0, "Verify After Write"},
};

constexpr BemFieldDef hardwareInfo[] = {
    {2, BemVersion2, 0, "Boot Loader Version"},
    {2, BemDate, 0, "Boot Loader Program Date"},
    {2, BemTimeOfDay, 0, "Boot Loader Program Time"},
    {2, BemVersion3, 0, "Main Application Version"},
    {2, BemDate, 0, "Main Application Date"},
    {2, BemTimeOfDay, 0, "Main Application Time"},
    {2, BemModelId, 0, "Model ID"},
    {2, BemModelSubId, 0, "Model Sub ID"},
    {4, BemDecimalHex32, 0, "Serial Number"},
    {1, BemHardwareProtocol, 0, "Hardware Protocol"},
};

constexpr BemFieldDef operatingMode[] = {
    {2, BemOperatingMode, 0, "Operating Mode"},
};

constexpr BemFieldDef requestedOperatingMode[] = {
    {2, BemOperatingMode, 0, "Requested Operating Mode"},
};

constexpr BemFieldDef portBaudCfg[] = {
    {1, BemU8, 0, "Port Number"},
    {4, BemU32, 0, "Baud Rate"},
    {1, BemBoolean, 0, "Store In EEPROM"},
};

constexpr BemFieldDef portPCodeCfg[] = {
    {1, BemU8, 0, "Port Number"},
    {1, BemU8, 0, "Protocol Code"},
    {1, BemBoolean, 0, "Store In EEPROM"},
};

constexpr BemFieldDef portDupDelete[] = {
    {1, BemU8, 0, "Port Number"},
    {1, BemBoolean, 0, "Duplicate Delete Enabled"},
    {2, BemMillis16, 0, "Duplicate Window"},
};

constexpr BemFieldDef totalTime[] = {
    {4, BemSeconds32, 0, "Total Operating Time"},
    {4, BemMillis32, 0, "Time Since Start-up"},
    {2, BemU16, 0, "Power Cycle Count"},
};

constexpr BemFieldDef hardwareBaud[] = {
    {4, BemU32, 0, "Hardware Baud Rate"},
    {1, BemHardwareProtocol, 0, "Hardware Protocol"},
};

constexpr BemFieldDef hardwareBaudSet[] = {
    {4, BemU32, 0, "Hardware Baud Rate"},
};

constexpr BemFieldDef portBaudrate[] = {
    {1, BemU8, 0, "Number of Ports"},
    {1, BemU8, 0, "Port Number"},
    {1, BemHardwareProtocol, 0, "Hardware Protocol"},
    {4, BemU32, 0, "Current Baud Rate"},
    {4, BemU32, 0, "Stored Baud Rate"},
};

constexpr BemFieldDef portNumber[] = {
    {1, BemU8, 0, "Port Number"},
};

constexpr BemFieldDef echo[] = {
    {0, BemRemainingBytes, 0, "Echo Data"},
};

constexpr BemFieldDef jsonRpc[] = {
    {2, BemU16, 0, "Request ID"},
    {0, BemZeroTerminatedText, 0, "JSON Text"},
};

constexpr BemFieldDef nonVolKeyValuePair[] = {
    {2, BemHex16, 0, "Key"},
    {1, BemU8, 0, "Value Length"},
    {0, BemSizedByteArray, 0, "Value"},
};

// ---- NMEA 2000 interface ----

constexpr BemFieldDef supportedPgnList[] = {
    {1, BemU8, 0, "PGN List Selector"},
    {2, BemU16, 0, "Total PGNs Supported"},
    {2, BemU16, 0, "First PGN Index in Message"},
    {1, BemBoolean, 0, "Last Message of List"},
    {1, BemU8, 2, "Number of PGNs in Message"},
    {1, BemU8, 0, "PGN Index"},
    {3, BemPgn24, 0, "PGN"},
};

constexpr BemFieldDef supportedPgnListRequest[] = {
    {1, BemU8, 0, "PGN List Selector"},
    {2, BemU16, 0, "First PGN Index"},
};

constexpr BemFieldDef productInfoVersions[] = {
    {2, BemU16, 0, "NMEA 2000 Database Version"},
    {2, BemU16, 0, "Product Code"},
    {1, BemU8, 0, "Certification Level"},
    {1, BemU8, 0, "Load Equivalency"},
};

constexpr BemFieldDef productInfoModelId[] = {
    {32, BemFixedText, 0, "Model ID"},
};

constexpr BemFieldDef productInfoSoftware[] = {
    {32, BemFixedText, 0, "Software Version Code"},
};

constexpr BemFieldDef productInfoModelVersion[] = {
    {32, BemFixedText, 0, "Model Version"},
};

constexpr BemFieldDef productInfoSerialCode[] = {
    {32, BemFixedText, 0, "Model Serial Code"},
};

constexpr BemFieldDef productInfoRequest[] = {
    {1, BemU8, 0, "Information Page"},
};

constexpr BemFieldDef canConfig[] = {
    {1, BemU8, 0, "Preferred Source Address"},
    {1, BemU8, 0, "Claimed Source Address"},
    {4, BemU32, 0, "CAN Bit Rate"},
    {1, BemBoolean, 0, "Address Claim Enabled"},
    {8, BemCanName, 0, "CAN NAME"},
};

constexpr BemFieldDef canConfigSet[] = {
    {1, BemU8, 0, "Preferred Source Address"},
    {4, BemU32, 0, "CAN Bit Rate"},
    {1, BemBoolean, 0, "Address Claim Enabled"},
};

constexpr BemFieldDef canInfoField1[] = {
    {0, BemVariableText, 0, "Installation Description 1"},
};

constexpr BemFieldDef canInfoField2[] = {
    {0, BemVariableText, 0, "Installation Description 2"},
};

constexpr BemFieldDef canInfoField3[] = {
    {0, BemVariableText, 0, "Manufacturer Information"},
};

constexpr BemFieldDef rxPgnEnable[] = {
    {4, BemPgn32, 0, "Rx PGN"},
    {1, BemBoolean, 0, "Enable State"},
    {4, BemHex32, 0, "Mask"},
};

constexpr BemFieldDef txPgnEnable[] = {
    {4, BemPgn32, 0, "Tx PGN"},
    {1, BemBoolean, 0, "Enable State"},
    {2, BemTxRate16, 0, "Transmit Rate"},
};

constexpr BemFieldDef rxPgnEnableList1[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemU8, 2, "Number of Entries"},
    {4, BemPgn32, 0, "Rx PGN"},
    {1, BemRxPgnMask, 0, "Mask Selector"},
};

constexpr BemFieldDef rxPgnEnableList2[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemU8, 3, "Number of Entries"},
    {4, BemPgn32, 0, "Rx PGN"},
    {1, BemBoolean, 0, "Enable State"},
    {1, BemRxPgnMask, 0, "Mask Selector"},
};

constexpr BemFieldDef txPgnEnableList1[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemU8, 2, "Number of Entries"},
    {4, BemPgn32, 0, "Tx PGN"},
    {2, BemTxRate16, 0, "Transmit Rate"},
};

constexpr BemFieldDef txPgnEnableList2[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemU8, 2, "Number of Entries"},
    {4, BemPgn32, 0, "Tx PGN"},
    {4, BemTxRate32, 0, "Transmit Rate"},
};

constexpr BemFieldDef txPgnEnableList3[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemU8, 3, "Number of Entries"},
    {4, BemPgn32, 0, "Tx PGN"},
    {1, BemBoolean, 0, "Enable State"},
    {2, BemTxRate16, 0, "Transmit Rate"},
};

constexpr BemFieldDef txPgnEnableList4[] = {
    {1, BemU8, 0, "List ID"},
    {2, BemU16, 0, "First Entry"},
    {1, BemU8, 1, "Number of Entries"},
    {3, BemPgn24, 0, "Tx PGN"},
};

constexpr BemFieldDef listId[] = {
    {1, BemU8, 0, "List ID"},
};

constexpr BemFieldDef deletePgnEnableList[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemBoolean, 0, "Deleted"},
};

constexpr BemFieldDef activatePgnEnableLists[] = {
    {1, BemU8, 0, "Rx List ID"},
    {1, BemU8, 0, "Tx List ID"},
};

constexpr BemFieldDef defaultPgnEnableList[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemBoolean, 0, "Defaults Restored"},
};

constexpr BemFieldDef paramsPgnEnableLists[] = {
    {1, BemU8, 0, "Maximum Rx Lists"},
    {1, BemU8, 0, "Maximum Tx Lists"},
    {2, BemU16, 0, "Maximum Rx Entries"},
    {2, BemU16, 0, "Maximum Tx Entries"},
};

constexpr BemFieldDef rxPgnEnableListF2[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemU8, 2, "Number of Entries"},
    {4, BemPgn32, 0, "Rx PGN"},
    {4, BemHex32, 0, "Mask"},
};

constexpr BemFieldDef txPgnEnableListF2First[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemU8, 2, "Number of Entries"},
    {4, BemPgn32, 0, "Tx PGN"},
    {4, BemTxRate32, 0, "Transmit Rate"},
};

constexpr BemFieldDef txPgnEnableListF2Second[] = {
    {1, BemU8, 0, "List ID"},
    {1, BemU8, 3, "Number of Entries"},
    {4, BemPgn32, 0, "Tx PGN"},
    {4, BemTxRate32, 0, "Transmit Rate"},
    {2, BemMillis16, 0, "Transmit Offset"},
};

// ---- Analogue channels and the production test jig ----

constexpr BemFieldDef anlgChannelRange[] = {
    {1, BemU8, 0, "Channel ID"},
    {4, BemI32, 0, "Range Minimum"},
    {4, BemI32, 0, "Range Maximum"},
    {1, BemI8, 0, "Range Exponent"},
};

constexpr BemFieldDef anlgChannelIFeed[] = {
    {1, BemU8, 0, "Channel ID"},
    {1, BemU8, 0, "Current Feed Setting"},
};

constexpr BemFieldDef anlgSampleRqst[] = {
    {1, BemU8, 0, "Channel ID"},
    {4, BemMicros32, 0, "Sample Period"},
    {4, BemU32, 0, "Number of Samples"},
};

constexpr BemFieldDef jigLidMicroswitch[] = {
    {1, BemBoolean, 0, "Lid Closed"},
};

constexpr BemFieldDef usbCurrentLimit[] = {
    {1, BemU8, 0, "Current Limit Setting"},
};

constexpr BemFieldDef usbVbus[] = {
    {2, BemU16, 0, "VBUS Millivolts"},
    {1, BemBoolean, 0, "VBUS Enabled"},
};

constexpr BemFieldDef usbVbusSet[] = {
    {1, BemBoolean, 0, "VBUS Enabled"},
};

constexpr BemFieldDef usbDpDm[] = {
    {2, BemU16, 0, "D+ Millivolts"},
    {2, BemU16, 0, "D- Millivolts"},
};

constexpr BemFieldDef usbOcs[] = {
    {1, BemBoolean, 0, "Over-current Detected"},
};

constexpr BemFieldDef usbBusFault[] = {
    {1, BemBinary8, 0, "Fault Flags"},
};

constexpr BemFieldDef usbPortPower[] = {
    {1, BemBoolean, 0, "Port Power On"},
};

constexpr BemFieldDef i2cStart[] = {
    {1, BemU8, 0, "Bus Number"},
    {1, BemU8, 0, "Device Address"},
};

constexpr BemFieldDef i2cStop[] = {
    {1, BemU8, 0, "Bus Number"},
};

constexpr BemFieldDef i2cWriteBytes[] = {
    {1, BemU8, 0, "Device Address"},
    {1, BemU8, 0, "Byte Count"},
    {0, BemSizedByteArray, 0, "Bytes Written"},
};

constexpr BemFieldDef i2cWriteBytesRequest[] = {
    {1, BemU8, 0, "Device Address"},
    {1, BemU8, 0, "Byte Count"},
    {0, BemSizedByteArray, 0, "Bytes to Write"},
};

constexpr BemFieldDef i2cReadBytes[] = {
    {1, BemU8, 0, "Device Address"},
    {1, BemU8, 0, "Byte Count"},
    {0, BemSizedByteArray, 0, "Bytes Read"},
};

constexpr BemFieldDef i2cReadBytesRequest[] = {
    {1, BemU8, 0, "Device Address"},
    {1, BemU8, 0, "Byte Count"},
};

// ---- Status reports ----

constexpr BemFieldDef startupStatus[] = {
    {1, BemMicrocontroller, 0, "Microcontroller"},
    {12, BemUniqueId, 0, "Unique Device ID"},
    {1, BemCodec, 0, "Log File Codec"},
    {2, BemMemoryBlocks, 0, "Flash Size"},
    {2, BemMemoryBlocks, 0, "EEPROM Size"},
    {4, BemBinary32, 0, "Reset Cause Flags"},
    {8, BemMacAddress, 0, "MAC Address"},
};

constexpr BemFieldDef errorReport[] = {
    {4, BemI32, 0, "Reported Error Code"},
    {4, BemMillis32, 0, "Time Since Start-up"},
    {2, BemHex16, 0, "Source Module"},
};

constexpr BemFieldDef systemStatus[] = {
    {2, BemBinary16, 0, "Status Flags"},
    {1, BemU8, 0, "CPU Load"},
    {2, BemU16, 0, "Free Buffer Blocks"},
    {4, BemStructureId, 0, "Status Structure ID"},
    {4, BemStructureData, 0, "Status Structure Data"},
};

constexpr BemFieldDef anlgSample[] = {
    {1, BemU8, 0, "Channel ID"},
    {8, BemTime100ps, 0, "Sample Time"},
    {2, BemI16, 0, "Sample Value"},
};

constexpr BemFieldDef negativeAcknowledge[] = {
    {2, BemHex16, 0, "Rejected Key"},
    {4, BemI32, 0, "Reason Code"},
};

// ---- Debug output (0xA2) ----

constexpr BemFieldDef debugText[] = {
    {0, BemZeroTerminatedText, 0, "Debug Text"},
};

constexpr BemFieldDef debugValueU32[] = {
    {2, BemU16, 0, "Source Line"},
    {4, BemU32, 0, "Value"},
};

constexpr BemFieldDef debugValueS32[] = {
    {2, BemU16, 0, "Source Line"},
    {4, BemI32, 0, "Value"},
};

constexpr BemFieldDef debugValueU64[] = {
    {2, BemU16, 0, "Source Line"},
    {8, BemU64, 0, "Value"},
};

constexpr BemFieldDef debugValueS64[] = {
    {2, BemU16, 0, "Source Line"},
    {8, BemI64, 0, "Value"},
};

constexpr BemFieldDef debugTimeProfiler[] = {
    {1, BemU8, 0, "Profile Point"},
    {8, BemTime100ps, 0, "Elapsed Time"},
    {4, BemMicros32, 0, "Average Time"},
};

// ---- Application programming (responses 0xA3, commands 0xA4) ----

constexpr BemFieldDef programSetSector[] = {
    {1, BemU8, 0, "Sector Number"},
    {4, BemHex32, 0, "Sector Address"},
    {2, BemMemoryBlocks, 0, "Sector Size"},
};

constexpr BemFieldDef programErase[] = {
    {1, BemU8, 0, "Sector Number"},
    {1, BemBoolean, 0, "Erased"},
};

constexpr BemFieldDef programWriteVerify[] = {
    {4, BemHex32, 0, "Address"},
    {1, BemU8, 0, "Byte Count"},
    {1, BemBoolean, 0, "Verified"},
};

constexpr BemFieldDef imageCrcAndSize[] = {
    {4, BemHex32, 0, "Image CRC"},
    {4, BemU32, 0, "Image Size"},
};

constexpr BemFieldDef readData[] = {
    {4, BemHex32, 0, "Address"},
    {1, BemU8, 0, "Byte Count"},
    {0, BemSizedByteArray, 0, "Data"},
};

constexpr BemFieldDef readRequest[] = {
    {4, BemHex32, 0, "Address"},
    {1, BemU8, 0, "Byte Count"},
};

constexpr BemFieldDef sectorNumber[] = {
    {1, BemU8, 0, "Sector Number"},
};

// ---- Boot loader (responses 0xA5 and 0xA7, commands 0xA6 and 0xA8) ----

constexpr BemFieldDef bootConnect[] = {
    {2, BemVersion2, 0, "Boot Loader Version"},
    {1, BemMicrocontroller, 0, "Microcontroller"},
    {2, BemMemoryBlocks, 0, "Application Flash Size"},
    {2, BemMemoryBlocks, 0, "EEPROM Size"},
    {12, BemUniqueId, 0, "Unique Device ID"},
};

constexpr BemFieldDef bootConnectRequest[] = {
    {4, BemDecimalHex32, 0, "Connection Key"},
};

constexpr BemFieldDef bootFinaliseFlash[] = {
    {4, BemHex32, 0, "Image CRC"},
    {1, BemBoolean, 0, "Image Valid"},
};

constexpr BemFieldDef bootReSync[] = {
    {2, BemU16, 0, "Sequence Number"},
};

constexpr BemFieldDef bootConfirmSoftwareReset[] = {
    {4, BemMillis32, 0, "Reset Delay"},
};

constexpr BemFieldDef bootEraseFlash[] = {
    {2, BemU16, 0, "First Block"},
    {2, BemU16, 0, "Block Count"},
    {1, BemBoolean, 0, "Erased"},
};

constexpr BemFieldDef bootEraseFlashRequest[] = {
    {2, BemU16, 0, "First Block"},
    {2, BemU16, 0, "Block Count"},
};

constexpr BemFieldDef bootEraseFlashV2[] = {
    {4, BemHex32, 0, "Start Address"},
    {4, BemU32, 0, "Byte Count"},
    {1, BemCrcSize, 0, "CRC Size"},
};

constexpr BemFieldDef bootEraseFlashV2Request[] = {
    {4, BemHex32, 0, "Start Address"},
    {4, BemU32, 0, "Byte Count"},
};

constexpr BemFieldDef bootCrcFlash[] = {
    {4, BemHex32, 0, "Start Address"},
    {4, BemU32, 0, "Byte Count"},
    {1, BemCrcSize, 0, "CRC Size"},
    {4, BemHex32, 0, "CRC"},
};

constexpr BemFieldDef bootCrcFlashRequest[] = {
    {4, BemHex32, 0, "Start Address"},
    {4, BemU32, 0, "Byte Count"},
    {1, BemCrcSize, 0, "CRC Size"},
};

constexpr BemFieldDef writeData[] = {
    {4, BemHex32, 0, "Address"},
    {1, BemU8, 0, "Byte Count"},
    {0, BemSizedByteArray, 0, "Data"},
};

constexpr BemFieldDef eepromWriteVerify[] = {
    {2, BemHex16, 0, "Address"},
    {1, BemU8, 0, "Byte Count"},
    {1, BemBoolean, 0, "Verified"},
};

constexpr BemFieldDef eepromData[] = {
    {2, BemHex16, 0, "Address"},
    {1, BemU8, 0, "Byte Count"},
    {0, BemSizedByteArray, 0, "Data"},
};

constexpr BemFieldDef eepromReadRequest[] = {
    {2, BemHex16, 0, "Address"},
    {1, BemU8, 0, "Byte Count"},
};

constexpr BemFieldDef bootEraseFlashV2stat[] = {
    {4, BemStepOfMax, 0, "Erase Progress"},
    {4, BemMillis32, 0, "Elapsed Time"},
};

constexpr BemFieldDef bootCodecNegAck[] = {
    {2, BemHex16, 0, "Rejected Key"},
    {4, BemI32, 0, "Reason Code"},
    {1, BemCodec, 0, "Codec"},
};

// ---- Mass data transfer (0xA9 and the 0xC0 data blocks) ----

constexpr BemFieldDef mdtStartOfTransfer[] = {
    {1, BemU8, 0, "Transfer ID"},
    {1, BemU8, 0, "Channel ID"},
    {1, BemU8, 0, "Transfer Type"},
    {4, BemU32, 0, "Transfer Size"},
    {1, BemU8, 0, "Block Size Code"},
    {1, BemBinary8, 0, "Transfer Flags"},
    {4, BemStructureId, 0, "Setup Structure ID"},
    {0, BemRemainingBytes, 0, "Setup Data"},
};

constexpr BemFieldDef mdtEndOfTransfer[] = {
    {1, BemU8, 0, "Transfer ID"},
    {1, BemU8, 0, "Channel ID"},
    {4, BemU32, 0, "Transfer Size"},
    {4, BemHex32, 0, "Transfer CRC"},
};

constexpr BemFieldDef mdtRequestTransfer[] = {
    {1, BemU8, 0, "Transfer ID"},
    {1, BemU8, 0, "Channel ID"},
    {4, BemU32, 0, "Requested Offset"},
};

constexpr BemFieldDef mdtDataBlock[] = {
    {1, BemU8, 0, "Transfer ID"},
    {1, BemU8, 0, "Channel ID"},
    {4, BemU32, 0, "Data Offset"},
    {0, BemRemainingBytes, 0, "Data"},
};

template <std::size_t N> constexpr BemDictEntry record(std::uint32_t key, std::uint32_t subKey, std::uint8_t shown,
                                                       const BemFieldDef (&fields)[N], const char* name,
                                                       const char* description)
{
    return {key, subKey, shown, static_cast<std::uint32_t>(N), fields, name, description};
}

constexpr BemDictEntry record(std::uint32_t key, std::uint32_t subKey, std::uint8_t shown, const char* name,
                              const char* description)
{
    return {key, subKey, shown, 0, nullptr, name, description};
}

constexpr BemDictEntry dictionary[] = {
    record(0x11FF, 1, 1, reBoot, "ddReBootPG", "Reboot the device"),

    record(0xA000, 1, 1, restartDelay, "ddReInitMainApp", "Main application re-initialised"),
    record(0xA001, 1, 1, commitToEeprom, "ddCommitToEEPROM", "Settings committed to EEPROM"),
    record(0xA002, 1, 1, commitToFlash, "ddCommitToFlash", "Settings committed to flash memory"),
    record(0xA010, 1, 1, hardwareInfo, "ddHardwareInfo", "Hardware information"),
    record(0xA011, 1, 1, operatingMode, "ddOperatingMode", "Current operating mode"),
    record(0xA012, 1, 1, portBaudCfg, "ddPortBaudCfg", "Port baud rate configuration"),
    record(0xA013, 1, 1, portPCodeCfg, "ddPortPCodeCfg", "Port protocol code configuration"),
    record(0xA014, 1, 1, portDupDelete, "ddPortDupDelete", "Port duplicate message deletion"),
    record(0xA015, 1, 1, totalTime, "ddTotalTime", "Total operating time"),
    record(0xA016, 1, 1, hardwareBaud, "ddHardwareBaud", "Hardware interface baud rate"),
    record(0xA017, 1, 1, portBaudrate, "ddPortBaudrate", "Port baud rates, current and stored"),
    record(0xA018, 1, 1, echo, "ddEcho", "Echo of the data sent"),
    record(0xA019, 1, 1, jsonRpc, "ddJsonRpc", "JSON remote procedure call result"),
    record(0xA01A, 1, 1, nonVolKeyValuePair, "ddNonVolKeyValuePair", "Non-volatile key and value pair"),
    record(0xA040, 1, 1, supportedPgnList, "ddSupportedPGNList", "Supported PGN list"),
    record(0xA041, 1, 1, productInfoVersions, "ddProductInfoN2K", "NMEA 2000 product information: versions and codes"),
    record(0xA041, 2, 1, productInfoModelId, "ddProductInfoN2K", "NMEA 2000 product information: model ID"),
    record(0xA041, 3, 1, productInfoSoftware, "ddProductInfoN2K", "NMEA 2000 product information: software version"),
    record(0xA041, 4, 1, productInfoModelVersion, "ddProductInfoN2K", "NMEA 2000 product information: model version"),
    record(0xA041, 5, 1, productInfoSerialCode, "ddProductInfoN2K", "NMEA 2000 product information: serial code"),
    record(0xA042, 1, 1, canConfig, "ddCANConfig", "CAN interface configuration"),
    record(0xA043, 1, 1, canInfoField1, "ddCANInfoField1", "CAN installation description 1"),
    record(0xA044, 1, 1, canInfoField2, "ddCANInfoField2", "CAN installation description 2"),
    record(0xA045, 1, 1, canInfoField3, "ddCANInfoField3", "CAN manufacturer information"),
    record(0xA046, 1, 1, rxPgnEnable, "ddRxPGNEnable", "Receive PGN enable state"),
    record(0xA047, 1, 1, txPgnEnable, "ddTxPGNEnable", "Transmit PGN enable state and rate"),
    record(0xA048, 1, 1, rxPgnEnableList1, "ddRxPGNEnableList", "Receive PGN enable list with mask selectors"),
    record(0xA048, 2, 1, rxPgnEnableList2, "ddRxPGNEnableList", "Receive PGN enable list with enable states"),
    record(0xA049, 1, 1, txPgnEnableList1, "ddTxPGNEnableList", "Transmit PGN enable list with 16-bit rates"),
    record(0xA049, 2, 1, txPgnEnableList2, "ddTxPGNEnableList", "Transmit PGN enable list with 32-bit rates"),
    record(0xA049, 3, 1, txPgnEnableList3, "ddTxPGNEnableList", "Transmit PGN enable list with enable states"),
    record(0xA049, 4, 1, txPgnEnableList4, "ddTxPGNEnableList", "Transmit PGN enable list, PGNs only"),
    record(0xA04A, 1, 1, deletePgnEnableList, "ddDeletePGNEnableList", "PGN enable list deleted"),
    record(0xA04B, 1, 1, activatePgnEnableLists, "ddActivatePGNEnableLists", "Active PGN enable lists"),
    record(0xA04C, 1, 1, defaultPgnEnableList, "ddDefaultPGNEnableList", "PGN enable list restored to defaults"),
    record(0xA04D, 1, 1, paramsPgnEnableLists, "ddParamsPGNEnableLists", "PGN enable list capacities"),
    record(0xA04E, 1, 1, rxPgnEnableListF2, "ddRxPGNEnableListF2", "Receive PGN enable list with masks"),
    record(0xA04F, 1, 1, txPgnEnableListF2First, "ddTxPGNEnableListF2", "Transmit PGN enable list with rates"),
    record(0xA04F, 2, 1, txPgnEnableListF2Second, "ddTxPGNEnableListF2", "Transmit PGN enable list with rates and offsets"),
    record(0xA060, 1, 0, anlgChannelRange, "ddAnlgChannelRange", "Analogue channel range"),
    record(0xA061, 1, 0, anlgChannelIFeed, "ddAnlgChannelIFeed", "Analogue channel current feed"),
    record(0xA062, 1, 0, anlgSampleRqst, "ddAnlgSampleRqst", "Analogue sampling started"),
    record(0xA070, 1, 0, jigLidMicroswitch, "ddJigLidMicroswitch", "Test jig lid switch state"),
    record(0xA071, 1, 0, usbCurrentLimit, "ddEutUsbILimitSelect", "Unit under test USB current limit"),
    record(0xA072, 1, 0, usbVbus, "ddEutUsbVBUS", "Unit under test USB bus voltage"),
    record(0xA073, 1, 0, usbDpDm, "ddEutUsbDPDM", "Unit under test USB data line voltages"),
    record(0xA074, 1, 0, usbOcs, "ddEutUsbOCS", "Unit under test USB over-current sense"),
    record(0xA075, 1, 0, usbBusFault, "ddEutUsbBusFault", "Unit under test USB bus faults"),
    record(0xA076, 1, 0, usbPortPower, "ddEutUsbPortPwr", "Unit under test USB port power"),
    record(0xA077, 1, 0, i2cStart, "ddI2C_Start", "I2C transaction started"),
    record(0xA078, 1, 0, i2cStop, "ddI2C_Stop", "I2C transaction stopped"),
    record(0xA079, 1, 0, i2cWriteBytes, "ddI2C_WriteBytes", "I2C bytes written"),
    record(0xA07A, 1, 0, i2cReadBytes, "ddI2C_ReadBytes", "I2C bytes read"),
    record(0xA0F0, 1, 1, startupStatus, "ddStartupStatus", "Start-up status"),
    record(0xA0F1, 1, 1, errorReport, "ddErrorReport", "Error report"),
    record(0xA0F2, 1, 1, systemStatus, "ddSystemStatus", "System status"),
    record(0xA0F3, 1, 0, anlgSample, "ddAnlgSample", "Analogue sample"),
    record(0xA0F4, 1, 1, negativeAcknowledge, "ddNegativeAcknowledge", "Command not acknowledged"),

    record(0xA100, 1, 1, restartDelay, "ddReInitMainAppPG", "Re-initialise the main application"),
    record(0xA101, 1, 1, verifyAfterWrite, "ddCommitToEEPROMPG", "Commit the settings to EEPROM"),
    record(0xA102, 1, 1, verifyAfterWrite, "ddCommitToFlashPG", "Commit the settings to flash memory"),
    record(0xA110, 1, 1, "ddHardwareInfoPG", "Request hardware information"),
    record(0xA111, 1, 1, requestedOperatingMode, "ddOperatingModePG", "Set the operating mode"),
    record(0xA112, 1, 1, portBaudCfg, "ddPortBaudCfgPG", "Configure a port's baud rate"),
    record(0xA113, 1, 1, portPCodeCfg, "ddPortPCodeCfgPG", "Configure a port's protocol code"),
    record(0xA114, 1, 1, portDupDelete, "ddPortDupDeletePG", "Configure a port's duplicate message deletion"),
    record(0xA115, 1, 1, "ddTotalTimePG", "Request the total operating time"),
    record(0xA116, 1, 1, hardwareBaudSet, "ddHardwareBaudPG", "Set the hardware interface baud rate"),
    record(0xA117, 1, 1, portNumber, "ddPortBaudratePG", "Request a port's baud rates"),
    record(0xA118, 1, 1, echo, "ddEchoPG", "Echo the data sent"),
    record(0xA119, 1, 1, jsonRpc, "ddJsonRpcPG", "JSON remote procedure call"),
    record(0xA11A, 1, 1, nonVolKeyValuePair, "ddNonVolKeyValuePairPG", "Store a non-volatile key and value pair"),
    record(0xA140, 1, 1, supportedPgnListRequest, "ddSupportedPGNListPG", "Request the supported PGN list"),
    record(0xA141, 1, 1, productInfoRequest, "ddProductInfoN2KPG", "Request NMEA 2000 product information"),
    record(0xA142, 1, 1, canConfigSet, "ddCANConfigPG", "Configure the CAN interface"),
    record(0xA143, 1, 1, canInfoField1, "ddCANInfoField1PG", "Set CAN installation description 1"),
    record(0xA144, 1, 1, canInfoField2, "ddCANInfoField2PG", "Set CAN installation description 2"),
    record(0xA145, 1, 1, canInfoField3, "ddCANInfoField3PG", "Set CAN manufacturer information"),
    record(0xA146, 1, 1, rxPgnEnable, "ddRxPGNEnablePG", "Enable or disable a received PGN"),
    record(0xA147, 1, 1, txPgnEnable, "ddTxPGNEnablePG", "Enable or disable a transmitted PGN"),
    record(0xA148, 1, 1, listId, "ddRxPGNEnableListPG", "Request a receive PGN enable list"),
    record(0xA149, 1, 1, listId, "ddTxPGNEnableListPG", "Request a transmit PGN enable list"),
    record(0xA14A, 1, 1, listId, "ddDeletePGNEnableListPG", "Delete a PGN enable list"),
    record(0xA14B, 1, 1, activatePgnEnableLists, "ddActivatePGNEnableListsPG", "Activate PGN enable lists"),
    record(0xA14C, 1, 1, listId, "ddDefaultPGNEnableListPG", "Restore a PGN enable list to its defaults"),
    record(0xA14D, 1, 1, "ddParamsPGNEnableListsPG", "Request the PGN enable list capacities"),
    record(0xA14E, 1, 1, rxPgnEnableListF2, "ddRxPGNEnableListF2PG", "Set a receive PGN enable list with masks"),
    record(0xA14F, 1, 1, txPgnEnableListF2First, "ddTxPGNEnableListF2PG", "Set a transmit PGN enable list with rates"),
    record(0xA160, 1, 0, anlgChannelRange, "ddAnlgChannelRangePG", "Set an analogue channel range"),
    record(0xA161, 1, 0, anlgChannelIFeed, "ddAnlgChannelIFeedPG", "Set an analogue channel current feed"),
    record(0xA162, 1, 0, anlgSampleRqst, "ddAnlgSampleRqstPG", "Start analogue sampling"),
    record(0xA170, 1, 0, "ddJigLidMicroswitchPG", "Request the test jig lid switch state"),
    record(0xA171, 1, 0, usbCurrentLimit, "ddEutUsbILimitSelectPG", "Select the unit under test USB current limit"),
    record(0xA172, 1, 0, usbVbusSet, "ddEutUsbVBUSPG", "Switch the unit under test USB bus voltage"),
    record(0xA173, 1, 0, "ddEutUsbDPDMPG", "Measure the unit under test USB data lines"),
    record(0xA174, 1, 0, "ddEutUsbOCSPG", "Request the unit under test USB over-current sense"),
    record(0xA175, 1, 0, "ddEutUsbBusFaultPG", "Request the unit under test USB bus faults"),
    record(0xA176, 1, 0, usbPortPower, "ddEutUsbPortPwrPG", "Switch the unit under test USB port power"),
    record(0xA177, 1, 0, i2cStart, "ddI2C_StartPG", "Start an I2C transaction"),
    record(0xA178, 1, 0, i2cStop, "ddI2C_StopPG", "Stop an I2C transaction"),
    record(0xA179, 1, 0, i2cWriteBytesRequest, "ddI2C_WriteBytesPG", "Write I2C bytes"),
    record(0xA17A, 1, 0, i2cReadBytesRequest, "ddI2C_ReadBytesPG", "Read I2C bytes"),

    record(0xA200, 1, 0, debugText, "ddDebugText", "Debug text"),
    record(0xA201, 1, 0, debugValueU32, "ddDebugValueU32", "Debug value, unsigned 32-bit"),
    record(0xA202, 1, 0, debugValueS32, "ddDebugValueS32", "Debug value, signed 32-bit"),
    record(0xA203, 1, 0, debugValueU64, "ddDebugValueU64", "Debug value, unsigned 64-bit"),
    record(0xA204, 1, 0, debugValueS64, "ddDebugValueS64", "Debug value, signed 64-bit"),
    record(0xA220, 1, 0, debugTimeProfiler, "ddDebugTimeProfiler", "Debug time profile"),

    record(0xA300, 1, 1, programSetSector, "ddProgramSetSector", "Programming sector selected"),
    record(0xA301, 1, 1, programErase, "ddProgramErase", "Programming sector erased"),
    record(0xA302, 1, 1, programWriteVerify, "ddProgramWriteVerify", "Programming data written and verified"),
    record(0xA303, 1, 1, imageCrcAndSize, "ddProgramFinalise", "Programming finalised"),
    record(0xA304, 1, 1, readData, "ddProgramRead", "Programmed data read back"),
    record(0xA3F4, 1, 1, negativeAcknowledge, "ddProgramNegAcknowledge", "Programming command not acknowledged"),
    record(0xA400, 1, 1, sectorNumber, "ddProgramSetSectorPG", "Select a programming sector"),
    record(0xA401, 1, 1, sectorNumber, "ddProgramErasePG", "Erase a programming sector"),
    record(0xA402, 1, 1, writeData, "ddProgramWriteVerifyPG", "Write and verify programming data"),
    record(0xA403, 1, 1, imageCrcAndSize, "ddProgramFinalisePG", "Finalise programming"),
    record(0xA404, 1, 1, readRequest, "ddProgramReadPG", "Read programmed data back"),

    record(0xA500, 1, 1, bootConnect, "ddBootConnect", "Boot loader connected"),
    record(0xA503, 1, 1, bootFinaliseFlash, "ddBootFinaliseFlash", "Boot loader flash image finalised"),
    record(0xA510, 1, 1, bootReSync, "ddBootReSync", "Boot loader resynchronised"),
    record(0xA5F0, 1, 1, bootConfirmSoftwareReset, "ddBootConfirmSoftwareReset", "Software reset confirmed"),
    record(0xA5F4, 1, 1, negativeAcknowledge, "ddBootBaseNegAcknowledge", "Boot loader command not acknowledged"),
    record(0xA600, 1, 1, bootConnectRequest, "ddBootConnectPG", "Connect to the boot loader"),
    record(0xA603, 1, 1, imageCrcAndSize, "ddBootFinaliseFlashPG", "Finalise the boot loader flash image"),
    record(0xA610, 1, 1, bootReSync, "ddBootReSyncPG", "Resynchronise with the boot loader"),
    record(0xA701, 1, 1, bootEraseFlash, "ddBootEraseFlash", "Flash blocks erased"),
    record(0xA702, 1, 1, programWriteVerify, "ddBootWriteVerifyFlash", "Flash data written and verified"),
    record(0xA703, 1, 1, bootEraseFlashV2, "ddBootEraseFlashV2", "Flash range erased"),
    record(0xA704, 1, 1, readData, "ddBootReadFlash", "Flash data read"),
    record(0xA705, 1, 1, bootCrcFlash, "ddBootCRCFlash", "Flash range CRC"),
    record(0xA706, 1, 1, eepromWriteVerify, "ddBootWriteVerifyEEPROM", "EEPROM data written and verified"),
    record(0xA707, 1, 1, eepromData, "ddBootReadEEPROM", "EEPROM data read"),
    record(0xA7F0, 1, 1, bootEraseFlashV2stat, "ddBootEraseFlashV2stat", "Flash range erase progress"),
    record(0xA7F4, 1, 1, bootCodecNegAck, "ddBootCodecNegAck", "Boot loader codec command not acknowledged"),
    record(0xA801, 1, 1, bootEraseFlashRequest, "ddBootEraseFlashPG", "Erase flash blocks"),
    record(0xA802, 1, 1, writeData, "ddBootWriteVerifyFlashPG", "Write and verify flash data"),
    record(0xA803, 1, 1, bootEraseFlashV2Request, "ddBootEraseFlashV2PG", "Erase a flash range"),
    record(0xA804, 1, 1, readRequest, "ddBootReadFlashPG", "Read flash data"),
    record(0xA805, 1, 1, bootCrcFlashRequest, "ddBootCRCFlashPG", "Compute the CRC of a flash range"),
    record(0xA806, 1, 1, eepromData, "ddBootWriteVerifyEEPROMPG", "Write and verify EEPROM data"),
    record(0xA807, 1, 1, eepromReadRequest, "ddBootReadEEPROMPG", "Read EEPROM data"),

    record(0xA900, 1, 1, mdtStartOfTransfer, "ddMDTStartOfTransfer", "Mass data transfer started"),
    record(0xA901, 1, 1, mdtEndOfTransfer, "ddMDTEndOfTransfer", "Mass data transfer ended"),
    record(0xA902, 1, 1, mdtRequestTransfer, "ddMDTRequestTransfer", "Mass data transfer requested"),
    record(0xA9F4, 1, 1, negativeAcknowledge, "ddMDTNegAcknowledge", "Mass data transfer not acknowledged"),
    record(0xC0FF, 1, 1, mdtDataBlock, "ddMDTDataBlock", "Mass data transfer data block"),
    record(0xFFFF, 1, 0, "ddLastEnum", "End of the dictionary"),
};

static_assert(std::size(dictionary) == 150, "the dictionary has 150 records");

constexpr bool sortedByKeyAndSubKey()
{
    for (std::size_t i = 1; i < std::size(dictionary); ++i) {
        const BemDictEntry& a = dictionary[i - 1];
        const BemDictEntry& b = dictionary[i];
        if (a.key > b.key || (a.key == b.key && a.subKey >= b.subKey))
            return false;
    }
    return true;
}
static_assert(sortedByKeyAndSubKey(), "the lookup needs the records sorted by key and sub-key");

} // namespace

const BemDictEntry* bemDictionary() { return dictionary; }

std::uint32_t bemDictionarySize() { return static_cast<std::uint32_t>(std::size(dictionary)); }

} // namespace KelpLib
