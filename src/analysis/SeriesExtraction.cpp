#include "analysis/SeriesExtraction.h"

#include "analysis/SentenceRecord.h"
#include "analysis/UtcTime.h"
#include "analysis/ViewSwitches.h"
#include "log/ZRLDoc.h"
#include "messages/N2KHeader.h"

#include <cstdio>

namespace ZrlAnalysis {

namespace {

const char* const middleDot = " \xB7 ";

std::string sourceText(const SeriesSpec& spec)
{
    if (spec.isN183())
        return "NMEA 0183";
    std::string text = spec.source ? "source " + std::to_string(*spec.source) : std::string("every source");
    if (spec.instance)
        text += ", instance " + std::to_string(*spec.instance);
    return text;
}

} // namespace

std::string SeriesReading::text() const
{
    if (n183 != nullptr)
        return n183->text;
    return n2k != nullptr ? n2k->text() : std::string();
}

SeriesExtractor::SeriesExtractor(SeriesSpec spec, std::variant<N2kNumericField, N183NumericField> field)
    : m_spec(std::move(spec)), m_field(std::move(field))
{
}

std::variant<SeriesExtractor, std::string> SeriesExtractor::make(const SeriesSpec& spec,
                                                                  std::vector<std::string>* knownNames)
{
    if (spec.isN183()) {
        if (auto field = N183NumericField::find(spec.formatter, spec.field))
            return SeriesExtractor(spec, *field);
        if (knownNames != nullptr)
            *knownNames = N183NumericField::numericFieldNames(spec.formatter);
        return "sentence " + spec.formatter + " has no numeric field \"" + spec.field + "\"";
    }
    if (auto field = N2kNumericField::find(spec.pgn, spec.field)) {
        if (spec.units == UnitChoice::user && !field->hasUserValue())
            return "field \"" + spec.field + "\" has no value in user units";
        return SeriesExtractor(spec, *field);
    }
    if (knownNames != nullptr)
        *knownNames = N2kNumericField::numericFieldNames(spec.pgn);
    return "PGN " + std::to_string(spec.pgn) + " has no numeric field \"" + spec.field + "\"";
}

bool SeriesExtractor::walk(const KelpLib::ZRLDoc& document, const std::function<void(const SeriesReading&)>& visit,
                           const WalkControl& control) const
{
    if (const auto* field = std::get_if<N183NumericField>(&m_field)) {
        ParsedSentenceElement sentence;
        return walkElements(document, control, [&](std::size_t line, const KelpLib::ZRLElement& element) {
            if (!keptByViewSwitches(element, m_spec.viewFlags) ||
                !parseSentenceElement(element, m_spec.formatter, sentence))
                return;
            const auto time = elementSeconds(element);
            const auto reading = time ? field->read(sentence.view) : std::nullopt;
            if (reading)
                visit(SeriesReading{{*time, reading->number, std::uint32_t(line)}, nullptr, &*reading});
        });
    }
    const auto& field = std::get<N2kNumericField>(m_field);
    return walkElements(document, control, [&](std::size_t line, const KelpLib::ZRLElement& element) {
        if (element.pgn() != m_spec.pgn || (m_spec.source && element.variant().source != *m_spec.source) ||
            !keptByViewSwitches(element, m_spec.viewFlags))
            return;
        KelpLib::N2KHeaderView header;
        if (!element.n2kHeader(header) || header.pgn != m_spec.pgn)
            return;
        const StandardsLib::N2KPayload payload{header.pgn, header.length, header.payload};
        if (m_spec.instance && instanceOf(field.definition(), payload) != m_spec.instance)
            return;
        const auto time = elementSeconds(element);
        const auto reading = time ? field.read(payload, m_spec.units) : std::nullopt;
        if (reading)
            visit(SeriesReading{{*time, reading->number, std::uint32_t(line)}, &*reading, nullptr});
    });
}

bool SeriesExtractor::collect(const KelpLib::ZRLDoc& document, std::vector<SeriesPoint>& points,
                              const WalkControl& control) const
{
    points.clear();
    return walk(document, [&](const SeriesReading& reading) { points.push_back(reading.point); }, control);
}

std::string SeriesExtractor::unit(const KelpLib::ZRLDoc& document) const
{
    if (const auto* field = std::get_if<N2kNumericField>(&m_field))
        return field->unitName(m_spec.units);
    // A sentence's unit may hang on its reference letter: the first sentence decides.
    const auto& field = std::get<N183NumericField>(m_field);
    ParsedSentenceElement sentence;
    for (std::size_t line = 0; line < document.elementCount(); ++line)
        if (parseSentenceElement(document.element(KelpLib::ElementLine(std::uint32_t(line))), m_spec.formatter, sentence))
            return field.unitName(sentence.view);
    return field.unitName(KelpLib::N183SentenceView{});
}

std::string SeriesExtractor::legend() const
{
    std::string name;
    if (const auto* field = std::get_if<N2kNumericField>(&m_field))
        name = field->definition().name;
    else
        name = m_spec.formatter + " " + std::get<N183NumericField>(m_field).sentence().name;
    return name + middleDot + m_spec.field + middleDot + sourceText(m_spec);
}

} // namespace ZrlAnalysis
