#include "cli/Commands.h"
#include "cli/LoadedLog.h"

#include "analysis/TrackExtraction.h"
#include "analysis/UtcTime.h"

#include <cstdio>

namespace ZrlTool {

int track(Arguments& args)
{
    const unsigned long flags = args.number("view-flags", 1);
    const std::string path = args.positional("FILE");
    args.finish();

    const LoadedLog log = loadLog(path, flags);
    std::vector<ZrlAnalysis::TrackPoint> points;
    ZrlAnalysis::extractTrack(*log.document, points, static_cast<std::uint32_t>(flags));
    std::fputs("Line\tTime\tLatitude\tLongitude\tSource\n", stdout);
    for (const auto& point : points)
        std::printf("%u\t%s\t%.7f\t%.7f\t%s\n", point.line, ZrlAnalysis::isoUtcText(point.time).c_str(), point.latitude,
                    point.longitude, point.source);
    return 0;
}

}  // namespace ZrlTool
