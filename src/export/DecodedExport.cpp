// The decoded export: one line per NMEA 2000 message of the chosen PGNs with the value of each
// decoded field in a column of its own. Every message's fields are walked and rendered, so
// this loop runs over millions of messages: one message object, one row buffer and one output
// buffer serve the whole export.
#include "export/ZRLDocExport.h"

#include "log/ZRLDoc.h"
#include "log/ZRLElement.h"
#include "messages/N2KMsg.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace KelpLib {

namespace {

const char* const lineEnd = "\r\n";
const char* const decodedHeaderStart = "Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,";
const char* const sentenceLine = "NMEA 0183 Line : Not decoded yet";

// Output is gathered into whole lines and handed to the file in large blocks, so the file
// never holds part of a line between writes and the export does not make one write per line.
constexpr std::size_t outputBlock = 1u << 20;

class LineWriter {
public:
    explicit LineWriter(std::ofstream& file) : file(file) { text.reserve(outputBlock + (outputBlock >> 2)); }
    ~LineWriter() { flush(); }

    std::string& line() { return text; }
    void endLine()
    {
        text += lineEnd;
        if (text.size() >= outputBlock)
            flush();
    }
    void flush()
    {
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.flush();
        text.clear();
    }

private:
    std::ofstream& file;
    std::string text;
};

// A field's value text; a field the walk cannot render (a text field off a byte boundary)
// writes the reason instead of ending the export.
std::string valueOf(const StandardsLib::N2KFieldInfo& field)
{
    try {
        return field.valueText(false);
    } catch (const std::exception& error) {
        return error.what();
    }
}

// Appends a value; one holding a comma is enclosed in double quotes.
void appendValue(std::string& row, const std::string& value)
{
    const bool quoted = std::memchr(value.data(), ',', value.size()) != nullptr;
    if (quoted)
        row += '"';
    row += value;
    if (quoted)
        row += '"';
    row += ',';
}

} // namespace

std::vector<ZRLDocExport::DecodedBlock> ZRLDocExport::decodedHeader(const std::vector<std::uint32_t>& pgns,
                                                                    std::string& header) const
{
    std::vector<std::uint32_t> wanted(pgns);
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());

    std::vector<DecodedBlock> blocks;
    std::vector<bool> recorded(wanted.size(), false);
    std::uint32_t columns = 0;
    N2KMsg message;
    for (std::size_t line = 0; line < document.elementCount() && blocks.size() < wanted.size(); ++line) {
        if (!document.element(ElementLine(line)).n2kMessage(message))
            continue;
        const auto at = std::lower_bound(wanted.begin(), wanted.end(), message.pgnNumber());
        if (at == wanted.end() || *at != message.pgnNumber() || recorded[std::size_t(at - wanted.begin())])
            continue;
        recorded[std::size_t(at - wanted.begin())] = true;
        const std::uint32_t count = message.fieldCount();
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::string name = message.fieldInfo(i)->name();
            for (const char c : name)
                if (c != ',')
                    header += c;
            header += ',';
        }
        blocks.push_back({message.pgnNumber(), columns, pgnName ? pgnName(message.pgnNumber()) : std::string()});
        columns += count;
    }
    return blocks;
}

void ZRLDocExport::exportDecoded(const std::vector<std::uint32_t>& pgns)
{
    const std::string name = base + ".n2kdecoded.csv";
    // Binary, so that the CR LF line ends are written as they are.
    std::ofstream file(name, std::ios::out | std::ios::trunc | std::ios::binary);
    writtenFiles.push_back(name);
    LineWriter out(file);

    std::string& row = out.line();
    row += decodedHeaderStart;
    std::vector<DecodedBlock> blocks = decodedHeader(pgns, row);
    out.endLine();
    // Looked up for every message: kept in PGN order.
    std::sort(blocks.begin(), blocks.end(), [](const DecodedBlock& a, const DecodedBlock& b) { return a.pgn < b.pgn; });

    N2KMsg message;
    for (std::size_t line = 0; line < document.elementCount(); ++line) {
        const ZRLElement& element = document.element(ElementLine(line));
        if (element.effectiveVariant() == VariantN183) {
            out.line() += sentenceLine;
            out.endLine();
            continue;
        }
        if (blocks.empty() || !element.n2kMessage(message))
            continue;
        const auto block = std::lower_bound(blocks.begin(), blocks.end(), message.pgnNumber(),
                                            [](const DecodedBlock& b, std::uint32_t pgn) { return b.pgn < pgn; });
        if (block == blocks.end() || block->pgn != message.pgnNumber())
            continue;
        appendN2kColumns(out.line(), element, line, message, block->name);
        out.line().append(block->offset, ',');
        const std::uint32_t count = message.fieldCount();
        for (std::uint32_t i = 0; i < count; ++i)
            appendValue(out.line(), valueOf(*message.fieldInfo(i)));
        out.endLine();
    }
}

} // namespace KelpLib
