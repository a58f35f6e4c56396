#!/usr/bin/env python3
"""Curates data/n2k/pgn-database.json, the project's own PGN database, from the public
reference definitions (see NOTICE for their origin).

Usage: scripts/curate_pgn_database.py REFERENCE.json

Run once when the reference changes; the curated file is committed and is what the build uses
(scripts/gen_pgn_database.py turns it into C++ tables). Everything the viewer fixes by itself
(names, transmission classes, dictionary rows the decoder keys on by position, the texts it
relies on) is stated here, next to the rules that map the reference's fields onto the layout of
the built-in tables.
"""
import json
import sys
from decimal import Decimal
from fractions import Fraction
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUT = ROOT / 'data/n2k/pgn-database.json'

# ---------------------------------------------------------------------------------------------
# The PGN table: its rows, in ascending order, with the names the viewer shows.
PGN_NAMES = [
    (0, "J1939 'Catch All Control'"), (59392, 'ISO Acknowledgment'), (59904, 'ISO Request'),
    (60160, 'ISO Transport Protocol, Data Transfer'),
    (60416, 'ISO Transport Protocol, Connection Management - RTS'), (60928, 'ISO Address Claim'),
    (61184, 'Manu. Proprietary single-frame addressed'), (61440, "J1939 'Catch All Data'"),
    (65240, 'ISO Commanded Address'), (65280, 'Manu. Proprietary single-frame broadcast'),
    (126208, 'NMEA -  Request group function'), (126464, 'PGN List - Transmit PGNs group function'),
    (126720, 'Manu. Proprietary fast-packet addressed'), (126983, 'Alert'), (126984, 'Alert Response'),
    (126985, 'Alert Text'), (126986, 'Alert Configuration'), (126987, 'Alert Threshold'),
    (126988, 'Alert Value'), (126992, 'System Time'), (126993, 'Heartbeat'),
    (126996, 'Product Information'), (126998, 'Configuration Information'),
    (127233, 'Man Overboard Notification(MOB)'), (127237, 'Heading/Track Control'), (127245, 'Rudder'),
    (127250, 'Vessel Heading'), (127251, 'Rate of Turn'), (127252, 'Heave'), (127257, 'Attitude'),
    (127258, 'Magnetic Variation'), (127488, 'Engine Parameters, Rapid Update'),
    (127489, 'Engine Parameters, Dynamic'), (127493, 'Transmission Parameters, Dynamic'),
    (127496, 'Trip Fuel Consumption, Vessel'), (127497, 'Trip Fuel Consumption, Engine'),
    (127498, 'Engine Parameters, Static'), (127500, 'Load Controller Connection State / Control'),
    (127501, 'Binary Status Report'), (127502, 'Switch Bank Control'),
    (127503, 'AC Input Status - DEPRECATED'), (127504, 'AC Output Status - DEPRECATED'),
    (127505, 'Fluid Level'), (127506, 'DC Detailed Status'), (127507, 'Charger Status - DEPRECATED'),
    (127508, 'Battery Status'), (127509, 'Inverter Status - DEPRECATED'),
    (127510, 'Charger Configuration Status'), (127511, 'Inverter Configuration Status'),
    (127512, 'AGS Configuration Status'), (127513, 'Battery Configuration Status'),
    (127514, 'AGS Status'), (127744, 'AC Power / Current- Phase A'),
    (127745, 'AC Power / Current- Phase B'), (127746, 'AC Power / Current- Phase C'),
    (127747, 'AC Voltage / Frequency-Phase A'), (127748, 'AC Voltage / Frequency-Phase B'),
    (127749, 'AC Voltage / Frequency-Phase C'), (127750, 'Converter (Inverter/Charger) Status'),
    (127751, 'DC Voltage / Current'), (128259, 'Speed, Water Referenced'), (128267, 'Water Depth'),
    (128275, 'Distance Log'), (128520, 'Tracked Target Data'), (129025, 'Position, Rapid Update'),
    (129026, 'COG & SOG, Rapid Update'), (129027, 'Position Delta, High Precision Rapid Update'),
    (129028, 'Altitude Delta, High Precision Rapid Update'), (129029, 'GNSS Position Data'),
    (129033, 'Local Time Offset'), (129038, 'AIS Class A Position Report'),
    (129039, 'AIS Class B Position Report'), (129040, 'AIS Class B Extended Position Report'),
    (129041, 'AIS Aids to Navigation (AtoN) Report'), (129044, 'Datum'),
    (129045, 'User Datum Settings'), (129283, 'Cross Track Error'), (129284, 'Navigation Data'),
    (129285, 'Navigation - Route/WP information'), (129291, 'Set & Drift, Rapid Update'),
    (129301, 'Time to/from Mark'), (129302, 'Bearing and Distance between two Marks'),
    (129538, 'GNSS Control Status'), (129539, 'GNSS DOPs'), (129540, 'GNSS Sats in View'),
    (129541, 'GPS Almanac Data'), (129542, 'GNSS Pseudorange Noise Statistics'),
    (129545, 'GNSS RAIM Output'), (129546, 'GNSS RAIM Settings'),
    (129547, 'GNSS Pseudorange Error Statistics'), (129549, 'DGNSS Corrections'),
    (129550, 'GNSS Differential Correction Receiver Interface'),
    (129551, 'GNSS Differential Correction Receiver Signal'), (129556, 'GLONASS Almanac Data'),
    (129792, 'AIS DGNSS Broadcast Binary Message'), (129793, 'AIS UTC and Date Report'),
    (129794, 'AIS Class A Static and Voyage Related Data'), (129795, 'AIS Addressed Binary Message'),
    (129796, 'AIS Acknowledge'), (129797, 'AIS Binary Broadcast Message'),
    (129798, 'AIS SAR Aircraft Position Report'), (129799, 'Radio Frequency/Mode/Power'),
    (129800, 'AIS UTC/Date Inquiry'), (129801, 'AIS Addressed Safety Related Message'),
    (129802, 'AIS Safety Related Broadcast Message'), (129803, 'AIS Interrogation'),
    (129804, 'AIS Assignment Mode Command'), (129805, 'AIS Data Link Management Message'),
    (129806, 'AIS Channel Management'), (129807, 'AIS Group Assignment'),
    (129808, 'DSC Call Information'), (129809, 'AIS Class B "CS" Static Data Report, Part A'),
    (129810, 'AIS Class B "CS" Static Data Report, Part B'), (129811, 'AIS Single Slot Binary Message'),
    (129812, 'AIS Multi Slot Binary Message'), (129813, 'AIS Long-Range Broadcast Message'),
    (130052, 'Loran-C TD Data'), (130053, 'Loran-C Range Data'), (130054, 'Loran-C Signal Data'),
    (130060, 'Label'), (130061, 'Channel Source Configuration'),
    (130064, 'Route and WP Service - Database List'), (130065, 'Route and WP Service - Route List'),
    (130066, 'Route and WP Service - Route/WP-List Attributes'),
    (130067, 'Route and WP Service - Route - WP Name & Position'),
    (130068, 'Route and WP Service - Route - WP Name'),
    (130069, 'Route and WP Service - XTE Limit & Navigation Method'),
    (130070, 'Route and WP Service - WP Comment'), (130071, 'Route and WP Service - Route Comment'),
    (130072, 'Route and WP Service - Database Comment'),
    (130073, 'Route and WP Service - Radius of Turn'),
    (130074, 'Route and WP Service - WP List - WP Name & Position'), (130306, 'Wind Data'),
    (130310, 'Environmental Parameters - DEPRECATED'), (130311, 'Environmental Parameters - DEPRECATED'),
    (130312, 'Temperature - DEPRECATED'), (130313, 'Humidity'), (130314, 'Actual Pressure'),
    (130315, 'Set Pressure'), (130316, 'Temperature, Extended Range'), (130320, 'Tide Station Data'),
    (130321, 'Salinity Station  Data'), (130322, 'Current Station Data'),
    (130323, 'Meteorological Station Data'), (130324, 'Moored Buoy Station Data'),
    (130560, 'Payload Mass'), (130567, 'Watermaker Input Setting and Status'),
    (130569, 'Entertainment - Current File and Status'), (130570, 'Entertainment - Library Data File'),
    (130571, 'Entertainment - Library Data Group'), (130572, 'Entertainment - Library Data Search'),
    (130573, 'Entertainment - Supported Source Data'), (130574, 'Entertainment - Supported Zone Data'),
    (130576, 'Trim Tab Status'), (130577, 'Direction Data'), (130578, 'Vessel Speed Components'),
    (130580, 'Entertainment - System Configuration Status'),
    (130581, 'Entertainment - Zone Configuration Status'), (130582, 'Entertainment - Zone Volume Status'),
    (130583, 'Entertainment - Available Audio EQ Presets'), (130584, 'Entertainment - Bluetooth Devices'),
    (130585, 'Entertainment - Bluetooth Source Status'), (130816, 'Manu. Proprietary fast-packet broadcast'),
]

