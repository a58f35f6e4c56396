// The built-in NMEA 0183 sentence table: constant data only. Rows are in formatter order
// (the binary search depends on it); the field layouts give, per value field, its data type,
// unit code and the position of the field that carries its unit, hemisphere or side letter.

#include "n183/CN183Lib.h"
#include "n183/N183Codes.h"

#include <array>
#include <cstddef>

namespace StandardsLib {

namespace {

namespace T = N183DataType;
namespace U = N183Unit;
constexpr std::uint8_t kNone = kN183NoCompanion;

constexpr N183Field_s field(std::uint32_t position, std::uint32_t type, std::uint32_t unit,
                            std::uint8_t companion, const char* name, const char* description,
                            std::uint8_t groupSize = 0, std::uint8_t maxRepeat = 0) {
    return {position, type, unit, 0, companion, 0, groupSize, maxRepeat, 0, kNone, 0, {0, 0, 0, 0},
            "", name, description, ""};
}

constexpr N183Field_s letter(std::uint32_t position, const char* name, const char* description) {
    return field(position, T::Status, U::None, kNone, name, description);
}
constexpr N183Field_s number(std::uint32_t position, const char* name, const char* description) {
    return field(position, T::Integer, U::None, kNone, name, description);
}
constexpr N183Field_s text(std::uint32_t position, const char* name, const char* description) {
    return field(position, T::Text, U::None, kNone, name, description);
}
constexpr N183Field_s decimal(std::uint32_t position, std::uint32_t unit, const char* name,
                              const char* description) {
    return field(position, T::Decimal, unit, kNone, name, description);
}
// A value whose unit or reference letter is the next field.
constexpr N183Field_s lettered(std::uint32_t position, std::uint32_t unit, const char* name,
                               const char* description) {
    return field(position, T::Decimal, unit, static_cast<std::uint8_t>(position + 1), name, description);
}
constexpr N183Field_s utc(std::uint32_t position, const char* name = "Time (UTC)",
                          const char* description = "UTC time, hhmmss.ss") {
    return field(position, T::Time, U::None, kNone, name, description);
}
constexpr N183Field_s latitude(std::uint32_t position, const char* name = "Latitude") {
    return field(position, T::Latitude, U::None, static_cast<std::uint8_t>(position + 1), name,
                 "Latitude ddmm.mm, hemisphere N/S in the next field");
}
constexpr N183Field_s longitude(std::uint32_t position, const char* name = "Longitude") {
    return field(position, T::Longitude, U::None, static_cast<std::uint8_t>(position + 1), name,
                 "Longitude dddmm.mm, hemisphere E/W in the next field");
}
constexpr N183Field_s modeIndicator(std::uint32_t position) {
    return letter(position, "Mode Indicator", "A autonomous, D differential, E estimated, M manual, N not valid");
}

constexpr N183Field_s kAAM[] = {
    letter(0, "Arrival Circle Entered", "A = entered, V = not entered"),
    letter(1, "Perpendicular Passed", "A = passed, V = not passed"),
    lettered(2, U::NauticalMiles, "Arrival Circle Radius", "Radius of the arrival circle"),
    text(4, "Waypoint ID", "Identifier of the arrival waypoint"),
};

constexpr N183Field_s kAPB[] = {
    letter(0, "Status", "A = valid, V = general warning"),
    letter(1, "Cycle Lock Status", "A = OK or not used, V = cycle lock warning"),
    field(2, T::DistanceNoLetter, U::NauticalMiles, 4, "Cross Track Error", "Magnitude of the cross track error"),
    field(3, T::SideLetter, U::None, 4, "Direction to Steer", "L = steer left, R = steer right"),
    letter(5, "Arrival Circle Entered", "A = entered, V = not entered"),
    letter(6, "Perpendicular Passed", "A = passed, V = not passed"),
    lettered(7, U::DegreesTrueOrMagnetic, "Bearing Origin to Destination", "Bearing from origin to destination"),
    text(9, "Destination Waypoint ID", "Identifier of the destination waypoint"),
    lettered(10, U::DegreesTrueOrMagnetic, "Bearing to Destination", "Bearing from present position to destination"),
    lettered(12, U::DegreesTrueOrMagnetic, "Heading to Steer", "Heading to steer to the destination"),
    modeIndicator(14),
};

constexpr N183Field_s kBOD[] = {
    lettered(0, U::DegreesTrueOrMagnetic, "Bearing True", "Bearing origin to destination, true"),
    lettered(2, U::DegreesTrueOrMagnetic, "Bearing Magnetic", "Bearing origin to destination, magnetic"),
    text(4, "Destination Waypoint ID", "Identifier of the destination waypoint"),
    text(5, "Origin Waypoint ID", "Identifier of the origin waypoint"),
};

// BWC (great circle) and BWR (rhumb line) share one layout.
constexpr N183Field_s kBearingDistanceToWaypoint[] = {
    utc(0, "Time of Observation"),
    latitude(1, "Waypoint Latitude"),
    longitude(3, "Waypoint Longitude"),
    lettered(5, U::DegreesTrueOrMagnetic, "Bearing True", "Bearing to the waypoint, true"),
    lettered(7, U::DegreesTrueOrMagnetic, "Bearing Magnetic", "Bearing to the waypoint, magnetic"),
    lettered(9, U::NauticalMiles, "Distance", "Distance to the waypoint"),
    text(11, "Waypoint ID", "Identifier of the waypoint"),
    modeIndicator(12),
};

// DBK, DBS and DBT share one layout: the same depth in three units.
constexpr N183Field_s kDepthInThreeUnits[] = {
    lettered(0, U::Feet, "Depth in Feet", "Depth in feet"),
    lettered(2, U::Metres, "Depth in Metres", "Depth in metres"),
    lettered(4, U::Fathoms, "Depth in Fathoms", "Depth in fathoms"),
};

constexpr N183Field_s kDPT[] = {
    decimal(0, U::Metres, "Water Depth", "Depth relative to the transducer"),
    decimal(1, U::Metres, "Transducer Offset", "Positive: to the waterline; negative: to the keel"),
    decimal(2, U::Metres, "Maximum Range Scale", "Maximum range scale in use"),
};

constexpr N183Field_s kGGA[] = {
    utc(0, "Time of Position"),
    latitude(1),
    longitude(3),
    number(5, "Fix Quality", "0 no fix, 1 GNSS, 2 differential, 4 RTK fixed, 5 RTK float, 6 estimated"),
    number(6, "Satellites in Use", "Number of satellites in use"),
    decimal(7, U::None, "HDOP", "Horizontal dilution of precision"),
    lettered(8, U::Metres, "Antenna Altitude", "Antenna altitude above mean sea level"),
    lettered(10, U::Metres, "Geoidal Separation", "Ellipsoid above geoid"),
    decimal(12, U::None, "Age of Differential Data", "Seconds since the last differential update"),
    number(13, "Reference Station ID", "Differential reference station, 0000-1023"),
};

constexpr N183Field_s kGLL[] = {
    latitude(0),
    longitude(2),
    utc(4, "Time of Position"),
    letter(5, "Status", "A = valid, V = invalid"),
    modeIndicator(6),
};

constexpr N183Field_s kGNS[] = {
    utc(0, "Time of Position"),
    latitude(1),
    longitude(3),
    text(5, "Mode Indicator", "One mode letter per constellation"),
    number(6, "Satellites in Use", "Number of satellites in use"),
    decimal(7, U::None, "HDOP", "Horizontal dilution of precision"),
    decimal(8, U::Metres, "Antenna Altitude", "Antenna altitude above mean sea level"),
    decimal(9, U::Metres, "Geoidal Separation", "Ellipsoid above geoid"),
    decimal(10, U::None, "Age of Differential Data", "Seconds since the last differential update"),
    number(11, "Reference Station ID", "Differential reference station"),
    letter(12, "Navigational Status", "S safe, C caution, U unsafe, V not valid"),
};

constexpr N183Field_s kGSA[] = {
    letter(0, "Selection Mode", "M = manual, A = automatic 2D/3D"),
    number(1, "Fix Mode", "1 no fix, 2 = 2D, 3 = 3D"),
    field(2, T::Integer, U::None, kNone, "Satellite ID", "Satellite used in the solution", 1, 12),
    decimal(14, U::None, "PDOP", "Position dilution of precision"),
    decimal(15, U::None, "HDOP", "Horizontal dilution of precision"),
    decimal(16, U::None, "VDOP", "Vertical dilution of precision"),
    number(17, "System ID", "1 GPS, 2 GLONASS, 3 Galileo, 4 BeiDou, 5 QZSS, 6 NavIC"),
};

constexpr N183Field_s kGST[] = {
    utc(0, "Time of Fix"),
    decimal(1, U::Metres, "Range RMS", "RMS of the standard deviation of the ranges"),
    decimal(2, U::Metres, "Semi-Major Axis Deviation", "Standard deviation of the semi-major axis"),
    decimal(3, U::Metres, "Semi-Minor Axis Deviation", "Standard deviation of the semi-minor axis"),
    decimal(4, U::DegreesTrueOrMagnetic, "Semi-Major Axis Orientation", "Orientation from true north"),
    decimal(5, U::Metres, "Latitude Error Deviation", "Standard deviation of the latitude error"),
    decimal(6, U::Metres, "Longitude Error Deviation", "Standard deviation of the longitude error"),
    decimal(7, U::Metres, "Altitude Error Deviation", "Standard deviation of the altitude error"),
};

constexpr N183Field_s kGSV[] = {
    number(0, "Number of Sentences", "Sentences in this group"),
    number(1, "Sentence Number", "Number of this sentence, from 1"),
    number(2, "Satellites in View", "Total number of satellites in view"),
    field(3, T::Integer, U::None, kNone, "Satellite ID", "Satellite number", 4, 4),
    decimal(4, U::Degrees, "Elevation", "Elevation above the horizon"),
    decimal(5, U::DegreesTrueOrMagnetic, "Azimuth", "Azimuth from true north"),
    decimal(6, U::None, "SNR", "Signal to noise ratio, dB-Hz; empty when not tracking"),
    number(19, "Signal ID", "Signal of the constellation"),
};

constexpr N183Field_s kHDG[] = {
    decimal(0, U::Degrees, "Magnetic Sensor Heading", "Heading of the magnetic sensor"),
    field(1, T::AngleWithDirection, U::None, 2, "Magnetic Deviation", "Deviation, E or W"),
    field(3, T::AngleWithDirection, U::None, 4, "Magnetic Variation", "Variation, E or W"),
};

constexpr N183Field_s kHeadingWithReference[] = {
    lettered(0, U::DegreesTrueOrMagnetic, "Heading", "Heading with its reference letter"),
};

constexpr N183Field_s kHSC[] = {
    lettered(0, U::DegreesTrueOrMagnetic, "Commanded Heading True", "Heading to steer, true"),
    lettered(2, U::DegreesTrueOrMagnetic, "Commanded Heading Magnetic", "Heading to steer, magnetic"),
};

constexpr N183Field_s kMDA[] = {
    lettered(0, U::InchesHg, "Barometric Pressure", "Pressure in inches of mercury"),
    lettered(2, U::Bar, "Barometric Pressure", "Pressure in bars"),
    lettered(4, U::CelsiusOutside, "Air Temperature", "Air temperature"),
    lettered(6, U::CelsiusSea, "Water Temperature", "Water temperature"),
    decimal(8, U::None, "Relative Humidity", "Relative humidity, percent"),
    decimal(9, U::None, "Absolute Humidity", "Absolute humidity, percent"),
    lettered(10, U::CelsiusDewPoint, "Dew Point", "Dew point"),
    lettered(12, U::DegreesTrueOrMagnetic, "Wind Direction True", "Direction the wind blows from, true"),
    lettered(14, U::DegreesTrueOrMagnetic, "Wind Direction Magnetic", "Direction the wind blows from, magnetic"),
    lettered(16, U::Knots, "Wind Speed", "Wind speed in knots"),
    lettered(18, U::MetresPerSecond, "Wind Speed", "Wind speed in metres per second"),
};

constexpr N183Field_s kMHU[] = {
    decimal(0, U::None, "Relative Humidity", "Relative humidity, percent"),
    decimal(1, U::None, "Absolute Humidity", "Absolute humidity, percent"),
    lettered(2, U::CelsiusDewPoint, "Dew Point", "Dew point"),
};

constexpr N183Field_s kMMB[] = {
    lettered(0, U::InchesHg, "Barometric Pressure", "Pressure in inches of mercury"),
    lettered(2, U::Bar, "Barometric Pressure", "Pressure in bars"),
};

constexpr N183Field_s kMTA[] = {
    lettered(0, U::CelsiusOutside, "Air Temperature", "Air temperature"),
};

constexpr N183Field_s kMTW[] = {
    lettered(0, U::CelsiusSea, "Water Temperature", "Water temperature"),
};

constexpr N183Field_s kMWD[] = {
    lettered(0, U::DegreesTrueOrMagnetic, "Wind Direction True", "Direction the wind blows from, true"),
    lettered(2, U::DegreesTrueOrMagnetic, "Wind Direction Magnetic", "Direction the wind blows from, magnetic"),
    lettered(4, U::Knots, "Wind Speed", "Wind speed in knots"),
    lettered(6, U::MetresPerSecond, "Wind Speed", "Wind speed in metres per second"),
};

// The speed unit letter (K, M, N or S) varies, so it is shown as a field of its own.
constexpr N183Field_s kMWV[] = {
    lettered(0, U::WindAngleReference, "Wind Angle", "Angle clockwise from the bow, R relative or T true"),
    field(2, T::Decimal, U::None, 3, "Wind Speed", "Wind speed in the unit of the next field"),
    letter(3, "Wind Speed Units", "K km/h, M m/s, N knots, S statute mph"),
    letter(4, "Status", "A = valid, V = invalid"),
};

constexpr N183Field_s kRMB[] = {
    letter(0, "Status", "A = valid, V = warning"),
    field(1, T::DistanceNoLetter, U::NauticalMiles, kNone, "Cross Track Error", "Cross track error, 9.99 off scale"),
    field(2, T::SideLetter, U::None, kNone, "Direction to Steer", "L = steer left, R = steer right"),
    text(3, "Origin Waypoint ID", "Identifier of the origin waypoint"),
    text(4, "Destination Waypoint ID", "Identifier of the destination waypoint"),
    latitude(5, "Destination Latitude"),
    longitude(7, "Destination Longitude"),
    decimal(9, U::NauticalMiles, "Range to Destination", "Range, 999.9 off scale"),
    decimal(10, U::DegreesTrueOrMagnetic, "Bearing to Destination", "Bearing to destination, true"),
    decimal(11, U::Knots, "Closing Velocity", "Destination closing velocity"),
    letter(12, "Arrival Status", "A = arrived, V = not yet"),
    modeIndicator(13),
};

constexpr N183Field_s kRMC[] = {
    utc(0, "Time of Position"),
    letter(1, "Status", "A = valid, V = warning"),
    latitude(2),
    longitude(4),
    decimal(6, U::Knots, "Speed Over Ground", "Speed over ground"),
    decimal(7, U::DegreesTrueOrMagnetic, "Course Over Ground", "Course over ground, true"),
    field(8, T::Date, U::None, kNone, "Date", "Date, ddmmyy"),
    field(9, T::AngleWithDirection, U::None, 10, "Magnetic Variation", "Variation, E or W"),
    modeIndicator(11),
    letter(12, "Navigational Status", "S safe, C caution, U unsafe, V not valid"),
};

constexpr N183Field_s kROT[] = {
    decimal(0, U::DegreesPerMinute, "Rate of Turn", "Negative: bow turns to port"),
    letter(1, "Status", "A = valid, V = invalid"),
};

constexpr N183Field_s kRPM[] = {
    letter(0, "Source", "S = shaft, E = engine"),
    number(1, "Engine or Shaft Number", "0 single or centre, odd starboard, even port"),
    decimal(2, U::RevsPerMinute, "Speed", "Negative: counter-clockwise"),
    decimal(3, U::None, "Propeller Pitch", "Percent of maximum, negative astern"),
    letter(4, "Status", "A = valid, V = invalid"),
};

constexpr N183Field_s kRSA[] = {
    decimal(0, U::Degrees, "Starboard Rudder Angle", "Starboard or single rudder; negative: bow to port"),
    letter(1, "Starboard Rudder Status", "A = valid, V = invalid"),
    decimal(2, U::Degrees, "Port Rudder Angle", "Port rudder; negative: bow to port"),
    letter(3, "Port Rudder Status", "A = valid, V = invalid"),
};

constexpr N183Field_s kRTE[] = {
    number(0, "Number of Sentences", "Sentences for this route"),
    number(1, "Sentence Number", "Number of this sentence, from 1"),
    letter(2, "Mode", "c = complete route, w = working route"),
    text(3, "Route ID", "Identifier of the route"),
    field(4, T::Text, U::None, kNone, "Waypoint ID", "Waypoint of the route", 1, 21),
};

constexpr N183Field_s kTHS[] = {
    decimal(0, U::Degrees, "True Heading", "Heading, true"),
    letter(1, "Mode", "A autonomous, E estimated, M manual, S simulator, V not valid"),
};

constexpr N183Field_s kTLL[] = {
    number(0, "Target Number", "Target number, 00-99"),
    latitude(1, "Target Latitude"),
    longitude(3, "Target Longitude"),
    text(5, "Target Name", "Name of the target"),
    utc(6, "Time of Data"),
    letter(7, "Target Status", "L lost, Q query, T tracking"),
    letter(8, "Reference Target", "R = reference target"),
};

// Distances and speeds share the unit letter at position 9; bearings carry T or R.
constexpr N183Field_s kTTM[] = {
    number(0, "Target Number", "Target number, 00-99"),
    field(1, T::Decimal, U::None, 9, "Target Distance", "Distance from own ship"),
    field(2, T::Decimal, U::Degrees, 3, "Bearing From Own Ship", "Bearing of the target"),
    letter(3, "Bearing Reference", "T = true, R = relative"),
    field(4, T::Decimal, U::None, 9, "Target Speed", "Speed of the target"),
    field(5, T::Decimal, U::Degrees, 6, "Target Course", "Course of the target"),
    letter(6, "Course Reference", "T = true, R = relative"),
    field(7, T::Decimal, U::None, 9, "Distance of CPA", "Distance of the closest point of approach"),
    decimal(8, U::None, "Time to CPA", "Minutes; negative: moving away"),
    letter(9, "Speed/Distance Units", "K km, N knots/NM, S statute"),
    text(10, "Target Name", "Name of the target"),
    letter(11, "Target Status", "L lost, Q query, T tracking"),
    letter(12, "Reference Target", "R = reference target"),
    utc(13, "Time of Data"),
    letter(14, "Acquisition Type", "A automatic, M manual, R reported"),
};

constexpr N183Field_s kVBW[] = {
    decimal(0, U::Knots, "Longitudinal Water Speed", "Negative: astern"),
    decimal(1, U::Knots, "Transverse Water Speed", "Negative: port"),
    letter(2, "Water Speed Status", "A = valid, V = invalid"),
    decimal(3, U::Knots, "Longitudinal Ground Speed", "Negative: astern"),
    decimal(4, U::Knots, "Transverse Ground Speed", "Negative: port"),
    letter(5, "Ground Speed Status", "A = valid, V = invalid"),
    decimal(6, U::Knots, "Stern Transverse Water Speed", "Negative: port"),
    letter(7, "Stern Water Speed Status", "A = valid, V = invalid"),
    decimal(8, U::Knots, "Stern Transverse Ground Speed", "Negative: port"),
    letter(9, "Stern Ground Speed Status", "A = valid, V = invalid"),
};

constexpr N183Field_s kVDR[] = {
    lettered(0, U::DegreesTrueOrMagnetic, "Set True", "Direction of the current, true"),
    lettered(2, U::DegreesTrueOrMagnetic, "Set Magnetic", "Direction of the current, magnetic"),
    lettered(4, U::Knots, "Drift", "Speed of the current"),
};

constexpr N183Field_s kVHW[] = {
    lettered(0, U::DegreesTrueOrMagnetic, "Heading True", "Heading, true"),
    lettered(2, U::DegreesTrueOrMagnetic, "Heading Magnetic", "Heading, magnetic"),
    lettered(4, U::Knots, "Speed Through Water", "Speed through water in knots"),
    lettered(6, U::Kph, "Speed Through Water", "Speed through water in km/h"),
};

constexpr N183Field_s kVLW[] = {
    lettered(0, U::NauticalMiles, "Total Water Distance", "Cumulative distance through water"),
    lettered(2, U::NauticalMiles, "Water Distance Since Reset", "Distance through water since reset"),
    lettered(4, U::NauticalMiles, "Total Ground Distance", "Cumulative distance over ground"),
    lettered(6, U::NauticalMiles, "Ground Distance Since Reset", "Distance over ground since reset"),
};

constexpr N183Field_s kVTG[] = {
    lettered(0, U::DegreesTrueOrMagnetic, "Course Over Ground True", "Course over ground, true"),
    lettered(2, U::DegreesTrueOrMagnetic, "Course Over Ground Magnetic", "Course over ground, magnetic"),
    lettered(4, U::Knots, "Speed Over Ground", "Speed over ground in knots"),
    lettered(6, U::Kph, "Speed Over Ground", "Speed over ground in km/h"),
    modeIndicator(8),
};

constexpr N183Field_s kVWR[] = {
    field(0, T::AngleWithSide, U::None, 1, "Wind Angle", "Angle off the bow, 0-180, L port or R starboard"),
    lettered(2, U::KnotsRelative, "Wind Speed", "Apparent wind speed in knots"),
    lettered(4, U::MetresPerSecondRelative, "Wind Speed", "Apparent wind speed in metres per second"),
    lettered(6, U::KphRelative, "Wind Speed", "Apparent wind speed in km/h"),
};

constexpr N183Field_s kVWT[] = {
    field(0, T::AngleWithSide, U::None, 1, "Wind Angle", "Angle off the bow, 0-180, L port or R starboard"),
    lettered(2, U::KnotsTrue, "Wind Speed", "True wind speed in knots"),
    lettered(4, U::MetresPerSecondTrue, "Wind Speed", "True wind speed in metres per second"),
    lettered(6, U::Kph, "Wind Speed", "True wind speed in km/h"),
};

constexpr N183Field_s kWPL[] = {
    latitude(0, "Waypoint Latitude"),
    longitude(2, "Waypoint Longitude"),
    text(4, "Waypoint ID", "Identifier of the waypoint"),
};

// Groups of four: type, value, unit letter (meaning depends on the type), name.
constexpr N183Field_s kXDR[] = {
    field(0, T::Status, U::None, kNone, "Transducer Type", "A angle, C temperature, P pressure, H humidity, ...", 4, 6),
    field(1, T::Decimal, U::None, 2, "Measurement", "Value in the unit of the next field"),
    letter(2, "Units", "Unit letter of the measurement"),
    text(3, "Transducer Name", "Name of the transducer"),
};

constexpr N183Field_s kXTE[] = {
    letter(0, "Status", "A = valid, V = general warning"),
    letter(1, "Cycle Lock Status", "A = valid, V = cycle lock warning"),
    field(2, T::DistanceNoLetter, U::NauticalMiles, 4, "Cross Track Error", "Magnitude of the cross track error"),
    field(3, T::SideLetter, U::None, 4, "Direction to Steer", "L = steer left, R = steer right"),
    modeIndicator(5),
};

constexpr N183Field_s kZDA[] = {
    utc(0),
    field(1, T::DateThreeFields, U::None, 2, "Date", "Day, month and four-digit year"),
    number(4, "Local Zone Hours", "Local zone, -13 to +13 hours"),
    number(5, "Local Zone Minutes", "Local zone minutes, same sign as the hours"),
};

constexpr N183Field_s kZTG[] = {
    utc(0, "Time of Observation"),
    utc(1, "Time to Destination", "Time remaining to the destination, hhmmss.ss"),
    text(2, "Destination Waypoint ID", "Identifier of the destination waypoint"),
};

// ---- sentence rows ----

struct Row {
    N183Sentence_s s;

