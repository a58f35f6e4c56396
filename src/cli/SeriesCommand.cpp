#include "cli/Commands.h"
#include "cli/LoadedLog.h"

#include "analysis/SeriesExtraction.h"
#include "analysis/UtcTime.h"

#include <cstdio>
#include <variant>

namespace ZrlTool {

namespace {

ZrlAnalysis::SeriesSpec specOf(Arguments& args)
{
    ZrlAnalysis::SeriesSpec spec;
    const auto pgns = args.numbers("pgn");
    const auto sentence = args.text("sentence");
    const auto field = args.text("field");
    if (pgns.size() + (sentence ? 1 : 0) != 1)
        throw UsageError("series needs one --pgn N or --sentence FMT");
    if (!field)
        throw UsageError("series needs --field NAME");
    const auto sources = args.numbers("src");
    const auto instances = args.numbers("instance");
    if (sources.size() > 1 || instances.size() > 1 || (sentence && (!sources.empty() || !instances.empty())))
        throw UsageError("--src and --instance are given at most once, with --pgn only");
    if ((!sources.empty() && sources[0] > 255) || (!instances.empty() && instances[0] > 255))
        throw UsageError("--src and --instance take 0 to 255");
    if (!pgns.empty())
        spec.pgn = static_cast<std::uint32_t>(pgns[0]);
    spec.formatter = sentence.value_or("");
    spec.field = *field;
    if (!sources.empty())
        spec.source = static_cast<std::uint8_t>(sources[0]);
    if (!instances.empty())
        spec.instance = static_cast<std::uint8_t>(instances[0]);
    if (args.flag("user-units"))
        spec.units = ZrlAnalysis::UnitChoice::user;
    spec.viewFlags = static_cast<std::uint32_t>(args.number("view-flags", 1));
    return spec;
}

}  // namespace

int series(Arguments& args)
{
    const ZrlAnalysis::SeriesSpec spec = specOf(args);
    const std::string path = args.positional("FILE");
    args.finish();

    std::vector<std::string> names;
    auto made = ZrlAnalysis::SeriesExtractor::make(spec, &names);
    if (const auto* error = std::get_if<std::string>(&made)) {
        std::fprintf(stderr, "zrltool: %s\n", error->c_str());
        if (names.empty())
            std::fprintf(stderr, "%s has no numeric fields in the built-in tables\n",
                         spec.isN183() ? ("sentence " + spec.formatter).c_str() : ("PGN " + std::to_string(spec.pgn)).c_str());
        else
            std::fputs("numeric fields:\n", stderr);
        for (const auto& name : names)
            std::fprintf(stderr, "  %s\n", name.c_str());
        return kUsageError;
    }
    const auto& extractor = std::get<ZrlAnalysis::SeriesExtractor>(made);

    const LoadedLog log = loadLog(path, spec.viewFlags);
    std::fputs("Line\tTime\tValue\n", stdout);
    std::string line;
    extractor.walk(*log.document, [&](const ZrlAnalysis::SeriesReading& reading) {
        line = std::to_string(reading.point.line);
        line += '\t';
        line += ZrlAnalysis::isoUtcText(reading.point.time);
        line += '\t';
        line += reading.text();
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    });
    return 0;
}

}  // namespace ZrlTool
