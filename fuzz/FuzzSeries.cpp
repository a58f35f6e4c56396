// Series and the track over a log of arbitrary bytes, and the sentence number parsers on the
// bytes themselves.
#include "FuzzDocument.h"
#include "analysis/N183NumericField.h"
#include "analysis/SeriesExtraction.h"
#include "analysis/TrackExtraction.h"

#include <string_view>

namespace {

// Fields of every reading path: fixed and variable position, bit and byte fields, signed,
// 64-bit, sentence decimals, positions and signed angles.
const ZrlAnalysis::SeriesSpec specs[] = {
    {127250, "", "Heading Sensor Reading", std::nullopt, std::nullopt, ZrlAnalysis::UnitChoice::user, 1},
    {127250, "", "Reference", 35, std::nullopt, ZrlAnalysis::UnitChoice::data, 0},
    {127488, "", "Speed", std::nullopt, 0, ZrlAnalysis::UnitChoice::data, 3},
    {129029, "", "Latitude", std::nullopt, std::nullopt, ZrlAnalysis::UnitChoice::data, 1},
    {129029, "", "Age of DGNSS Corrections", std::nullopt, std::nullopt, ZrlAnalysis::UnitChoice::data, 1},
    {0, "RMC", "Magnetic Variation", std::nullopt, std::nullopt, ZrlAnalysis::UnitChoice::data, 1},
    {0, "GGA", "Latitude", std::nullopt, std::nullopt, ZrlAnalysis::UnitChoice::data, 1},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t total = ZrlAnalysis::plainDecimal(text).has_value();
    total += ZrlAnalysis::n183Degrees(text.substr(0, size / 2), text.substr(size / 2, 1), size % 2 == 0).has_value();

    KelpLib::ZRLDoc document;
    if (!loadFuzzLog(data, size, "series", document))
        return 0;
    for (const auto& spec : specs) {
        const auto made = ZrlAnalysis::SeriesExtractor::make(spec);
        const auto& extractor = std::get<ZrlAnalysis::SeriesExtractor>(made);
        extractor.walk(document, [&](const ZrlAnalysis::SeriesReading& reading) { total += reading.text().size(); });
        total += extractor.unit(document).size();
    }
    std::vector<ZrlAnalysis::TrackPoint> track;
    ZrlAnalysis::extractTrack(document, track);
    return total + track.size() == 0 ? 0 : 0;
}
