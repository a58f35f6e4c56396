#include "analysis/TrackExtraction.h"

#include "analysis/N183NumericField.h"
#include "analysis/N2kNumericField.h"
#include "analysis/SentenceRecord.h"
#include "analysis/UtcTime.h"
#include "analysis/ViewSwitches.h"
#include "log/ZRLDoc.h"
#include "messages/N2KHeader.h"
#include "n183/CN183Lib.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace ZrlAnalysis {

namespace {

// An NMEA 2000 position PGN; a fix is valid when its validity field (if any) lies in [low, high].
struct N2kPositionSource {
    std::uint32_t pgn;
    const char* name;
    const char* validityField;
    double low, high;
};
constexpr N2kPositionSource n2kSources[] = {
    {129025, "129025", nullptr, 0, 0},
    {129029, "129029", "Method, GNSS", 1, 8}, // 0: no GNSS
};

// An NMEA 0183 position sentence; a fix is valid when the validity field's text is one of `valid`.
struct N183PositionSource {
    const char* formatter;
    const char* validityField;
    std::string_view valid;
};
constexpr N183PositionSource n183Sources[] = {
    {"RMC", "Status", "A"},
    {"GLL", "Status", "A"},
    {"GGA", "Fix Quality", "12345678"},
};

struct N2kPositionFields {
    const N2kPositionSource* source;
    std::optional<N2kNumericField> latitude, longitude, validity;
};

struct N183PositionFields {
    const N183PositionSource* source;
    std::optional<N183NumericField> latitude, longitude;
    std::uint32_t validityPosition = 0;
};

std::uint32_t fieldPosition(const char* formatter, const char* name)
{
    const auto* sentence = StandardsLib::findN183Sentence(StandardsLib::n183FormatterKey(formatter));
    for (std::uint32_t i = 0; sentence != nullptr && i < sentence->fieldCount; ++i)
        if (std::string_view(sentence->fields[i].name) == name)
            return sentence->fields[i].position;
    return 255;
}

bool validLatLon(double latitude, double longitude)
{
    return std::fabs(latitude) <= 90.0 && std::fabs(longitude) <= 180.0;
}

} // namespace

bool extractTrack(const KelpLib::ZRLDoc& document, std::vector<TrackPoint>& points, std::uint32_t viewFlags,
                  const WalkControl& control)
{
    std::vector<N2kPositionFields> n2k;
    for (const auto& source : n2kSources)
        n2k.push_back({&source, N2kNumericField::find(source.pgn, "Latitude"),
                       N2kNumericField::find(source.pgn, "Longitude"),
                       source.validityField ? N2kNumericField::find(source.pgn, source.validityField) : std::nullopt});
    std::vector<N183PositionFields> n183;
    for (const auto& source : n183Sources)
        n183.push_back({&source, N183NumericField::find(source.formatter, "Latitude"),
                        N183NumericField::find(source.formatter, "Longitude"),
                        fieldPosition(source.formatter, source.validityField)});

    points.clear();
    ParsedSentenceElement sentence;
    return walkElements(document, control, [&](std::size_t line, const KelpLib::ZRLElement& element) {
        if (!keptByViewSwitches(element, viewFlags))
            return;
        std::optional<double> latitude, longitude;
        const char* name = nullptr;
        for (const auto& fields : n2k) {
            KelpLib::N2KHeaderView header;
            if (element.pgn() != fields.source->pgn || !fields.latitude || !fields.longitude ||
                !element.n2kHeader(header) || header.pgn != fields.source->pgn)
                continue;
            const StandardsLib::N2KPayload payload{header.pgn, header.length, header.payload};
            if (fields.validity) {
                const auto validity = fields.validity->read(payload, UnitChoice::data);
                if (!validity || validity->number < fields.source->low || validity->number > fields.source->high)
                    break;
            }
            const auto lat = fields.latitude->read(payload, UnitChoice::data);
            const auto lon = fields.longitude->read(payload, UnitChoice::data);
            if (lat && lon)
                latitude = lat->number, longitude = lon->number, name = fields.source->name;
            break;
        }
        if (name == nullptr && element.effectiveVariant() == KelpLib::MsgVariant::N183) {
            for (const auto& fields : n183) {
                if (!fields.latitude || !fields.longitude ||
                    !parseSentenceElement(element, fields.source->formatter, sentence))
                    continue;
                const std::string_view validity = KelpLib::n183FieldText(sentence.view, fields.validityPosition);
                if (validity.size() != 1 || fields.source->valid.find(validity[0]) == std::string_view::npos)
                    break;
                const auto lat = fields.latitude->read(sentence.view);
                const auto lon = fields.longitude->read(sentence.view);
                if (lat && lon)
                    latitude = lat->number, longitude = lon->number, name = fields.source->formatter;
                break;
            }
        }
        const auto time = name != nullptr ? elementSeconds(element) : std::nullopt;
        if (time && validLatLon(*latitude, *longitude))
            points.push_back({*time, *latitude, *longitude, std::uint32_t(line), name});
    });
}

} // namespace ZrlAnalysis
