#include "n2k/DeviceTables.h"

#include <array>
#include <iterator>

namespace StandardsLib {
namespace {

// The operating-mode texts of one model family, indexed by mode.
struct ModeSet_s {
    const char* const* texts;
    std::uint32_t count;
};

constexpr const char* gatewayModes[] = {
    "Korvane gateway normal transfer mode",
    "Korvane gateway NMEA 0183 to NMEA 2000 conversion mode",
    "Korvane gateway NMEA 2000 to NMEA 0183 conversion mode",
    "Korvane gateway two-way conversion mode",
    "Korvane gateway raw CAN frame transfer mode",
    "Korvane gateway configuration mode",
};
constexpr const char* bootloaderModes[] = {
    "Korvane bootloader idle",
    "Korvane bootloader waiting for connection",
    "Korvane bootloader connected",
    "Korvane bootloader erasing flash",
    "Korvane bootloader programming flash",
    "Korvane bootloader verifying flash",
    "Korvane bootloader starting application",
};
constexpr const char* bufferModes[] = {
    "Korvane buffer pass-through mode",
    "Korvane buffer repeater mode",
    "Korvane buffer filtering mode",
};
constexpr const char* multiplexerModes[] = {
    "Korvane multiplexer priority mode",
    "Korvane multiplexer round-robin mode",
    "Korvane multiplexer first-come mode",
    "Korvane multiplexer pass-through mode",
};
constexpr const char* loggerModes[] = {
    "Korvane logger recording",
    "Korvane logger paused",
    "Korvane logger storage full",
    "Korvane logger download mode",
};

constexpr ModeSet_s noModes{nullptr, 0};
constexpr ModeSet_s gateway{gatewayModes, static_cast<std::uint32_t>(std::size(gatewayModes))};
constexpr ModeSet_s bootloader{bootloaderModes, static_cast<std::uint32_t>(std::size(bootloaderModes))};
constexpr ModeSet_s buffer{bufferModes, static_cast<std::uint32_t>(std::size(bufferModes))};
constexpr ModeSet_s multiplexer{multiplexerModes, static_cast<std::uint32_t>(std::size(multiplexerModes))};
constexpr ModeSet_s logger{loggerModes, static_cast<std::uint32_t>(std::size(loggerModes))};

struct DeviceModel_s {
    const char* name;
    ModeSet_s modes;
};

// Indexed by model id.
constexpr std::array<DeviceModel_s, modelCount> models = {{
    {"Korvane serial gateway G-1", gateway},
    {"Korvane serial gateway G-2", gateway},
    {"Korvane USB gateway U-1", gateway},
    {"Korvane USB gateway U-2", gateway},
    {"Korvane Ethernet gateway E-1", gateway},
    {"Korvane wireless gateway W-1", gateway},
    {"Korvane bootloader", bootloader},
    {"Korvane data logger L-1", logger},
    {"Korvane data logger L-2", logger},
    {"Korvane NMEA 0183 multiplexer M-4", multiplexer},
    {"Korvane NMEA 0183 multiplexer M-8", multiplexer},
    {"Korvane NMEA 0183 buffer B-1", buffer},
    {"Korvane NMEA 0183 buffer B-2", buffer},
    {"Korvane NMEA 2000 bridge N-1", gateway},
    {"Korvane NMEA 2000 repeater R-1", noModes},
    {"Korvane analogue interface A-1", noModes},
    {"Korvane analogue interface A-2", noModes},
    {"Korvane engine interface EI-1", noModes},
    {"Korvane tank level sender T-1", noModes},
    {"Korvane rudder angle sender RA-1", noModes},
    {"Korvane depth transducer interface D-1", noModes},
    {"Korvane speed log interface S-1", noModes},
    {"Korvane wind sensor interface WS-1", noModes},
    {"Korvane compass sensor C-1", noModes},
    {"Korvane GNSS receiver P-1", noModes},
    {"Korvane AIS receiver interface AR-1", gateway},
    {"Korvane switch controller SW-5", noModes},
    {"Korvane switch controller SW-6", noModes},
    {"Korvane power distribution unit PD-1", noModes},
    {"Korvane display interface DI-1", noModes},
    {"Korvane autopilot interface AP-1", gateway},
    {"Korvane J1939 gateway J-1", gateway},
    {"Korvane ModBus gateway MB-1", gateway},
    {"Korvane Bluetooth gateway BT-1", gateway},
    {"Korvane WiFi gateway WF-1", gateway},
    {"Korvane ZigBee node Z-1", noModes},
    {"Korvane test jig TJ-1", noModes},
    {"Korvane production tester PT-1", noModes},
    {"Korvane network monitor NM-1", logger},
    {"Korvane network terminator NT-1", noModes},
    {"Korvane CAN analyser CA-1", logger},
    {"Korvane serial analyser SA-1", logger},
    {"Korvane voltage monitor VM-1", noModes},
    {"Korvane current monitor IM-1", noModes},
    {"Korvane temperature monitor TM-1", noModes},
    {"Korvane pressure monitor PM-1", noModes},
    {"Korvane alarm panel AL-1", noModes},
    {"Korvane chip-only module CM-1", gateway},
    {"Korvane ISO drive interface ID-1", noModes},
    {"Korvane RS422 buffer B-4", buffer},
    {"Korvane Ethernet multiplexer EM-1", multiplexer},
    {"Korvane engineering bootloader EB-1", bootloader},
}};

} // namespace

const char* modelName(std::uint32_t id)
{
    return id < models.size() ? models[id].name : "Unknown Model ID";
}

const char* operatingModeName(std::uint32_t modelId, std::uint32_t mode)
{
    if (modelId >= models.size())
        return "Invalid Model ID";
    const ModeSet_s& modes = models[modelId].modes;
    if (modes.count == 0)
        return "Model ID not defined, cannot decode Op. Mode";
    return mode < modes.count ? modes.texts[mode] : "Unknown Op. Mode";
}

} // namespace StandardsLib