ISO_ROWS = {59392, 59904, 60160, 60416, 60928, 61184}
GROUP_FUNCTION_ROWS = {126208, 126464, 126720}
CATCH_ALL_ROWS = {0, 61440, 65280, 130816}
# Descriptions worded as this project words them, in place of the reference text's (by name).
DESCRIPTION_OVERRIDES = {
    'Mercury: BAM Digital-Data Proxy':
        "Variable-length Mercury Bridge Alert Management (BAM) digital-data proxy channel; the trailing data block is opcode/instance-specific, may be empty, and its block semantics are defined by an external BAM standard rather than being locally decodable.",
}

PROPRIETARY_ROWS = {61184, 65280, 126720, 130816}
PDU1_ROWS = ISO_ROWS | GROUP_FUNCTION_ROWS | {65280, 130816}  # each covers 256 PGN values

# Transmission classes (bits 0-3 of `timing`) of the periodic rows; bit 4 marks the others.
PERIODIC_CLASS = {}
for pgn in (127245, 127250, 127251, 127252, 127488, 127493, 129025, 129027, 129028, 130306):
    PERIODIC_CLASS[pgn] = 2
PERIODIC_CLASS[130576] = 3
for pgn in (127237, 129026, 130578):
    PERIODIC_CLASS[pgn] = 4
for pgn in (127489, 130310, 130311, 130569):
    PERIODIC_CLASS[pgn] = 5
for pgn in list(range(127500, 127515)) + list(range(127744, 127752)):
    PERIODIC_CLASS[pgn] = 7
for pgn in (130312, 130313, 130314):
    PERIODIC_CLASS[pgn] = 8
for pgn in (127505, 130567):
    PERIODIC_CLASS[pgn] = 9
APERIODIC_CLASS = {126985: 1, 126988: 1, 129044: 1, 126993: 2}

PRIORITY = {127250: 2, 126992: 3, 129029: 3, 59904: 6, 60928: 6, 126993: 7,
            129038: 4, 129039: 4, 129040: 4, 129041: 4, 129798: 4}
SID_BYTE = {126992: 0, 127250: 0, 129029: 0, 127508: 7, 129038: 27}
INSTANCE_BYTE = {127245: 0, 127488: 0, 127508: 0, 127506: 1, 130312: 1, 60928: 7,
                 126983: 13, 126984: 13, 126985: 13, 126986: 13, 126987: 13, 126988: 13}
