#include "n2k/NetworkNames.h"

#include <array>
#include <cstddef>

namespace StandardsLib {
namespace {

constexpr std::array<const char*, 8> industryGroups = {
    "Global, applies to all",
    "On-Highway Equipment",
    "Agricultural & Forestry Equipment",
    "Construction Equipment",
    "Marine",
    "Industrial-Process Control-Stationary",
    "Reserved for future assignment",
    "Not available",
};

constexpr std::array<ManufacturerRow_s, 148> manufacturers = {{
    {78, "FW Murphy"},
    {80, "Twin Disc"},
    {85, "Kohler Power Systems"},
    {88, "Hemisphere GPS/Satloc Precision"},
    {135, "Airmar"},
    {137, "Maretron"},
    {140, "Lowrance Electronics"},
    {144, "Mercury Marine"},
    {147, "Nautibus electronic GmbH"},
    {148, "Blue Water Data"},
    {154, "Westerbeke Corp"},
    {161, "Offshore Systems UK Ltd."},
    {163, "Evinrude/BRP Bombardier"},
    {165, "Cpac Systems AB"},
    {168, "Xantrex Technology"},
    {172, "Yanmar/Yanmar Diesel"},
    {174, "Volvo Penta"},
    {176, "Carling Technologies Inc."},
    {185, "Beede Electrical"},
    {192, "Floscan Instrument Co., Inc."},
    {193, "Nobeltec"},
    {198, "Mystic Valley Communications"},
    {199, "Actia Corporation"},
    {201, "Disenos Y Technologia"},
    {211, "DNA Group, Inc."},
    {215, "Aetna Engineering/Fireboy-Xintex"},
    {224, "EMMI Network"},
    {228, "ZF Marine Electronics"},
    {229, "Garmin"},
    {233, "Yacht Monitoring Solutions"},
    {235, "SailorMade Marine Telemetry/Tetra Technology Ltd"},
    {243, "eRide"},
    {257, "Honda Motor Company Ltd."},
    {272, "Groco"},
    {273, "Korvane"},
    {274, "Amphenol LTW Technology"},
    {275, "Navico"},
    {283, "Hamilton Jet"},
    {285, "Sea Recovery"},
    {286, "Coelmo SRL Italy"},
    {295, "BEP Marine"},
    {304, "Empir Bus"},
    {305, "Novatel"},
    {306, "Sleipner Motor AS"},
    {307, "MBW/MAS Technologies"},
    {315, "ICOM"},
    {328, "Qwerty"},
    {329, "Dief"},
    {341, "Böning Automationstechnologie GmbH"},
    {345, "Korea Maritime University"},
    {351, "Thrane and Thrane"},
    {355, "Mastervolt"},
    {356, "Fischer Panda Generators"},
    {358, "Victron Energy"},
    {370, "Rolls Royce Marine"},
    {373, "Electronic Design"},
    {374, "Northern Lights"},
    {378, "Glendinning"},
    {381, "B&G"},
    {384, "Camano Light"},
    {385, "Johnson Outdoors Marine Electronics Inc."},
    {394, "Capi 2"},
    {396, "Beyond Measure"},
    {400, "Livorsi Marine"},
    {404, "Com Nav"},
    {419, "Fusion"},
    {421, "Standard Horizon"},
    {422, "True Heading"},
    {426, "Egersund Marine Electronics AS"},
    {427, "Em-Trak/SRT Marine Electronics Ltd."},
    {431, "Tohatsu Co, JP"},
    {437, "Digital Yacht Limited"},
    {438, "Comar Systems Limited"},
    {440, "Cummins"},
    {443, "VDO (aka Continental-Corporation)"},
    {451, "Parker Hannifin"},
    {459, "Alltek Marine Electronics Corp"},
    {460, "San Giorgio S.E.I.N. srl"},
    {466, "Veethree Electronics & Marine"},
    {467, "Hummingbird Marine Electronics"},
    {470, "SI-TEX Marine Electronics"},
    {471, "Sea Cross Marine AB"},
    {475, "GME aka Standard Communications Pty Ltd."},
    {478, "Ocean Sat BV"},
    {481, "Chetco Digital Instruments"},
    {493, "Watcheye"},
    {499, "Lcj Capteurs"},
    {502, "Attwood Marine"},
    {503, "Naviop S.R.L."},
    {504, "Vesper Marine Ltd"},
    {510, "Marinesoft Co. Ltd."},
    {517, "NoLand Engineering"},
    {518, "Transas USA"},
    {529, "National Instruments Korea"},
    {532, "Onwa Marine"},
    {571, "Marinecraft (South Korea)"},
    {573, "McMurdo Group (aka Orolia Ltd.)"},
    {578, "Advansea"},
    {579, "KVH"},
    {580, "San Jose Technology"},
    {583, "Yacht Control"},
    {586, "Suzuki Motor Corporation"},
    {591, "USCG"},
    {595, "Ship Module (aka Customware)"},
    {600, "Aquatic AV"},
    {605, "Aventics GmbH"},
    {606, "Intellian"},
    {612, "SamwonIT"},
    {614, "Arlt Tecnologies"},
    {637, "Bavaria Yacts"},
    {641, "Diverse Yacht Services"},
    {644, "Wema U.S.A (aka KUS)"},
    {658, "Shenzhen Jiuzhou Himunication"},
    {688, "Rockford Corp"},
    {715, "Autonnic"},
    {717, "Yacht Devices"},
    {734, "REAP Systems"},
    {735, "Au Electronics Group"},
    {739, "LxNav"},
    {740, "JL Audio"},
    {743, "DaeMyung"},
    {744, "Woosung"},
    {773, "Clarion US"},
    {776, "HMI Systems"},
    {777, "Ocean Signal"},
    {778, "Seekeeper"},
    {781, "Poly Planar"},
    {785, "Fischer Panda DE"},
    {795, "Broyda Industries"},
    {796, "Canadian Automotive"},
    {797, "Tides Marine"},
    {798, "Lumishore"},
    {799, "Still Water Designs and Audio"},
    {803, "Gill Sensors"},
    {1850, "Teleflex Marine (SeaStar Solutions)"},
    {1851, "Raymarine, Inc."},
    {1852, "Navionics"},
    {1853, "Japan Radio Co"},
    {1854, "Northstar Technologies"},
    {1855, "Furuno USA"},
    {1856, "Trimble"},
    {1857, "Simrad"},
    {1858, "LITTON"},
    {1859, "Kvasar AB"},
    {1860, "MMP"},
    {1861, "Vector Cantech"},
    {1862, "Yamaha Marine (aka Sanshin Industries)"},
    {1863, "Faria Instruments"},
}};

constexpr bool ascendingCodes()
{
    for (std::size_t i = 1; i < manufacturers.size(); ++i) {
        if (manufacturers[i - 1].code >= manufacturers[i].code)
            return false;
    }
    return true;
}
static_assert(ascendingCodes(), "manufacturer rows must be in ascending code order");

// The older edition of the class table; no text when it does not list the class.
const char* v1300ClassName(std::uint8_t deviceClass)
{
    switch (deviceClass) {
    case 0: return "Reserved";
    case 10: return "System Tools";
    case 20: return "Safety Systems";
    case 25: return "Internetwork Device";
    case 30: return "Power management and lighting systems";
    case 40: return "Steering systems";
    case 50: return "Propulsion systems";
    case 60: return "Navigation systems";
    case 70: return "Communication systems";
    case 80: return "Instrumentation/General Systems";
    case 90: return "Environmental (HVAC) systems";
    case 100: return "Deck, cargo, and fishing equipment systems";
    default: return nullptr;
    }
}

const char* v2000ClassName(std::uint8_t deviceClass)
{
    switch (deviceClass) {
    case 0: return "Reserved";
    case 10: return "System Tools";
    case 20: return "Safety Systems";
    case 25: return "Internetwork Device";
    case 30: return "Electrical Distribution";
    case 35: return "Electrical Generation";
    case 40: return "Steering and Control Surfaces";
    case 50: return "Propulsion";
    case 60: return "Navigation";
    case 70: return "Communication";
    case 75: return "Sensor Communication Interface";
    case 80: return "Instrumentation/General Systems";
    case 85: return "External Environment";
    case 90: return "Internal Environment";
    case 100: return "Deck, Cargo and Fishing Equipment";
    case 120: return "Display";
    case 125: return "Entertainment";
    default: return "Unknown v2000 device class";
    }
}

// The older edition of the function table; no text when it does not list the pair. Its entry
// for navigation function 140 is an empty text, which is a listed entry, not an absent one.
const char* v1300FunctionName(std::uint8_t deviceClass, std::uint8_t function)
{
    switch (deviceClass) {
    case 25:
        switch (function) {
        case 130: return "Gateway";
        case 140: return "Router";
        case 150: return "Bridge";
        case 160: return "Repeater";
        }
        break;
    case 30:
        switch (function) {
        case 130: return "Switch";
        case 140: return "Load";
        }
        break;
    case 40:
        switch (function) {
        case 130: return "Follow-up Controller";
        case 140: return "Mode Controller";
        case 150: return "Automatic Steering Controller";
        case 160: return "Heading Sensors";
        }
        break;
    case 50:
        switch (function) {
        case 130: return "Engineroom Monitoring";
        case 140: return "Engine Interface";
        case 150: return "Engine Controller";
        case 160: return "Engine Gateway";
        case 170: return "Control Head";
        case 180: return "Actuator";
        case 190: return "Gauge Interface";
        case 200: return "Gauge Large";
        case 210: return "Gauge Small";
        }
        break;
    case 60:
        switch (function) {
        case 130: return "Sounder, depth";
        case 140: return "";
        case 145: return "Global Navigation Satellite System (GNSS)";
        case 150: return "Loran C";
        case 155: return "Speed Sensors";
        case 160: return "Turn Rate Indicator";
        case 170: return "Integrated Navigation";
        case 200: return "Radar and/or Radar Plotting";
        case 205: return "Electronic Chart Display & Information System (ECDIS)";
        case 210: return "Electronic Chart System (ECS)";
        case 220: return "Direction Finder";
        }
        break;
    case 70:
        switch (function) {
        case 130: return "Emergency Position Indicating Beacon (EPIRB)";
        case 140: return "Automatic Identification System (AIS)";
        case 150: return "Digital Selective Calling (DSC)";
        case 160: return "Data Receiver";
        case 170: return "Satellite";
        case 180: return "Radio-telephone (MF/HF)";
        case 190: return "Radiotelephone (VHF)";
        }
        break;
    case 80:
        switch (function) {
        case 130: return "Time/Date Systems";
        case 140: return "Voyage Data Recorder (VDR)";
        case 150: return "Integrated Instrumentation";
        case 160: return "General Purpose Displays";
        case 170: return "General Sensor Box";
        case 180: return "Weather Instruments";
        case 190: return "Transducer/General";
        case 200: return "NMEA 0183 Converter";
        }
        break;
    }
    return nullptr;
}

const char* v2000FunctionName(std::uint8_t deviceClass, std::uint8_t function)
{
    switch (deviceClass) {
    case 0:
    case 10:
        switch (function) {
        case 120: return "NMEA 2000 Certification Tool";
        case 121: return "NMEA OneNet Certification Tool";
        case 122: return "NMEA Network Gateway Cert. Tool - OneNet/2000 Interface";
        case 130: return "Diagnostic Tool";
        case 140: return "Bus Traffic Logger";
        }
        break;
    case 20:
        switch (function) {
        case 110: return "Alarm Enunciator [D]";
        case 130: return "Emergency Position Indicating Radio Beacon (EPIRB)";
        case 135: return "Man Overboard";
        case 140: return "Voyage Data Recorder";
        case 150: return "Camera";
        }
        break;
    case 25:
        switch (function) {
        case 130: return "PC Gateway";
        case 131: return "NMEA 2000 to Analog Gateway";
        case 132: return "Analog to NMEA 2000 Gateway";
        case 135: return "NMEA 0183 Gateway";
        case 136: return "NMEA Network Gateway";
        case 137: return "NMEA 2000 Wireless Gateway";
        case 140: return "Router";
        case 150: return "Bridge";
        case 160: return "Repeater";
        }
        break;
    case 30:
        switch (function) {
        case 130: return "Binary Event Monitor";
        case 140: return "Load Controller";
        case 141: return "AC/DC Input";
        case 150: return "function_ Controller";
        }
        break;
    case 35:
        switch (function) {
        case 140: return "Engine";
        case 141: return "DC Generator/Alternator";
        case 142: return "Solar Panel (Solar Array)";
        case 143: return "Wind Generator (DC)";
        case 144: return "Fuel Cell";
        case 145: return "Network Power Supply";
        case 151: return "AC Generator";
        case 152: return "AC Bus";
        case 153: return "AC Mains (Utility/Shore)";
        case 154: return "AC Output";
        case 160: return "Power Converter - Battery Charger";
        case 161: return "Power Converter - Battery Charger & Inverter";
        case 162: return "Power Converter - Inverter";
        case 163: return "Power Converter - DC";
        case 170: return "Battery";
        case 180: return "Engine Gateway";
        }
        break;
    case 40:
        switch (function) {
        case 130: return "Follow-up Controller";
        case 140: return "Mode Controller";
        case 150: return "Autopilot";
        case 155: return "Rudder";
        case 160: return "Heading Sensors [D]";
        case 170: return "Trim (Tabs)/Interceptors";
        case 180: return "Attitude (Pitch, Roll, Yaw) Control";
        }
        break;
    case 50:
        switch (function) {
        case 130: return "Engineroom Monitoring [D]";
        case 140: return "Engine";
        case 141: return "DC Generator/Alternator";
        case 150: return "Engine Controller [D]";
        case 151: return "AC Generator";
        case 155: return "Motor";
        case 160: return "Engine Gateway";
        case 165: return "Transmission";
        case 170: return "Throttle/Shift Control";
        case 180: return "Actuator [D]";
        case 190: return "Gauge Interface [D]";
        case 200: return "Gauge Large [D]";
        case 210: return "Gauge Small [D]";
        }
        break;
    case 60:
        switch (function) {
        case 130: return "Bottom Depth";
        case 135: return "Bottom Depth & Speed";
        case 140: return "Ownship Attitude";
        case 145: return "Ownship Position (GNSS)";
        case 150: return "Ownship Position (Loran C)";
        case 155: return "Speed";
        case 160: return "Turn Rate Indicator [D]";
        case 170: return "Integrated Navigation [D]";
        case 175: return "Integrated Navigation System";
        case 190: return "Navigation Management";
        case 195: return "Automatic Identification System (AIS)";
        case 200: return "Radar";
        case 201: return "Infrared Imaging";
        case 205: return "ECDIS [D]";
        case 210: return "ECS [D]";
        case 220: return "Direction Finder [D]";
        case 230: return "Voyage Status";
        }
        break;
    case 70:
        switch (function) {
        case 130: return "EPIRB [D]";
        case 140: return "AIS [D]";
        case 150: return "DSC [D]";
        case 160: return "Data Receiver/Transceiver";
        case 170: return "Satellite";
        case 180: return "Radio-telephone (MF/HF) [D]";
        case 190: return "Radiotelephone";
        }
        break;
    case 75:
        switch (function) {
        case 130: return "Temperature";
        case 140: return "Pressure";
        case 150: return "Fluid Level";
        case 160: return "Flow";
        case 170: return "Humidity";
        }
        break;
    case 80:
        switch (function) {
        case 130: return "Time/Date Systems [D]";
        case 140: return "VDR [D]";
        case 150: return "Integrated Instrumentation [D]";
        case 160: return "General Purpose Displays [D]";
        case 170: return "General Sensor Box [D]";
        case 180: return "Weather Instruments [D]";
        case 190: return "Transducer/General [D]";
        case 200: return "NMEA 0183 Converter [D]";
        }
        break;
    case 85:
        switch (function) {
        case 130: return "Atmospheric";
        case 160: return "Aquatic";
        }
        break;
    case 90:
        if (function == 130)
            return "HVAC";
        break;
    case 100:
        if (function == 130)
            return "Scale (Catch)";
        break;
    case 120:
        switch (function) {
        case 130: return "Display";
        case 140: return "Alarm Enunciator";
        }
        break;
    case 125:
        switch (function) {
        case 130: return "Multimedia Player";
        case 140: return "Multimedia Controller";
        }
        break;
    }
    return "Unknown v2000 device function";
}

} // namespace

std::string industryGroupName(std::uint8_t group)
{
    if (group < industryGroups.size())
        return industryGroups[group];
    return "Unknown Industry Group";
}

std::string manufacturerName(std::uint16_t code)
{
    // Halving search over [low, high): the bound that moves takes mid itself, so a range that
    // can no longer shrink ends the search.
    std::size_t low = 0;
    std::size_t high = manufacturers.size();
    while (high != low) {
        const std::size_t mid = (low + high) / 2;
        const std::uint16_t found = manufacturers[mid].code;
        if (found == code)
            return manufacturers[mid].name;
        if (code > found) {
            if (low == mid)
                break;
            low = mid;
        } else {
            if (high == mid)
                break;
            high = mid;
        }
    }
    return "Unknown NMEA 2000 Manufacturer ID";
}

std::string manufacturerCodeText(std::uint16_t code)
{
    return manufacturerName(code) + " (" + std::to_string(code) + ")";
}

std::string deviceClassName(std::uint8_t deviceClass, std::uint16_t databaseVersion)
{
    if (databaseVersion < firstV2000DatabaseVersion) {
        if (const char* older = v1300ClassName(deviceClass))
            return older;
    }
    return v2000ClassName(deviceClass);
}

std::string deviceFunctionName(std::uint8_t deviceClass, std::uint8_t function,
                               std::uint16_t databaseVersion)
{
    if (databaseVersion < firstV2000DatabaseVersion) {
        if (const char* older = v1300FunctionName(deviceClass, function))
            return older;
    }
    return v2000FunctionName(deviceClass, function);
}

std::span<const ManufacturerRow_s> manufacturerRows()
{
    return manufacturers;
}

} // namespace StandardsLib
