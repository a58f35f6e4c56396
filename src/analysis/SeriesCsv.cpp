#include "analysis/SeriesCsv.h"

#include "analysis/UtcTime.h"

#include <cstdio>

namespace ZrlAnalysis {

namespace {

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace

void writeSeriesCsv(std::ostream& out, const std::vector<CsvSeries>& series)
{
    out << "Time";
    for (const CsvSeries& column : series)
        out << ',' << quoted(column.name);
    out << "\r\n";
    std::vector<std::size_t> next(series.size(), 0);
    for (;;) {
        // The earliest time not yet written decides the row.
        bool any = false;
        double time = 0;
        for (std::size_t s = 0; s < series.size(); ++s)
            if (next[s] < series[s].points.size() && (!any || series[s].points[next[s]].first < time)) {
                time = series[s].points[next[s]].first;
                any = true;
            }
        if (!any)
            return;
        out << isoUtcText(time);
        for (std::size_t s = 0; s < series.size(); ++s) {
            out << ',';
            if (next[s] < series[s].points.size() && series[s].points[next[s]].first == time) {
                char text[32];
                std::snprintf(text, sizeof text, "%.10g", series[s].points[next[s]++].second);
                out << text;
            }
        }
        out << "\r\n";
    }
}

} // namespace ZrlAnalysis