LENGTH = {126996: 134}

# The repeating blocks: PGN -> (first field, count field or 255 for none, fields in the block).
# PGN 126464 repeats its PGN field by the payload's length instead (see the field walk).
BLOCKS = {126208: (5, 4, 2), 127503: (2, 1, 10), 127504: (2, 1, 10), 129029: (15, 14, 3),
          129285: (9, 255, 4), 129540: (4, 3, 7), 129808: (20, 255, 2), 130064: (3, 255, 9),
          130065: (4, 255, 5), 130067: (5, 255, 4), 130074: (5, 255, 4), 130068: (5, 255, 2),
          130070: (5, 255, 2), 130069: (5, 255, 4), 130071: (4, 255, 2), 130072: (3, 255, 2),
          130073: (5, 255, 2)}

# Names of fields where the viewer uses the standard's wording rather than the reference's.
FIELD_NAMES = {
    (129029, 1): 'Position date', (129029, 2): 'Position time', (129029, 6): 'Type of System',
    (129029, 7): 'Method, GNSS', (129029, 14): 'Number of Reference Stations',
    (129029, 15): 'Reference Station Type', (129029, 16): 'Reference Station ID',
    (129029, 17): 'Age of DGNSS Corrections',
    (126208, 5): 'Field number of first requested parameter',
    (126208, 6): 'Value of first requested parameter',
    (127250, 1): 'Heading Sensor Reading',
    (127503, 2): 'Line', (127504, 2): 'Line', (129285, 9): 'WPID', (130067, 5): 'WPID',
    (130074, 5): 'WPID', (129540, 4): 'PRN (Sat ID)', (130064, 3): 'Database ID',
    (130065, 4): 'Route ID', (130071, 4): 'Route ID', (130072, 3): 'Database ID',
    (130069, 5): 'RPS#', (130073, 5): 'RPS#', (129808, 20): 'DSC Expansion Field Symbol',
}
GENERIC_NAMES = {'SID': 'Sequence ID', 'Reserved': 'NMEA Reserved'}

# Checks of the reserved top values of bit fields (highest: "Data not available", second
# highest: "Out of range"). Only these fields carry the check; elsewhere the top values of an
# enumerated field are shown with their texts.
CHECK_RESERVED = {(126992, 1), (129029, 6), (129029, 7), (129029, 15), (129029, 16),
                  (127250, 1), (127250, 4), (127257, 0), (127258, 1), (129026, 1), (129539, 1),
                  (129539, 2), (129540, 2), (129283, 1), (129284, 5), (130306, 4)}

# ---------------------------------------------------------------------------------------------
# Data types, by row.
TYPES = [
    (0, 0, 'Undefined', 'Undefined', '', 'Undefined'),
    (5, 0, 'char8(n) or char16(n)', 'Variable', 'None', 'ch8or16(n)'),
    (3, 0, '16 bit characters, Unicode16 Standard (ISO 10646)', 'Variable', 'None', 'char16(n)'),
    (5, 0, '8 bit characters, ISO 8859-1 (not limited to ASCII', 'Variable', '0xFF fills unused characters', 'char8(n)'),
    (4, 4, 'IEEE 754 single precision floating point', '+/-3.4E+38', 'None', 'float32'),
    (4, 8, 'IEEE 754 double precision floating point', '+/-1.7E+308', 'None', 'float64'),
    (4, 10, 'IEEE 754 expanded floating point', '+/-1.1E+4932', 'None', 'float80'),
    (1, 0, 'bit field', '0 to 1', 'Extreme positive range of numbers reserved: all ones = Data not available', 'bit(n)'),
    (2, 0, 'bit field which is zero when NULL', '0 to 1', 'Extreme positive range of numbers reserved: zero = Data not available', 'bit0(n)'),
    (4, 1, "8 bit 2\u2019s complement integer", '-128 to +127', 'Extreme positive range of numbers reserved: 127 = Data not available, 126 = Out of range', 'int8'),
    (4, 2, "16 bit 2\u2019s complement integer", '-32,768 to +32,767', 'Extreme positive range of numbers reserved: 32,767 = Data not available, 32,766 = Out of range, 32,765 = Reserved', 'int16'),
    (4, 3, '24 bit  signed number', '-8,388,608 to 8,388,607', 'Extreme positive range of numbers reserved: 8,388,607 = Data not available, 8,388,606 = Out of range, 8,388,605 = Reserved', 'int24'),
    (4, 4, "32 bit 2\u2019s complement integer", '-2,147,483,648 to +2,147,483,647', 'Extreme positive range of numbers reserved: 2,147,483,647 = Data not available, 2,147,483,646 = Out of range, 2,147,483,645 = Reserved', 'int32'),
    (4, 8, "64 bit 2\u2019s complement integer", '-(2E+63) to +(2E+63)-1', 'Extreme positive range of numbers reserved: (2E+63)-1 = Data not available, (2E+63)-2 = Out of range, (2E+63)-3 = Reserved', 'int64'),
    (5, 1, '8 bit unsigned integer', '0 to 255', 'Extreme positive range of numbers reserved: 255 = Data not available or Do Not Change, 254 = Out of range, 253 = Reserved', 'uint8'),
    (5, 2, '16 bit unsigned integer', '0 to 65,535', 'Extreme positive range of numbers reserved: 65,535 = Data not available, 65,534 = Out of range, 65,533 = Reserved', 'uint16'),
    (5, 3, '24 bit  unsigned number', '0 to 16,777,215', 'Extreme positive range of numbers reserved: 16,777,215 = Data not available, 16,777,214 = Out of range, 16,777,213 = Reserved', 'uint24'),
    (5, 4, '32 bit unsigned integer', '0 to 4,294,967,295', 'Extreme positive range of numbers reserved: 4,294,967,295 = Data not available, 4,294,967,294 = Out of range, 4,294,967,293 = Reserved', 'uint32'),
    (5, 6, '48 bit unsigned integer', '0 to (2E+48)-1', 'Extreme positive range of numbers reserved: (2E+48)-1 = Data not available, (2E+48)-2 = Out of range, (2E+48)-3 = Reserved', 'uint48'),
    (5, 8, '64 bit unsigned integer', '0 to (2E+64)-1', 'Extreme positive range of numbers reserved: (2E+64)-1 = Data not available, (2E+64)-2 = Out of range, (2E+64)-3 = Reserved', 'uint64'),
    (4, 0, "signed bit field, 2\u2019s complement", 'Per field', 'Extreme positive range of numbers reserved', 'int(n)'),
]
T_UNDEFINED, T_CH8OR16, T_CHAR8, T_FLOAT32, T_BIT, T_SIGNED_BITS = 0, 1, 3, 4, 7, 20
SIGNED_TYPE = {8: 9, 16: 10, 24: 11, 32: 12, 64: 13}
UNSIGNED_TYPE = {8: 14, 16: 15, 24: 16, 32: 17, 48: 18, 64: 19}