    template <std::size_t N>
    constexpr Row fields(const N183Field_s (&definitions)[N]) const {
        Row r = *this;
        r.s.fields = definitions;
        r.s.fieldCount = static_cast<std::uint8_t>(N);
        return r;
    }
    constexpr Row notes(const char* text) const {
        Row r = *this;
        r.s.notes = text;
        return r;
    }
    constexpr Row every(std::uint32_t milliseconds) const {
        Row r = *this;
        r.s.interval = milliseconds;
        return r;
    }
    constexpr Row encapsulated() const {
        Row r = *this;
        r.s.startChar = '!';
        return r;
    }
    constexpr Row conversion(std::int32_t ref) const {
        Row r = *this;
        r.s.conversionRef = ref;
        return r;
    }
    constexpr Row deprecated() const {
        Row r = *this;
        r.s.flags[0] = 1;
        return r;
    }
};

constexpr Row row(const char (&address)[6], const char* name, const char* category, const char* description) {
    N183Sentence_s s{};
    for (std::size_t i = 0; i < 6; ++i)
        s.address[i] = address[i];
    s.startChar = '$';
    s.fieldCount = 0;
    s.fields = nullptr;
    s.conversionRef = -1;
    s.interval = 1000;
    s.name = name;
    s.description = description;
    s.notes = "";
    s.category = category;
    return Row{s};
}

constexpr bool sameText(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// Kind of row: 1 plain, 3 with a field layout, 4 obsolete radio navigation (Loran, Decca),
// 257 AIS, 259 AIS encapsulation.
constexpr std::uint32_t kindOf(const N183Sentence_s& s) {
    if (sameText(s.category, "AIS"))
        return s.startChar == '!' ? 259 : 257;
    if (sameText(s.category, "Loran") || sameText(s.category, "Decca"))
        return 4;
    return s.fieldCount > 0 ? 3 : 1;
}

template <std::size_t N>
constexpr std::array<N183Sentence_s, N> numbered(const Row (&rows)[N]) {
    std::array<N183Sentence_s, N> table{};
    for (std::size_t i = 0; i < N; ++i) {
        table[i] = rows[i].s;
        table[i].index = static_cast<std::uint32_t>(i);
        table[i].kind = kindOf(table[i]);
    }
    return table;
}

// clang-format off
constexpr std::array kSentences = numbered({
row("GPAAM", "Waypoint Arrival Alarm", "Way", "Arrival circle entered or perpendicular passed at a waypoint.").fields(kAAM),
row("AIABK", "AIS Addressed and binary broadcast acknowledgement", "AIS", "Acknowledgement of an addressed or broadcast binary message.").every(2000),
row("AIABM", "AIS Addressed binary and safety related message", "AIS", "Binary or safety message addressed to one AIS station.").encapsulated().every(2000),
row("AIACA", "AIS Regional Channel Assignment Message", "AIS", "Regional channel and power settings of an AIS unit.").every(2000),
row("AIACF", "General AtoN Station Configuration Command", "AIS", "General configuration of an aid-to-navigation station.").every(65535),
row("AIACG", "Extended General AtoN Station Configuration Command", "AIS", "Extended configuration of an aid-to-navigation station.").every(65535),
row("IIACK", "Acknowledge Alarm", "Alarm", "Acknowledges an alarm condition reported by a device."),
row("AIACM", "AIS Base Station Addressed Channel Management Command", "AIS", "Channel management command addressed by a base station.").every(2000),
row("AIACS", "AIS Channel management information Source", "AIS", "Source and time of the last channel management information.").every(2000),
row("AIADS", "Automatic Device Status", "AIS", "Status report of an automatic device."),
row("AIAFB", "AtoN Forced Broadcast Command", "AIS", "Forces an aid-to-navigation station to broadcast.").every(65535),
row("AIAGA", "AIS Base Station Broadcast of a Group Assignment Command", "AIS", "Group assignment broadcast by a base station.").every(2000),
row("AIAID", "AtoN Identification Configuration Command", "AIS", "Identification settings of an aid-to-navigation station."),
row("AIAIR", "AIS Interrogation Request", "AIS", "Requests other stations to report specific messages."),
row("IIAKD", "Acknowledge Detail Alarm Condition", "Alarm", "Acknowledges a detailed alarm condition."),
row("IIALA", "Set Detail Alarm Condition", "Alarm", "Reports a detailed alarm condition of a system."),
row("GPALM", "GPS Almanac Data", "GPS", "Almanac of one GPS satellite.").every(4000),
row("IIALR", "Set Alarm State", "Alarm", "Local alarm number, condition and acknowledge state."),
row("GPAPA", "Autopilot Sentence 'A'", "Auto, Way", "Older autopilot sentence: cross track error and bearing to destination.").notes("Replaced by $--APB.").deprecated(),
row("GPAPB", "Heading/Track Controller (Autopilot) Sentence 'B'", "Auto, Way", "Cross track error, bearings and heading to steer for an autopilot.").fields(kAPB),
row("AIASN", "AIS Base Station Broadcast of Assignment Command", "AIS", "Assignment broadcast of a base station.").every(2000),
row("AIBBM", "AIS Broadcast Binary Message", "AIS", "Binary message to be broadcast by an AIS unit.").encapsulated().every(2000),
row("AIBCG", "Base Station Configuration, General Command", "AIS", "General configuration of an AIS base station.").every(65535),
row("AIBCL", "Base Station Configuration, Location Command", "AIS", "Location configuration of an AIS base station.").every(65535),
row("GPBEC", "Bearing & Distance to Waypoint (Dead Reckoning)", "Way", "Bearing and distance to a waypoint from the dead-reckoned position."),
row("GPBER", "Bearing & Distance to Waypoint, Dead Reckoning, Rhumb Line", "Way", "Rhumb-line bearing and distance from the dead-reckoned position."),
row("GPBOD", "Bearing (Origin to Destination)", "Way", "Bearing from the origin waypoint to the destination waypoint.").fields(kBOD),
row("GPBPI", "Bearing & Distance to point of Interest", "Way", "Bearing and distance to a point of interest."),
row("GPBWC", "Bearing & Distance to Waypoint (Great Circle)", "Way", "Great-circle bearing and distance to a waypoint.").fields(kBearingDistanceToWaypoint),
row("GPBWR", "Bearing & Distance to Waypoint (Rhumb Line)", "Way", "Rhumb-line bearing and distance to a waypoint.").fields(kBearingDistanceToWaypoint),
row("GPBWW", "Bearing (Waypoint to Waypoint)", "Way", "Bearing between two waypoints."),
row("AICBR", "Configure Broadcast Rates for AIS AtoN Station Message Command", "AIS", "Broadcast rates of an aid-to-navigation station.").every(2000),
row("IICEK", "Configure Encryption Key Command", "", "Sets an encryption key of a device.").every(65535),
row("IICOP", "Configure the Operational Period, Command", "", "Sets the operational period of a device.").every(65535),
row("IICUR", "Water Current Layer", "Current", "Current direction and speed of one water layer.").every(2000),
row("SDDBK", "Depth Below Keel", "Depth", "Water depth below the keel in feet, metres and fathoms.").fields(kDepthInThreeUnits).notes("The use of $--DPT is recommended.").deprecated(),
row("SDDBS", "Depth Below Surface", "Depth", "Water depth below the surface in feet, metres and fathoms.").fields(kDepthInThreeUnits).notes("The use of $--DPT is recommended.").deprecated(),
row("SDDBT", "Depth Below Transducer", "Depth", "Water depth below the transducer in feet, metres and fathoms.").fields(kDepthInThreeUnits),
row("DEDCN", "Decca Position", "Decca", "Position lines of the Decca navigation system.").notes("Obsolete.").deprecated().every(2000),
row("AIDCR", "Device Capability Report", "", "Capabilities of a device.").every(2000),
row("IIDDC", "Display Dimming Control", "", "Dimming preset and brightness of displays.").every(2000),
row("AIDLM", "Data Link Management Slot Allocations for Base Station Command", "AIS", "Slot allocations of a base station data link.").every(2000),
row("IIDOR", "Door Status Detection", "Safety", "Status of watertight and fire doors."),
row("SDDPT", "Depth", "Depth", "Water depth relative to the transducer and the transducer offset.").fields(kDPT),
row("IIDRU", "Dual Doppler Auxiliary Data", "Speed", "Auxiliary data of a dual-axis Doppler log."),
row("CDDSC", "Digital Selective Calling Information", "DSC", "Digital selective calling message."),
row("CDDSE", "Expanded Digital Selective Calling", "DSC", "Expansion data of a digital selective calling message."),
row("CDDSI", "DSC Transponder Initialize", "DSC", "Initialises a digital selective calling transponder."),
row("CDDSR", "DSC Transponder Response", "DSC", "Response of a digital selective calling transponder."),
row("GPDTM", "Datum Reference", "GPS", "Local datum and its offsets from the reference datum.").every(2000),
row("AIECB", "Configure Broadcast Schedules for Base Station Messages, Command", "AIS", "Broadcast schedules of base station messages.").every(2000),
row("IIETL", "Engine Telegraph Operation Status", "Engine", "Position of the engine telegraph."),
row("IIEVE", "General Event Message", "", "Event with a time and a description.").every(0),
row("IIFIR", "Fire Detection", "Safety", "Status of fire detectors."),
row("IIFSI", "Frequency Set Information", "", "Transmit and receive frequencies of a radio."),
row("AIFSR", "Frame Summary of AIS Reception", "AIS", "Summary of received AIS frames per channel.").every(2000),
row("GPGBS", "GNSS Satellite Fault Detection", "GPS", "Expected position errors and the most likely failed satellite."),
row("IIGEN", "Generic Binary Information", "", "Generic binary status information."),
row("GPGFA", "GNSS Fix Accuracy and Integrity", "GPS", "Accuracy and integrity of a position fix."),
row("GPGGA", "Global Positioning System Fix Data", "GPS", "Time, position, fix quality and altitude of a GNSS fix.").fields(kGGA),
row("LCGLC", "Geographic Position, Loran-C", "Loran", "Loran-C time differences and signal status.").deprecated().every(2000),
row("GPGLL", "Geographic Position Latitude/Longitude", "GPS", "Latitude, longitude and time of position.").fields(kGLL),
row("GPGMP", "GNSS Map Projection Fix Data", "GPS", "Fix data in a map projection."),
row("GPGNS", "GNSS Fix Data", "GPS", "Multi-constellation fix data.").fields(kGNS),
row("GPGRS", "GNSS Range Residuals", "GPS", "Range residuals of the satellites used in a fix.").conversion(101),
row("GPGSA", "GNSS DOP and Active Satellites", "GPS", "Fix mode, satellites used and dilution of precision.").fields(kGSA),
row("GPGST", "GNSS Pseudorange Error Statistics", "GPS", "Error estimates of a position fix.").fields(kGST),
row("GPGSV", "GNSS Satellites in View", "GPS", "Satellites in view with elevation, azimuth and signal strength.").fields(kGSV),
row("LCGTD", "Geographical Position, Loran-C TDs", "Loran", "Loran-C time differences.").deprecated().every(2000),
row("IIHBT", "Heartbeat Supervision Sentence", "", "Periodic sign of life of a device.").every(2000),
row("IIHCC", "Compass Heading", "Heading", "Heading from a compass.").deprecated(),
row("IIHCD", "Heading and Deviation", "Heading", "Heading and deviation.").deprecated(),
row("HCHDG", "Heading, Deviation & Variation", "Heading", "Magnetic sensor heading with deviation and variation.").fields(kHDG),
row("HCHDM", "Heading, Magnetic", "Heading", "Magnetic heading.").fields(kHeadingWithReference).notes("The use of $--HDG is recommended.").deprecated(),
row("HCHDT", "Heading, True", "Heading", "True heading.").fields(kHeadingWithReference),
row("IIHMR", "Heading Monitor Receive", "Heading", "Headings of two sensors compared by a heading monitor."),
row("IIHMS", "Heading Monitor Set", "Heading", "Sensors and limit of a heading monitor."),
row("IIHSC", "Heading Steering Command", "Auto", "Heading to steer, true and magnetic.").fields(kHSC),
row("IIHSS", "Hull Stress Surveillance Systems", "Ship", "Measurement of a hull stress sensor."),
row("IIHTC", "Heading/Track Control Command", "Auto", "Command to a heading or track controller."),
row("IIHTD", "Heading/Track Control Data", "Auto", "Status of a heading or track controller."),
row("IIHVD", "Magnetic Variation, Automatic", "Heading", "Magnetic variation found automatically.").deprecated(),
row("IIHVM", "Magnetic Variation, Manually Set", "Heading", "Magnetic variation set by hand.").deprecated(),
row("IIIMA", "Vessel Identification", "Ship", "Identification of the vessel.").deprecated(),
row("IILCD", "Loran-C Signal Data", "Loran", "Loran-C signal data.").deprecated().every(2000),
row("IILR1", "AIS Long Range Reply Sentence 1", "AIS", "Long-range reply: identification.").every(2000),
row("IILR2", "AIS Long Range Reply Sentence 2", "AIS", "Long-range reply: date, time, position, course and speed.").every(2000),
row("IILR3", "AIS Long Range Reply Sentence 3", "AIS", "Long-range reply: destination, draught and persons on board.").every(2000),
row("IILRF", "AIS Long-Range Function", "AIS", "Functions requested by a long-range interrogation.").every(2000),
row("IILRI", "AIS Long Range Interrogation", "AIS", "Long-range interrogation of an AIS station.").every(2000),
row("IIMDA", "Meteorological Composite", "Weather", "Pressure, temperatures, humidity, dew point and wind.").fields(kMDA).deprecated(),
row("AIMEB", "Message Input for Broadcast, Command", "AIS", "Message to be broadcast by an AIS station.").every(2000),
row("IIMHU", "Humidity", "Weather", "Relative and absolute humidity and dew point.").fields(kMHU).deprecated(),
row("IIMLA", "GLONASS Almanac Data", "GPS", "Almanac of one GLONASS satellite.").every(4000),
row("IIMMB", "Barometer", "Weather", "Barometric pressure.").fields(kMMB),
row("IIMSK", "MSK Receiver Interface", "", "Control of a beacon receiver.").every(2000),
row("IIMSS", "MSK Receiver Signal", "", "Signal status of a beacon receiver.").every(2000),
row("IIMTA", "Air Temperature", "Weather", "Air temperature.").fields(kMTA).deprecated(),
row("IIMTW", "Water Temperature", "Weather", "Water temperature.").fields(kMTW),
row("WIMWD", "Wind Direction & Speed", "Wind", "Direction the wind blows from and its speed over ground.").fields(kMWD),
row("IIMWH", "Wave Height", "Weather", "Wave height.").deprecated().every(2000),
row("IIMWS", "Wind & Sea State", "Weather", "Wind and sea state.").deprecated(),
row("WIMWV", "Wind Speed and Angle (Relative/Theoretical)", "Wind", "Wind angle from the bow and wind speed.").fields(kMWV),
row("IINAK", "Negative Acknowledgement", "", "A query or command that could not be answered."),
row("IINRM", "NAVTEX Receiver Mask Command", "Navtex", "Stations and message types a NAVTEX receiver accepts.").every(2000),
row("IINRX", "NAVTEX Received Message", "Navtex", "A message received by a NAVTEX receiver.").every(0),
row("IIOSD", "Own Ship Data", "Radar", "Heading, course, speed, set and drift of own ship."),
row("IIPOS", "Device Position and Ship Dimensions Report or Configuration Command", "Ship", "Position of a device on board and the ship's dimensions."),
row("IIPRC", "Propulsion Remote Control Status", "Engine", "Lever demand and status of a propulsion remote control."),
row("LCRMA", "Recommended Minimum Specific Loran C Data", "Loran", "Loran-C position, speed and course.").deprecated().every(2000),
row("GPRMB", "Recommended Minimum Navigation Information", "Way", "Cross track error, destination and range and bearing to it.").fields(kRMB),
row("GPRMC", "Recommended Minimum Specific GNSS Data", "GPS", "Time, date, position, speed, course and variation.").fields(kRMC),
row("IIROR", "Rudder Order Status", "Rudder", "Ordered rudder angles."),
row("TIROT", "Rate Of Turn", "Heading", "Rate of turn.").fields(kROT),
row("ERRPM", "Revolutions", "Engine", "Shaft or engine speed and propeller pitch.").fields(kRPM),
row("IIRSA", "Rudder Sensor Angle", "Rudder", "Starboard and port rudder angles.").fields(kRSA),
row("IIRSD", "Radar System Data", "Radar", "Settings and cursor of a radar display."),
row("IIRST", "Equipment Reset Command", "", "Resets a device.").every(65535),
row("GPRTE", "Routes", "Way", "Waypoints of a route.").fields(kRTE).every(2000),
row("LCSBK", "Loran-C Blink Status", "Loran", "Loran-C blink status.").deprecated().every(2000),
row("LCSCD", "Loran-C ECDs", "Loran", "Loran-C envelope-to-cycle discrepancies.").deprecated().every(2000),
row("LCSCY", "Loran-C Cycle Lock Status", "Loran", "Loran-C cycle lock status.").deprecated().every(2000),
row("LCSDB", "Loran-C Signal Strength", "Loran", "Loran-C signal strength.").deprecated().every(2000),
row("IISFI", "Scanning Frequency Information", "", "Frequencies a radio scans."),
row("IISGD", "Position Accuracy Estimate", "GPS", "Estimated accuracy of a position.").deprecated(),
row("LCSGR", "Loran-C Chain Identifier", "Loran", "Loran-C chain identifier.").deprecated().every(2000),
row("AISID", "Set Equipment's Identification and Command", "AIS", "Sets the identification of a device.").every(2000),
row("LCSIU", "Loran-C Stations in Use", "Loran", "Loran-C stations in use.").deprecated().every(2000),
row("LCSLC", "Loran-C Status", "Loran", "Loran-C receiver status.").deprecated().every(2000),
row("IISNC", "Navigation Calculation Basis", "Way", "Basis of navigation calculations: great circle or rhumb line."),
row("LCSNU", "Loran-C SNR Status", "Loran", "Loran-C signal-to-noise status.").deprecated().every(2000),
row("AISPO", "Select AIS Device's Processing and Output, Command", "AIS", "Selects the processing and output of an AIS device.").every(2000),
row("LCSPS", "Loran-C Predicted Signal Strength", "Loran", "Loran-C predicted signal strength.").deprecated().every(2000),
row("AISSD", "AIS Ship Static Data", "AIS", "Static data of own ship for an AIS unit.").every(2000),
row("IISSF", "Position Correction Offset", "GPS", "Offset applied to a position.").deprecated(),
row("IISTC", "Time Constant", "", "Time constant of a device.").deprecated(),
row("IISTN", "Multiple Data ID", "", "Talker identifier number of the next sentence."),
row("IISTR", "Tracking Reference", "", "Tracking reference.").deprecated(),
row("IISYS", "Hybrid System Configuration", "", "Configuration of a hybrid navigation system.").deprecated(),
row("AITFR", "Transmit Feed-Back Report", "AIS", "Report of the transmissions of an AIS station.").every(2000),
row("HCTHS", "True Heading and Status", "Heading", "True heading and mode.").fields(kTHS),
row("IITLB", "Target Label", "Radar", "Label of a tracked target."),
row("IITLL", "Target Latitude and Longitude", "Radar", "Position and name of a tracked target.").fields(kTLL),
row("AITPC", "Transmit Slot Prohibit, Command", "AIS", "Prohibits transmissions in given slots.").every(2000),
row("IITRC", "Thruster Control Data", "Engine", "Commands to a thruster."),
row("IITRD", "Thruster Response Data", "Engine", "Response of a thruster."),
row("AITSA", "Transmit Slot Assignment", "AIS", "Assigns transmit slots to an AIS station.").every(2000),
row("AITSP", "Temporary Transmit Slot Prohibit", "AIS", "Temporarily prohibits transmit slots.").every(2000),
row("AITSR", "Transmit Slot Prohibit Status Report", "AIS", "Status of prohibited transmit slots.").every(2000),
row("IITTD", "Tracked Target Data", "Radar", "Tracked target data in encapsulated form.").encapsulated(),
row("IITTM", "Tracked Target Message", "Radar", "Distance, bearing, speed, course and CPA of a tracked target.").fields(kTTM),
row("IITUT", "Transmission of Multi language Text", "Text", "Text in a chosen language and code set."),
row("IITXT", "Text Transmission", "Text", "Short text message of a device."),
row("IIUID", "User Identification Code Transmission", "", "Identification codes of a user.").every(2000),
row("IIVBW", "Dual Ground/Water Speed", "Speed", "Longitudinal and transverse speeds through water and over ground.").fields(kVBW),
row("IIVCD", "Current at Selected Depth", "Current", "Current at a selected depth.").every(2000),
row("AIVDM", "AIS VHF Datalink Message", "AIS", "AIS message received from another station.").encapsulated(),
row("AIVDO", "AIS VHF Datalink Own vessel report", "AIS", "AIS message of own vessel.").encapsulated(),
row("GPVDR", "Set and Drift", "Current", "Direction and speed of the current.").fields(kVDR),
row("IIVER", "Version", "", "Device type, maker, model and versions.").every(2000),
row("IIVHW", "Water Speed and Heading", "Speed", "Heading and speed through water.").fields(kVHW),
row("IIVLW", "Dual Ground/Water Distance", "Speed", "Distances travelled through water and over ground.").fields(kVLW),
row("WIVPE", "Speed, Dead Reckoned Parallel to True Wind", "Wind", "Dead-reckoned speed parallel to the true wind.").deprecated(),
row("WIVPW", "Speed, Measured Parallel to Wind", "Wind", "Speed towards the wind."),
row("IIVSD", "AIS Voyage Static Data", "AIS", "Voyage data of own ship for an AIS unit.").every(2000),
row("AIVSI", "VDL Signal Information", "AIS", "Signal information of a received AIS message.").every(2000),
row("IIVTA", "Actual Track", "Way", "Actual track.").deprecated(),
row("GPVTG", "Course Over Ground and Ground Speed", "GPS", "Course and speed over ground.").fields(kVTG),
row("IIVTI", "Intended Track", "Way", "Intended track.").deprecated(),
row("WIVWE", "Wind Track Efficiency", "Wind", "Efficiency of the track relative to the wind.").deprecated(),
row("WIVWR", "Relative (Apparent) Wind Speed and Angle", "Wind", "Apparent wind angle off the bow and wind speed.").fields(kVWR).conversion(225).notes("The use of $--MWV is recommended.").deprecated(),
row("WIVWT", "True Wind Speed and Angle", "Wind", "True wind angle off the bow and wind speed.").fields(kVWT).notes("The use of $--MWV is recommended.").deprecated(),
row("IIWAT", "Water Level Detection", "Safety", "Water level alarms of tanks and holds."),
row("GPWCV", "Waypoint Closure Velocity", "Way", "Velocity towards a waypoint."),
row("GPWDC", "Distance to Waypoint", "Way", "Great-circle distance to a waypoint.").deprecated(),
row("GPWDR", "Waypoint Distance, Rhumb Line", "Way", "Rhumb-line distance to a waypoint.").deprecated(),
row("GPWFM", "Route following mode", "Way", "Route following mode.").deprecated(),
row("GPWNC", "Distance, Waypoint to Waypoint", "Way", "Distance between two waypoints."),
row("GPWNR", "Waypoint to Waypoint Distance, Rhumb Line", "Way", "Rhumb-line distance between two waypoints.").deprecated(),
row("GPWPL", "Waypoint Location", "Way", "Position and identifier of a waypoint.").fields(kWPL).every(2000),
row("YXXDR", "Transducer Measurements", "", "Measurements of generic transducers in groups of four fields.").fields(kXDR),
row("GPXTE", "Cross Track Error, Measured", "Way", "Measured cross track error and direction to steer.").fields(kXTE),
row("GPXTR", "CrossTrack Error Dead Reckoning", "Way", "Dead-reckoned cross track error."),
row("IIYWP", "Water Propagation Speed", "Depth", "Speed of sound in water.").deprecated(),
row("IIYWS", "Water Profile", "Depth", "Water profile.").deprecated(),
row("GPZCD", "Timer", "Time", "Timer.").deprecated(),
row("GPZDA", "Time & Date", "Time", "UTC time, date and local zone.").fields(kZDA),
row("GPZDL", "Time and Distance to Variable Point", "Time, Way", "Time and distance to a variable point."),
row("GPZEV", "Event Timer", "Time", "Event timer.").deprecated(),
row("GPZFO", "UTC & Time from Origin Waypoint", "Time, Way", "UTC and time elapsed since the origin waypoint.").conversion(242),
row("GPZLZ", "Time of day", "Time", "UTC, local time and zone.").deprecated(),
row("GPZTG", "UTC & Time to Destination Waypoint", "Time, Way", "UTC and time remaining to the destination waypoint.").fields(kZTG),
row("GPZZU", "Time, UTC", "Time", "UTC time.").deprecated(),
});
// clang-format on

static_assert(kSentences.size() == 193, "the library holds 193 sentence definitions");

} // namespace

std::span<const N183Sentence_s> n183Sentences() {
    return kSentences;
}

} // namespace StandardsLib
