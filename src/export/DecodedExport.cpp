// The decoded export: one line per NMEA 2000 message of the chosen PGNs with the value of each
// decoded field in a column of its own. Every message's fields are walked and rendered, so
// this loop runs over millions of messages: one message object, one row buffer and one output
// buffer serve the whole export.
#include "export/ZRLDocExport.h"

#include "log/ZRLDoc.h"
#include "log/ZRLElement.h"
#include "messages/N2KMsg.h"
#include "n2k/PgnLookup.h"

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
    explicit LineWriter(std::ostream& file) : file(file) { text.reserve(outputBlock + (outputBlock >> 2)); }
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
    std::ostream& file;
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

namespace {

// Row of a message's definition in the PGN table; one past the last row for none.
std::size_t definitionRow(const N2KMsg& message)
{
    const StandardsLib::LibN2KPGN_s* definition = message.definition();
    return definition != nullptr ? definition->index : StandardsLib::pgnTable().size();
}

// True when every message of the PGN is decoded by one and the same definition, so that the
// first message met tells all.
bool hasOneDefinition(std::uint32_t pgn)
{
    const auto own = StandardsLib::definitionsOf(pgn);
    return own.empty() || (own.size() == 1 && StandardsLib::pgnTable()[own.front()].matchCount == 0);
}

} // namespace

std::vector<ZRLDocExport::DecodedBlock> ZRLDocExport::decodedHeader(const std::vector<std::uint32_t>& pgns,
                                                                    std::string& header) const
{
    std::vector<std::uint32_t> wanted(pgns);
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    // The scan may stop once every wanted PGN has been met, unless one of them can be decoded
    // by several definitions: then every message is looked at.
    const bool scanAll = !std::all_of(wanted.begin(), wanted.end(), hasOneDefinition);

    std::vector<DecodedBlock> blocks(StandardsLib::pgnTable().size() + 1);
    std::vector<bool> recorded(wanted.size(), false);
    std::size_t pgnsMet = 0;
    std::uint32_t columns = 0;
    N2KMsg message;
    for (std::size_t line = 0; line < document.elementCount() && (scanAll || pgnsMet < wanted.size()); ++line) {
        if (!kept(line) || !document.element(ElementLine(line)).n2kMessage(message))
            continue;
        const auto at = std::lower_bound(wanted.begin(), wanted.end(), message.pgnNumber());
        if (at == wanted.end() || *at != message.pgnNumber())
            continue;
        if (!recorded[std::size_t(at - wanted.begin())]) {
            recorded[std::size_t(at - wanted.begin())] = true;
            ++pgnsMet;
        }
        DecodedBlock& block = blocks[definitionRow(message)];
        if (block.met)
            continue;
        const std::uint32_t count = message.fieldCount();
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::string name = message.fieldInfo(i)->name();
            for (const char c : name)
                if (c != ',')
                    header += c;
            header += ',';
        }
        block = {columns, pgnName ? pgnName(message.pgnNumber(), message.payload(), message.payloadLength()) : std::string(),
                 true};
        columns += count;
    }
    return blocks;
}

void ZRLDocExport::exportDecoded(const std::vector<std::uint32_t>& pgns)
{
    ExportFile file(base + ".n2kdecoded.csv");
    writtenFiles.push_back(file.path());
    writeDecodedLines(file, pgns);
    finishFile(file);
}

void ZRLDocExport::writeDecodedLines(std::ostream& file, const std::vector<std::uint32_t>& pgns)
{
    LineWriter out(file);

    std::string& row = out.line();
    row += decodedHeaderStart;
    const std::vector<DecodedBlock> blocks = decodedHeader(pgns, row);
    out.endLine();
    std::vector<std::uint32_t> wanted(pgns);
    std::sort(wanted.begin(), wanted.end());

    N2KMsg message;
    for (std::size_t line = 0; line < document.elementCount(); ++line) {
        if (!kept(line))
            continue;
        const ZRLElement& element = document.element(ElementLine(line));
        if (element.effectiveVariant() == VariantN183) {
            out.line() += sentenceLine;
            out.endLine();
            continue;
        }
        if (pgns.empty() || !element.n2kMessage(message))
            continue;
        const DecodedBlock& block = blocks[definitionRow(message)];
        if (!block.met || !std::binary_search(wanted.begin(), wanted.end(), message.pgnNumber()))
            continue;
        appendN2kColumns(out.line(), element, line, message, block.name);
        out.line().append(block.offset, ',');
        const std::uint32_t count = message.fieldCount();
        for (std::uint32_t i = 0; i < count; ++i)
            appendValue(out.line(), valueOf(*message.fieldInfo(i)));
        out.endLine();
    }
}

} // namespace KelpLib
