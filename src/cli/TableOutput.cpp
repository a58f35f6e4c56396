#include "cli/TableOutput.h"

#include <cstdio>
#include <sstream>

namespace ZrlTool {

namespace {

using ZrlAnalysis::CellKind;

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string jsonValue(CellKind kind, const std::string& cell)
{
    switch (kind) {
    case CellKind::text: return jsonString(cell);
    case CellKind::number: return cell.empty() ? "null" : cell;
    case CellKind::numbers: {
        std::istringstream words(cell);
        std::string word, list;
        while (words >> word)
            list += (list.empty() ? "" : ",") + word;
        return "[" + list + "]";
    }
    }
    return "null";
}

}  // namespace

std::string tableLine(const TableLayout& layout, const std::vector<std::string>& cells, bool json)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (json)
            line += (i == 0 ? "{" : ",") + jsonString(layout.headers[i]) + ":" + jsonValue(layout.kinds[i], cells[i]);
        else
            line += (i == 0 ? "" : "\t") + cells[i];
    }
    return line + (json ? "}\n" : "\n");
}

void writeOut(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace ZrlTool