# Units: reference unit -> (unit code, singular, plural, abbreviation, factor, exponent shift).
# A factor other than 1 converts the reference's unit into the one the table holds exactly
# (litres into cubic metres, ampere hours into coulombs).
UNITS = {
    'A': (1, 'Amp', 'Amps', 'A', Fraction(1)), 'deg': (2, 'Degree', 'Degrees', 'Deg', Fraction(1)),
    'd': (4, 'Date', 'Date', 'Date', Fraction(1)), 'dB': (5, 'Decibel', 'Decibel', 'dB', Fraction(1)),
    'Hz': (6, 'Hertz', 'Hertz', 'Hz', Fraction(1)), 'K': (7, 'Kelvin', 'Kelvin', 'K', Fraction(1)),
    'm': (8, 'Metre', 'Metres', 'm', Fraction(1)), 'L': (9, 'Cubic Metre', 'Cubic Metres', 'cu m', Fraction(1, 1000)),
    'L/h': (10, 'Cubic Metres Per Hour', 'Cubic Metres Per Hour', 'cu m/h', Fraction(1, 1000)),
    'm/s': (11, 'Metre Per Second', 'Metres Per Second', 'm/s', Fraction(1)),
    'Pa': (17, 'Pascal', 'Pascals', 'Pa', Fraction(1)), 'Pa/hr': (18, 'Pascal per Hour', 'Pascals per Hour', 'Pa/h', Fraction(1)),
    '%': (19, 'Percent', 'Percent', '%', Fraction(1)), 'rad': (20, 'Radian', 'Radians', 'Rad', Fraction(1)),
    'rad/s': (21, 'Radian per Second', 'Radians per Second', 'Rad/s', Fraction(1)),
    'rpm': (22, 'Rev Per Minute', 'Revs Per Minute', 'RPM', Fraction(1)),
    's': (23, 'Second', 'Seconds', 's', Fraction(1)), 'V': (25, 'Volt', 'Volts', 'V', Fraction(1)),
    'W': (26, 'Watt', 'Watts', 'W', Fraction(1)), 'Cos Phi': (28, 'Ratio', 'Ratio', 'Ratio', Fraction(1)),
    'VAR': (29, 'VAR', 'VAR', 'VAR', Fraction(1)), 'Ah': (30, 'Coulomb', 'Coulombs', 'C', Fraction(3600)),
    'ppm': (34, 'Part Per Million', 'Parts Per Million', 'ppm', Fraction(1)),
}
# Units of the almanac and float fields, kept as texts without a unit code.
PLAIN_UNITS = {'semi-circle': 'Semi-circle', 'semi-circle/s': 'Semi-circle per Second',
               'm/m': 'Metre per Metre', 'sqrt(m)': 'Square Root of Metre', 's/s': 'Second per Second',
               'ppt': 'Part Per Thousand'}

# Dictionary rows the decoder keys on by position: row -> entry.
FIXED_ROWS = {
    0: dict(name='Undefined', dataType=T_UNDEFINED, bits=0, description='Definition where no data dictionary entry applies'),
    1: dict(name='Reserved field', dataType=T_BIT, bits=0, description='Bits reserved for future use, transmitted as ones'),
    2: dict(name='Generic Status Pair', dataType=T_BIT, bits=2, description='Two-bit status: no, yes, error, not available', lookup='@GenericStatusPair'),
    3: dict(name='Sequence ID', dataType=14, bits=8, description='Ties together the parameter groups that belong to one measurement', range='0 to 252'),
    4: dict(name='Generic name string, Medium', dataType=T_CHAR8, bits=0, description='Fixed-length text, filled with 0xFF'),
    12: dict(name='DSC Address or Geographic Area', dataType=T_CHAR8, bits=40, description='Ten decimal digits, two per byte'),
    15: dict(name='DSC Symbol String', dataType=T_CH8OR16, bits=65535, description='DSC text with its length and encoding bytes'),
    141: dict(name='Binary Bit Field', dataType=T_BIT, bits=65535, description='Binary data shown as bytes'),
    171: dict(name='NMEA 2000 Manufacturer Code', dataType=T_BIT, bits=11, description='Manufacturer code assigned by the standard body', range='0 to 2046'),
    191: dict(name='Value of requested parameter', dataType=T_UNDEFINED, bits=0, description='Value whose size depends on the requested parameter group'),
    307: dict(name='AIS Spare Field', dataType=T_BIT, bits=0, description='Spare bits of an AIS message'),
}
GENERIC_STATUS_PAIR = {0: 'No', 1: 'Yes', 2: 'Error', 3: 'Null, Unavailable, Unknown'}
ENUM_OVERRIDES = {'GNS_METHOD': {2: 'DGNSS Fix', 14: 'Error'}}
# Entry names that the renderer keys on.
LAT_LONG_NAMES = {('deg', 1e-07, 'GEOGRAPHICAL_LATITUDE'): 'Latitude, WGS-84',
                  ('deg', 1e-07, 'GEOGRAPHICAL_LONGITUDE'): 'Longitude, WGS-84',
                  ('deg', 1e-16, 'GEOGRAPHICAL_LATITUDE'): 'Latitude (Extended Resolution)',
                  ('deg', 1e-16, 'GEOGRAPHICAL_LONGITUDE'): 'Longitude (Extended Resolution)'}
