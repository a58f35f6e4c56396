#include "export/ZRLDocExport.h"

#include "log/ZRLDoc.h"
#include "log/ZRLElement.h"
#include "messages/N2KHeader.h"

#include <algorithm>
#include <charconv>

namespace KelpLib {

namespace {

const char* const lineEnd = "\r\n";
const char* const n2kHeader = "Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,Data";

} // namespace

std::string elementTimeText(const ZRLElement& element) { return element.timeText(); }

bool ZRLDocExport::csvBase(const std::string& path, std::string& base)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.compare(dot, std::string::npos, ".csv") != 0)
        return false;
    base = path.substr(0, dot);
    return true;
}

ZRLDocExport::ZRLDocExport(const ZRLDoc& document, std::string base, PgnNameLookup pgnName)
    : document(document), base(std::move(base)), pgnName(std::move(pgnName))
{
}

std::ostream& ZRLDocExport::stream(std::uint32_t key, const std::string& suffix, const char* header)
{
    auto found = streams.find(key);
    if (found != streams.end())
        return *found->second;
    const std::string name = base + suffix;
    auto file = std::make_unique<ExportFile>(name);
    writtenFiles.push_back(name);
    if (header)
        *file << header << lineEnd << std::flush;
    return *streams.emplace(key, std::move(file)).first->second;
}

namespace {

void appendUnsigned(std::string& row, std::uint32_t value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    row.append(digits, end);
}

} // namespace

void appendN2kColumns(std::string& row, const ZRLElement& element, std::size_t line, const N2KMsg_s& message,
                      std::string_view pgnName)
{
    char digits[24];
    row.append(digits, std::to_chars(digits, digits + sizeof digits, line).ptr);
    row += ',';
    row += elementTimeText(element);
    row += ',';
    row += MsgVariantToString(element.effectiveVariant());
    row += ',';
    // "%6d": right-aligned in six characters.
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<int>(message.pgn)).ptr;
    const std::size_t width = static_cast<std::size_t>(end - digits);
    if (width < 6)
        row.append(6 - width, ' ');
    row.append(digits, end);
    row += ",\"";
    row += pgnName;
    row += "\",";
    appendUnsigned(row, message.source);
    row += ',';
    appendUnsigned(row, message.destination);
    row += ',';
    appendUnsigned(row, message.priority);
    row += ',';
    appendUnsigned(row, message.length);
    row += ',';
}

void ZRLDocExport::writeN2kLine(const ZRLElement& element, std::size_t line, const std::vector<std::uint32_t>& pgns)
{
    N2KMsg_s message;
    if (decodeN2KHeader(element.bytes(), message) != 0)
        message = N2KMsg_s{};
    if (!pgns.empty() && std::find(pgns.begin(), pgns.end(), message.pgn) == pgns.end())
        return;
    const std::string name = pgnName ? pgnName(message.pgn, message.data, message.length) : std::string();
    std::string text;
    appendN2kColumns(text, element, line, message, name);
    for (std::uint32_t i = 0; i < message.length; ++i) {
        appendUnsigned(text, message.data[i]);
        text += ',';
    }
    stream(n2kFileKey, ".n2k.csv", n2kHeader) << text << lineEnd << std::flush;
}

void ZRLDocExport::exportRaw(const std::vector<std::uint32_t>& pgns)
{
    for (std::size_t line = 0; line < document.elementCount(); ++line) {
        if (!kept(line))
            continue;
        const ZRLElement& element = document.element(ElementLine(line));
        if (element.standsForN2kMessage()) {
            writeN2kLine(element, line, pgns);
        } else if (element.effectiveVariant() == MsgVariant::N183) {
            const std::string sentence(reinterpret_cast<const char*>(element.data()), element.length());
            stream(n183FileKey, ".n183.csv", nullptr) << elementTimeText(element) << ",\"" << sentence << "\"" << lineEnd
                                                      << std::flush;
        }
    }
    closeStreams();
    if (document.mdtCount() > 0)
        exportMdt();
}

void ZRLDocExport::finishFile(ExportFile& file)
{
    if (file.finish())
        return;
    failures.push_back({file.path(), file.failure()});
    writtenFiles.erase(std::remove(writtenFiles.begin(), writtenFiles.end(), file.path()), writtenFiles.end());
}

void ZRLDocExport::closeStreams()
{
    for (auto& [key, file] : streams)
        finishFile(*file);
    streams.clear();
}

} // namespace KelpLib
