#include "analysis/NetworkColumns.h"

#include "log/ElementTime.h"
#include "n2k/NetworkNames.h"
#include "n2k/PgnName.h"

#include <cinttypes>
#include <cstdio>

namespace ZrlAnalysis {

namespace {

using StandardsLib::firstV2000DatabaseVersion;

std::string number(std::uint64_t value) { return std::to_string(value); }

std::string decimals(double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

std::string milliseconds(double ticks) { return decimals(ticks / 10000.0); }

// A cell of the NAME, empty without a claim.
template <typename Text>
std::string ofName(const DeviceRow& row, Text text)
{
    return row.name ? text(*row.name) : std::string();
}

template <typename Text>
std::string ofProduct(const DeviceRow& row, Text text)
{
    return row.product ? text(*row.product) : std::string();
}

template <typename Text>
std::string ofConfiguration(const DeviceRow& row, Text text)
{
    return row.configuration ? text(*row.configuration) : std::string();
}

// Device class and function names come from the edition of the database the device was built
// to, which its product information names; the newer edition without one.
std::uint16_t databaseVersion(const DeviceRow& row)
{
    return row.product ? row.product->n2kVersion : firstV2000DatabaseVersion;
}

std::string pgnList(const DeviceRow& row)
{
    std::string text;
    for (const std::uint32_t pgn : row.pgns) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(pgn);
    }
    return text;
}

template <typename Value>
std::string withIntervals(const PgnSourceStatistics& s, Value value)
{
    return s.hasIntervals() ? value(s) : std::string();
}

const DeviceColumn deviceTable[] = {
    {"Address", CellKind::number, true, [](const DeviceRow& r) { return number(r.address); }},
    {"NAME", CellKind::text, true,
     [](const DeviceRow& r) {
         return ofName(r, [](const DeviceName& n) {
             char text[20];
             std::snprintf(text, sizeof text, "%016" PRIX64, n.raw);
             return std::string(text);
         });
     }},
    {"Manufacturer", CellKind::text, true,
     [](const DeviceRow& r) {
         return ofName(r, [](const DeviceName& n) { return StandardsLib::manufacturerCodeText(n.manufacturerCode); });
     }},
    {"Function", CellKind::text, true,
     [](const DeviceRow& r) {
         return ofName(r, [&](const DeviceName& n) {
             return StandardsLib::deviceFunctionName(n.deviceClass, n.deviceFunction, databaseVersion(r));
         });
     }},
    {"Class", CellKind::text, true,
     [](const DeviceRow& r) {
         return ofName(r, [&](const DeviceName& n) {
             return StandardsLib::deviceClassName(n.deviceClass, databaseVersion(r));
         });
     }},
    {"Instance", CellKind::number, true,
     [](const DeviceRow& r) { return ofName(r, [](const DeviceName& n) { return number(n.deviceInstance); }); }},
    {"SystemInstance", CellKind::number, false,
     [](const DeviceRow& r) { return ofName(r, [](const DeviceName& n) { return number(n.systemInstance); }); }},
    {"UniqueNumber", CellKind::number, false,
     [](const DeviceRow& r) { return ofName(r, [](const DeviceName& n) { return number(n.uniqueNumber); }); }},
    {"Model", CellKind::text, true,
     [](const DeviceRow& r) { return ofProduct(r, [](const ProductInformation& p) { return p.modelId; }); }},
    {"Software", CellKind::text, true,
     [](const DeviceRow& r) { return ofProduct(r, [](const ProductInformation& p) { return p.softwareVersion; }); }},
    {"ModelVersion", CellKind::text, false,
     [](const DeviceRow& r) { return ofProduct(r, [](const ProductInformation& p) { return p.modelVersion; }); }},
    {"Serial", CellKind::text, true,
     [](const DeviceRow& r) { return ofProduct(r, [](const ProductInformation& p) { return p.serialCode; }); }},
    {"N2kVersion", CellKind::text, false,
     [](const DeviceRow& r) {
         return ofProduct(r, [](const ProductInformation& p) { return decimals(p.n2kVersion / 1000.0); });
     }},
    {"Certification", CellKind::number, false,
     [](const DeviceRow& r) {
         return ofProduct(r, [](const ProductInformation& p) { return number(p.certificationLevel); });
     }},
    {"LoadEquivalency", CellKind::number, false,
     [](const DeviceRow& r) {
         return ofProduct(r, [](const ProductInformation& p) { return number(p.loadEquivalency); });
     }},
    {"Installation1", CellKind::text, false,
     [](const DeviceRow& r) {
         return ofConfiguration(r, [](const ConfigurationInformation& c) { return c.installation1; });
     }},
    {"Installation2", CellKind::text, false,
     [](const DeviceRow& r) {
         return ofConfiguration(r, [](const ConfigurationInformation& c) { return c.installation2; });
     }},
    {"First", CellKind::text, true, [](const DeviceRow& r) { return KelpLib::isoTimeText(r.firstSeen); }},
    {"Last", CellKind::text, true, [](const DeviceRow& r) { return KelpLib::isoTimeText(r.lastSeen); }},
    {"Messages", CellKind::number, true, [](const DeviceRow& r) { return number(r.messages); }},
    {"PGNs", CellKind::numbers, true, pgnList},
};

const StatisticsColumn statisticsTable[] = {
    {"PGN", CellKind::number, true, [](const PgnSourceStatistics& s) { return number(s.pgn); }},
    {"Src", CellKind::number, true, [](const PgnSourceStatistics& s) { return number(s.source); }},
    {"Name", CellKind::text, true, [](const PgnSourceStatistics& s) { return StandardsLib::pgnNameText(s.pgn); }},
    {"Count", CellKind::number, true, [](const PgnSourceStatistics& s) { return number(s.count); }},
    {"Rate", CellKind::number, true,
     [](const PgnSourceStatistics& s) {
         return withIntervals(s, [](const PgnSourceStatistics& v) { return v.last > v.first ? decimals(v.rate()) : std::string(); });
     }},
    {"MinInterval", CellKind::number, true,
     [](const PgnSourceStatistics& s) {
         return withIntervals(s, [](const PgnSourceStatistics& v) { return milliseconds(double(v.minInterval)); });
     }},
    {"MeanInterval", CellKind::number, true,
     [](const PgnSourceStatistics& s) {
         return withIntervals(s, [](const PgnSourceStatistics& v) { return milliseconds(v.meanIntervalTicks()); });
     }},
    {"MaxInterval", CellKind::number, true,
     [](const PgnSourceStatistics& s) {
         return withIntervals(s, [](const PgnSourceStatistics& v) { return milliseconds(double(v.maxInterval)); });
     }},
    {"MaxGapEnd", CellKind::text, true,
     [](const PgnSourceStatistics& s) {
         return withIntervals(s, [](const PgnSourceStatistics& v) { return KelpLib::isoTimeText(v.maxGapEnd); });
     }},
};

}  // namespace

std::span<const DeviceColumn> deviceColumns() { return deviceTable; }
std::span<const StatisticsColumn> statisticsColumns() { return statisticsTable; }

}  // namespace ZrlAnalysis