ENTRY_NAMES = {(129029, 5): 'Altitude (Extended Resolution)', (129029, 11): 'DOP',
               (129029, 12): 'DOP', (128275, 2): 'Distance, voyage', (128275, 3): 'Distance, voyage',
               (126992, 1): 'Time Source', (126992, 3): 'Generic date', (126992, 4): 'Generic time of day',
               (127488, 1): 'Rate of rotation', (127237, 15): 'Rate of Turn', (127251, 1): 'Rate of Turn',
               (129027, 2): 'Delta, latitude', (129027, 3): 'Delta, longitude'}
# Names of the entries shared by every field of one physical quantity.
QUANTITY_NAMES = {
    'ANGLE': 'Angle', 'DURATION': 'Duration', 'LENGTH': 'Length', 'DISTANCE': 'Distance', 'SPEED': 'Speed',
    'GEOGRAPHICAL_LATITUDE': 'Latitude', 'GEOGRAPHICAL_LONGITUDE': 'Longitude', 'TIME': 'Time of day',
    'DIMENSIONLESS_RATIO': 'Ratio', 'DATE': 'Date', 'TEMPERATURE': 'Temperature', 'PRESSURE': 'Pressure',
    'POTENTIAL_DIFFERENCE': 'Voltage', 'FREQUENCY': 'Frequency', 'ELECTRICAL_CURRENT': 'Current',
    'ELECTRICAL_POWER': 'Power', 'VOLUMETRIC_FLOW': 'Flow rate', 'SIGNAL_TO_NOISE_RATIO': 'Signal to noise ratio',
    'ANGULAR_VELOCITY': 'Angular velocity', 'VOLUME': 'Volume', 'ELECTRICAL_REACTIVE_POWER': 'Reactive power',
    'ELECTRICAL_CHARGE': 'Charge', 'CONCENTRATION': 'Concentration', 'SQUARE_ROOT_LENGTH': 'Square root of length',
    'SIGNAL_STRENGTH': 'Signal strength', 'PRESSURE_RATE': 'Pressure rate',
}

AIS_PGNS = set(range(129038, 129042)) | set(range(129792, 129814))


def ddnumber(row):
    """The standard's dictionary number of a row: it runs ahead of the row where the standard
    left numbers unused."""
    if row < 116:
        return row
    if row < 246:
        return row + 1
    if row < 327:
        return row + 4
    if row < 372:
        return row + 5
    return row + 6


def resolution_parts(res):
    """(multiplier, exponent) with multiplier * 10^exponent == res (a negative multiplier -k
    meaning division by k). Small multipliers and divisors first; then an integer resolution as
    its own multiplier (864, 4096), a binary fraction as a division by its power of two (2^-38),
    and a resolution with no exact short form (a degree step in radians) as the reference's
    seventeen significant digits."""
    if res is None:
        return (1, 0)
    parts = small_resolution_parts(res)
    if parts is not None:
        return parts
    binary = Fraction(res)
    if binary.denominator == 1:
        return (binary.numerator, 0)
    if binary.numerator == 1:
        return (-binary.denominator, 0)
    sign, digits, exponent = Decimal(repr(res)).as_tuple()
    return (int(''.join(map(str, digits))), exponent)


def small_resolution_parts(res):
    """(multiplier, exponent) with |multiplier| <= 127, or None when there is none."""
    exact = Fraction(Decimal(repr(res)))
    best = None
    for e in range(8, -21, -1):
        x = exact / Fraction(10) ** e
        if x.denominator == 1 and 1 <= x.numerator <= 127:
            best = (x.numerator, e)  # the first hit from above has the smallest multiplier
            break
    # Quarter steps are held as a division by four; other divisions only where no multiplier
    # fits (1/32 and 1/36 steps; the reference rounds 1/36 in its last digit).
    for r in (exact, Fraction(res).limit_denominator(10**12)):
        for e in range(-20, 8):
            for k in range(2, 128):
                if r * k == Fraction(10) ** e and (k == 4 or best is None):
                    return (-k, e)
    return best


def resolution_text(mult, exp, unit_abbr):
    scale = f'1x10E{exp}' if exp else '1'
    if mult >= 2:
        scale = f'{mult}x10E{exp}' if exp else f'{mult}'
    elif mult <= -2:
        scale = f'1/{-mult}x10E{exp}' if exp else f'1/{-mult}'
    return f'{scale} {unit_abbr}'.strip() if unit_abbr else (scale if scale != '1' else '1 bit')


