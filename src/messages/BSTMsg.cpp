#include "messages/BSTMsg.h"

#include "common/ErrorCatalogue.h"
#include "common/SafeFormat.h"
#include "messages/BemDictionary.h"
#include "messages/BemValueText.h"
#include "common/ByteFormat.h"
#include "n2k/DeviceTables.h"

using CommonLib::safeFormat;

namespace KelpLib {

namespace {

constexpr std::uint32_t titleRows = 6;

} // namespace

BSTMsg::BSTMsg(const ByteBuffer& source) : message(source) {}

BSTMsg::~BSTMsg() = default;

void BSTMsg::parseHeader() const
{
    if (headerParsed)
        return;
    headerParsed = true;
    const BemLayout layout = parseBemHeader(message.data(), message.length());
    kind = layout.kind;
    bemHeader = layout.header;
    payloadLength = layout.payloadSize;
    payloadView.wrap(message.data() ? message.data() + layout.payloadOffset : nullptr, layout.payloadSize);
}

void BSTMsg::lookUp() const
{
    if (lookedUp)
        return;
    parseHeader();
    lookedUp = true;
    entry = findBemDictEntry(bemHeader.key, bemHeader.subKey);
}

void BSTMsg::buildFields() const
{
    if (fieldsBuilt)
        return;
    lookUp();
    fieldsBuilt = true;
    if (entry)
        entries = walkBemFields(*entry, payloadView.data(), payloadLength, this);
}

const BemHeader& BSTMsg::header() const
{
    parseHeader();
    return bemHeader;
}

bool BSTMsg::isResponse() const
{
    parseHeader();
    return kind == BstMessageKind::BemResponse;
}

bool BSTMsg::isCommand() const
{
    parseHeader();
    return kind == BstMessageKind::BemCommand;
}

bool BSTMsg::isPlainBst() const
{
    parseHeader();
    return kind == BstMessageKind::PlainBst;
}

const BemDictEntry* BSTMsg::dictEntry() const
{
    lookUp();
    return entry;
}

std::string BSTMsg::name() const
{
    lookUp();
    return entry ? entry->name : "BST/BEM Unknown";
}

std::string BSTMsg::idText() const
{
    lookUp();
    if (!entry)
        return {};
    switch (kind) {
    case BstMessageKind::BemResponse: return safeFormat("BEM Response 0x%X::%u", bemHeader.key, bemHeader.subKey);
    case BstMessageKind::BemCommand: return safeFormat("BEM Command 0x%X::%u", bemHeader.key, bemHeader.subKey);
    case BstMessageKind::PlainBst: break;
    }
    return safeFormat("BST 0x%X", bemHeader.key);
}

std::string BSTMsg::description() const
{
    lookUp();
    return entry ? entry->description : "Unknown";
}

std::string BSTMsg::sourceText() const
{
    lookUp();
    if (!entry)
        return {};
    switch (kind) {
    case BstMessageKind::BemResponse:
        return safeFormat("%s, Serial ID %u", StandardsLib::modelName(bemHeader.modelId), bemHeader.serialId);
    case BstMessageKind::BemCommand: return "Application";
    case BstMessageKind::PlainBst: break;
    }
    return "Unknown Model ID";
}

std::int32_t BSTMsg::errorCode() const
{
    parseHeader();
    return kind == BstMessageKind::BemResponse ? bemHeader.errorCode : 0;
}

const KorvBuf& BSTMsg::payload() const
{
    parseHeader();
    return payloadView;
}

std::uint32_t BSTMsg::payloadSize() const
{
    parseHeader();
    return payloadLength;
}

std::uint32_t BSTMsg::fieldCount() const
{
    buildFields();
    return static_cast<std::uint32_t>(entries.size());
}

const BemFieldEntry* BSTMsg::fieldEntry(std::uint32_t index) const
{
    buildFields();
    return index < entries.size() ? &entries[index] : nullptr;
}

std::string BSTMsg::ordinalText(const BemFieldEntry& e)
{
    if (e.repetition == 0)
        return safeFormat("%u", e.ordinal);
    return safeFormat("%u.%u.%u", e.ordinal, e.repetition, e.position);
}

std::string BSTMsg::entryName(const BemFieldEntry& e)
{
    return e.name && *e.name ? e.name : "Message exhausted";
}

std::string BSTMsg::valueText(const BemFieldEntry& e) const
{
    parseHeader();
    if (!e.field)
        return {};
    BemValueSource source;
    source.payload = payloadView.data();
    source.payloadSize = payloadLength;
    source.offset = e.offset;
    source.modelId = bemHeader.modelId;
    return bemValueText(*e.field, source);
}

void BSTMsg::listColumns(std::vector<ListColumn>& out)
{
    out.push_back({"MsgSrc", 8, ListColumnMsgSrc, true});
    out.push_back({"PGN", 8, ListColumnPgn, true});
    out.push_back({"Src", 5, ListColumnSrc, true});
    out.push_back({"Dest", 5, ListColumnDest, true});
    out.push_back({"Pri", 4, ListColumnPri, true});
    out.push_back({"Name", 20, ListColumnName, true});
    out.push_back({"Size", 5, ListColumnSize, true});
    out.push_back({"Data", 60, ListColumnData, true});
}

std::uint32_t BSTMsg::titleRowCount() const { return titleRows; }

std::string BSTMsg::titleRow(std::uint32_t row) const
{
    lookUp();
    if (row >= titleRows)
        return "Bad row";
    if (row == 0)
        return name();
    if (!entry)
        return row == 1 ? safeFormat("Invalid Message ID = 0x%X", bemHeader.key) : std::string();
    const std::int32_t code = errorCode();
    switch (row) {
    case 1: return idText();
    case 2: return description();
    case 3: return sourceText();
    case 4: return code ? safeFormat("Error code = %i", code) : std::string();
    default: return code ? safeFormat("  => %s", CommonLib::errorMessage(code)) : std::string();
    }
}

std::uint32_t BSTMsg::rowCount() const
{
    buildFields();
    if (entry && !entries.empty())
        return static_cast<std::uint32_t>(entries.size());
    return payloadLength;
}

std::uint32_t BSTMsg::columnCount() const { return 3; }

std::string BSTMsg::rowHeader(std::uint32_t row) const { return fieldRowHeader(row); }

std::string BSTMsg::columnName(std::uint32_t column) const
{
    switch (column) {
    case 0: return "Fld";
    case 1: return "Name";
    case 2: return "Data";
    default: return "None";
    }
}

std::string BSTMsg::cellText(std::uint32_t row, const std::string& column) const
{
    buildFields();
    if (row >= entries.size())
        return message.cellText(row, column);
    const BemFieldEntry& e = entries[row];
    if (column == "Fld")
        return ordinalText(e);
    if (column == "Name")
        return entryName(e);
    if (column == "Data")
        return valueText(e);
    return {};
}

std::string BSTMsg::listText(const ListColumn& column) const
{
    switch (column.id) {
    case ListColumnName: return name();
    case ListColumnInterval: return "Interval??";
    case ListColumnSize: return safeFormat("%u", message.length());
    case ListColumnData: return hexDump(message.data(), message.length(), nullptr, " ");
    default: return {};
    }
}

} // namespace KelpLib