def pick_definition(entry, pgn):
    """The reference definition a standard row is made from: the catch-all of a proprietary
    range, else the first definition of the PGN."""
    defs = entry['definitions']
    if pgn in PROPRIETARY_ROWS:
        return next((d for d in defs if d.get('Fallback')), defs[-1])
    plain = [d for d in defs if not d.get('Fallback')]
    return (plain or defs)[0]


def main():
    ref = json.loads(Path(sys.argv[1]).read_text())
    by_pgn = {e['PGN']: e for e in ref['pgns']}
    enums = ref['lookupEnumerations']
    bit_enums = ref['lookupBitEnumerations']
    indirect_enums = ref['lookupIndirectEnumerations']
    type_enums = ref['lookupFieldTypeEnumerations']

    dictionary = {row: dict(v, row=row) for row, v in FIXED_ROWS.items()}
    entry_keys = {}
    next_row = [5]

    def new_row():
        while next_row[0] in dictionary:
            next_row[0] += 1
        row = next_row[0]
        next_row[0] += 1
        return row

    def entry_for(key, make):
        if key not in entry_keys:
            row = new_row()
            dictionary[row] = dict(make(), row=row)
            entry_keys[key] = row
        return entry_keys[key]

    pgns = []
    def add_row(pgn, name, d, standard, keep=True):
        """Appends one PGN row made from reference definition `d`. A standard row keeps the
        viewer's own names and rules; a further definition takes the reference's."""
        fields = []
        if pgn == 0:
            ref_fields = [{'Order': 1, 'Name': 'Data', 'FieldType': 'BINARY', 'BitLength': 64, 'BitOffset': 0}]
        else:
            ref_fields = d['Fields']
        block = {}
        if standard and pgn in BLOCKS:
            start, count, size = BLOCKS[pgn]
            block = {'start': start, 'size': size, 'count': count}
        elif not standard and d.get('RepeatingFieldSet1Size'):
            count = d.get('RepeatingFieldSet1CountField')
            block = {'start': d['RepeatingFieldSet1StartField'] - 1, 'size': d['RepeatingFieldSet1Size'],
                     'count': count - 1 if count else 255}
        fixed_offset = True
        for f in ref_fields:
            number = f['Order'] - 1
            ftype = f['FieldType']
            bits = f.get('BitLength')
            variable = f.get('BitLengthVariable') or bits is None
            if f.get('BitOffset') is None:
                fixed_offset = False
            offset = f['BitOffset'] if fixed_offset and f.get('BitOffset') is not None else 65535
            if variable:
                fixed_offset = False
            last = f is ref_fields[-1]
            fname = (standard and FIELD_NAMES.get((pgn, number))) or GENERIC_NAMES.get(f['Name'], f['Name'])
            if standard and pgn in PROPRIETARY_ROWS:
                fname = ['NMEA 2000 Manufacturer Code', 'Reserved bits', 'Industry Group',
                         'Manufacturer defined field(s)'][number]
                if number == 3:
                    variable = True
            runtime = 1 if (standard and pgn == 126208 and number == 6) else 0
            unit = f.get('Unit')
            res = f.get('Resolution')
            signed = bool(f.get('Signed'))
            lookup = (f.get('LookupEnumeration') or f.get('LookupBitEnumeration') or f.get('LookupIndirectEnumeration')
                      or f.get('LookupFieldTypeEnumeration'))
            aligned = bits is not None and bits % 8 == 0 and (f.get('BitOffset') is None or f['BitOffset'] % 8 == 0)

            if ftype == 'RESERVED' or (ftype == 'SPARE' and pgn not in AIS_PGNS):
                dd = 1
            elif ftype == 'SPARE':
                dd = 307
            elif lookup == 'MANUFACTURER_CODE':
                dd = 171
            elif runtime:
                dd = 191
            elif ftype == 'BINARY' and (variable or last or bits > 56):
                dd = 141
            elif ftype == 'DECIMAL':
                dd = 12
            elif standard and pgn == 129808 and ftype == 'STRING_LAU':
                dd = 15
            elif lookup == 'YES_NO' and bits == 2:
                dd = 2
            elif fname == 'Sequence ID' and bits == 8:
                dd = 3
            elif ftype == 'STRING_LZ':
                dd = entry_for(('lz',), lambda: dict(
                    name='Text with length, zero-terminated', dataType=T_CHAR8, bits=65535,
                    description='Length byte (counting neither itself nor the closing zero), the characters, a zero byte',
                    range='Variable'))
            elif ftype in ('VARIABLE', 'DYNAMIC_FIELD_VALUE'):
                dd = entry_for(('variable',), lambda: dict(
                    name='Value typed by another field', dataType=T_UNDEFINED, bits=65535,
                    description='A value whose type and size another field of the message selects'))
            elif ftype == 'STRING_FIX':
                dd = entry_for(('char8', bits), lambda: dict(
                    name=f'Fixed text, {bits // 8} characters', dataType=T_CHAR8, bits=bits,
                    description='Fixed-length 8-bit text, filled with 0xFF', range='Variable', displayClass=63))
            elif ftype == 'STRING_LAU':
                dd = entry_for(('lau',), lambda: dict(
                    name='Text with length and encoding', dataType=T_CH8OR16, bits=65535,
                    description='Length byte, encoding byte (0 Unicode, 1 ASCII), then the characters', range='Variable'))
            else:
                # Numbers, lookups, bit fields.
                parts = resolution_parts(res)
                uinfo = UNITS.get(unit)
                factor = uinfo[4] if uinfo else Fraction(1)
                if parts is not None and factor != 1:
                    parts = resolution_parts(float(Fraction(res) * factor))
                if ftype == 'FLOAT':
                    dtype = T_FLOAT32
                elif signed and not lookup and (not aligned or bits not in SIGNED_TYPE):
                    dtype = T_SIGNED_BITS
                elif lookup or ftype in ('BITLOOKUP', 'INDIRECT_LOOKUP', 'BINARY') or not aligned or bits > 64 \
                        or bits not in UNSIGNED_TYPE:
                    dtype = T_BIT
                elif signed:
                    dtype = SIGNED_TYPE[bits]
                else:
                    dtype = UNSIGNED_TYPE[bits]
                mult, exp = parts
                code, uname, uplural, uabbr = (uinfo[0], uinfo[1], uinfo[2], uinfo[3]) if uinfo else (0, '', '', '')
                if unit in PLAIN_UNITS:
                    uname = uplural = PLAIN_UNITS[unit]
                    uabbr = unit
                quantity = f.get('PhysicalQuantity')
                ename = ((standard and ENTRY_NAMES.get((pgn, number))) or LAT_LONG_NAMES.get((unit, res, quantity)))
                if ename is None and quantity in QUANTITY_NAMES and not lookup:
                    ename = QUANTITY_NAMES[quantity] + (', signed' if signed and dtype != T_BIT else '')
                if ename is None:
                    ename = fname
                meaning = ename if (ENTRY_NAMES.get((pgn, number)) or LAT_LONG_NAMES.get((unit, res, quantity))) \
                    else (lookup or quantity or fname.lower())
                key = ('num', dtype, bits, mult, exp, code, uname, lookup, meaning)
                if res is None or ftype in ('BINARY',):
                    restext = '1 bit' if dtype == T_BIT else '1'
                elif mult > 127:
                    restext = f'{res:g} {unit or ""}'.strip()  # no short exact form
                else:
                    restext = resolution_text(mult, exp, uabbr)
                lo, hi = f.get('RangeMin'), f.get('RangeMax')
                rng = f'{lo:g} to {hi:g}' if lo is not None and hi is not None else ''
                dclass = 52 if (dtype == T_BIT and lookup) else (53 if dtype == 14 else (54 if dtype == 15 else 0))
                dd = entry_for(key, lambda: dict(
                    name=ename, dataType=dtype, bits=bits, multiplier=mult, exponent=exp, unitCode=code,
                    unitName=uname, unitNamePlural=uplural, unitAbbreviation=uabbr,
                    description=f.get('Description', ''), range=rng, resolution=restext,
                    lookup=lookup, displayClass=dclass))
            fields.append({
                'number': number, 'name': fname,
                'bits': 65535 if variable else bits,
                'bitOffset': offset if not variable or f.get('BitOffset') is not None else offset,
                'dd': dd, 'countField': block['count'] if block and number == block['start'] else 255,
                'blockSize': block['size'] if block and number == block['start'] else 0,
                'runtimeSized': runtime, 'note': f.get('Description', ''),
                'reference': {'resolution': res, 'unit': unit},
                'kind': ftype, 'signed': signed,
            })
            if 'Match' in f:
                if f.get('BitOffset') is None:
                    sys.exit(f'{pgn} {name}: match field {fname} has no fixed position')
                fields[-1]['match'] = f['Match']
            if ftype == 'DYNAMIC_FIELD_KEY':
                fields[-1]['keyLookup'] = lookup
            if f.get('LookupIndirectEnumerationFieldOrder'):
                fields[-1]['lookupField'] = f['LookupIndirectEnumerationFieldOrder'] - 1
        if not keep:
            return fields
        # Catch-all rows of the proprietary ranges all share the same generic layout.
        kind = (2 if pgn in ISO_ROWS else 3 if pgn in GROUP_FUNCTION_ROWS else 6 if pgn == 65240
                else 7 if standard and pgn in CATCH_ALL_ROWS else 4 if d['Type'] in ('Single', 'ISO') else 5)
        single = kind in (2, 4) or pgn in (0, 61440, 65280)
        priority = PRIORITY.get(pgn, d.get('Priority', 3) if d else 3)
        if pgn in PERIODIC_CLASS:
            timing = PERIODIC_CLASS[pgn]
        elif pgn in APERIODIC_CLASS:
            timing = 0x10 | APERIODIC_CLASS[pgn]
        elif d and d.get('TransmissionInterval') and not d.get('TransmissionIrregular') and kind in (4, 5) \
                and pgn not in AIS_PGNS and not (130060 <= pgn <= 130074):
            timing = 6
        else:
            timing = 0x13
        mask_class = 1 if pgn in PDU1_ROWS else 0
        timing |= mask_class << 6
        transport = kind | (0x08 if single else 0) | (priority << 4)
        variable_len = any(x['bits'] == 65535 for x in fields) or block
        if single:
            length = 8
        elif standard and pgn in LENGTH:
            length = LENGTH[pgn]
        elif variable_len or not d.get('Length'):
            length = 255
        else:
            length = d['Length']
        sid = SID_BYTE.get(pgn, 255) if standard else 255
        if not standard or pgn not in SID_BYTE:
            for x in fields:
                if x['name'] == 'Sequence ID' and x['bitOffset'] != 65535 and x['bitOffset'] % 8 == 0:
                    sid = x['bitOffset'] // 8
                    break
        inst = INSTANCE_BYTE.get(pgn, 255) if standard else 255
        if not standard or pgn not in INSTANCE_BYTE:
            for x in fields:
                if x['name'] == 'Instance' and x['bitOffset'] != 65535 and x['bitOffset'] % 8 == 0:
                    inst = x['bitOffset'] // 8
                    break
        explanation = DESCRIPTION_OVERRIDES.get(name, d.get('Explanation', '')) if d else ''
        pgns.append({'pgn': pgn, 'name': name, 'description': explanation if d else
                     'Parameter groups of the J1939 range without a definition of their own',
                     'timing': timing, 'transport': transport, 'sidByte': sid, 'instanceByte': inst,
                     'length': length, 'standard': standard, 'catchAll': standard and pgn in PROPRIETARY_ROWS,
                     'fields': fields})

    # The value types the keys of key/value pairs select: one field row per key, laid out as
    # the reference's field type enumeration says.
    key_fields = []
    for lookup, table in type_enums.items():
        pseudo = {'Type': 'Fast', 'Fields': []}
        for order, v in enumerate(table['values'], 1):
            f = {'Order': order, 'Name': v['name'], 'FieldType': v['FieldType'], 'BitLength': int(v['Bits']),
                 'Signed': v.get('Signed', False), 'Resolution': v.get('Resolution', 1)}
            for key in ('Unit', 'LookupEnumeration', 'LookupBitEnumeration'):
                if key in v:
                    f[key] = v[key]
            pseudo['Fields'].append(f)
        for v, field in zip(table['values'], add_row(-1, lookup, pseudo, False, keep=False)):
            field['number'] = 0
            field['bitOffset'] = 65535
            del field['note']
            key_fields.append({'lookup': lookup, 'key': v['value'], 'field': field})

    standard_definitions = set()
    for pgn, name in PGN_NAMES:
        entry = by_pgn.get(pgn)
        d = pick_definition(entry, pgn) if entry else None
        standard_definitions.add(id(d))
        add_row(pgn, name, d, True)
    # Every further definition of the reference, beside the standard rows. The reference's own
    # catch-alls are the standard catch-all rows' (ranges of PGNs without a definition).
    for entry in ref['pgns']:
        for d in entry['definitions']:
            if not d.get('Fallback') and id(d) not in standard_definitions:
                add_row(entry['PGN'], d['Description'], d, False)

    # Enumerated texts, keyed by the dictionary number of the entry that uses the lookup.
    enum_rows = [{'dd': 0, 'value': 255, 'symbol': 'DD000_NoModifier', 'text': 'Definition where there is no modifier'}]
    seen_lookups = {}
    for row in sorted(dictionary):
        e = dictionary[row]
        lookup = e.get('lookup')
        if not lookup:
            continue
        number = ddnumber(row)
        if lookup == '@GenericStatusPair':
            values = GENERIC_STATUS_PAIR
            symbol = 'GenericStatusPair'
        elif lookup in enums:
            values = {int(k): v for k, v in enums[lookup]['values'].items()}
            values.update(ENUM_OVERRIDES.get(lookup, {}))
            symbol = ''.join(w.capitalize() for w in lookup.split('_'))
        elif lookup in bit_enums:
            values = {int(k): v for k, v in bit_enums[lookup]['bits'].items()}
            symbol = ''.join(w.capitalize() for w in lookup.split('_')) + 'Bit'
        elif lookup in indirect_enums:
            # Keyed by both values: the other field's in the high byte.
            values = {(v['Value1'] << 8) | v['Value2']: v['Name'] for v in indirect_enums[lookup]['values']}
            symbol = ''.join(w.capitalize() for w in lookup.split('_'))
        elif lookup in type_enums:
            values = {v['value']: v['name'] for v in type_enums[lookup]['values']}
            symbol = ''.join(w.capitalize() for w in lookup.split('_'))
        else:
            continue
        for value in sorted(values):
            enum_rows.append({'dd': number, 'value': value,
                              'symbol': f'DD{number:03d}_{symbol}_0x{value:02X}', 'text': values[value]})

    attributes = []
    for p in pgns:
        for x in p['fields']:
            check = (p['pgn'], x['number']) in CHECK_RESERVED
            if p['standard'] and (check or x['note']):
                attributes.append({'pgn': p['pgn'], 'field': x['number'], 'checkReservedValues': int(check),
                                   'note': x['note']})
            del x['note']

    rows = []
    for row in range(max(dictionary) + 1):
        e = dictionary.get(row)
        if e is None:
            sys.exit(f'dictionary row {row} left empty')
        rows.append({'row': row, 'number': ddnumber(row), 'name': e['name'], 'description': e.get('description', ''),
                     'dataType': e['dataType'], 'bits': e['bits'], 'multiplier': e.get('multiplier', 1),
                     'exponent': e.get('exponent', 0), 'unitCode': e.get('unitCode', 0),
                     'unitName': e.get('unitName', ''), 'unitNamePlural': e.get('unitNamePlural', ''),
                     'unitAbbreviation': e.get('unitAbbreviation', ''), 'range': e.get('range', ''),
                     'resolution': e.get('resolution', '1 bit' if e['dataType'] == T_BIT else ''),
                     'displayClass': e.get('displayClass', 0)})

    out = {
        'about': 'The built-in NMEA 2000 PGN database. Curated by scripts/curate_pgn_database.py from public '
                 'reference definitions (see NOTICE); scripts/gen_pgn_database.py turns it into '
                 'src/n2k/PgnDatabaseTables.inc.',
        'types': [dict(zip(('valueClass', 'byteSize', 'longName', 'range', 'reserved', 'shortName'), t)) for t in TYPES],
        'pgns': pgns, 'dictionary': rows, 'enums': enum_rows, 'attributes': attributes, 'keyFields': key_fields,
    }
    OUT.write_text(json.dumps(out, indent=1, ensure_ascii=False) + '\n')
    nfields = sum(len(p['fields']) for p in pgns)
    print(f'{len(pgns)} PGNs, {nfields} fields, {len(rows)} dictionary rows, {len(enum_rows)} enumerated texts, '
          f'{len(attributes)} attribute rows', file=sys.stderr)


if __name__ == '__main__':
    main()
