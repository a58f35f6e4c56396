#include "messages/N2KMsg.h"


#include "common/SafeFormat.h"
#include "common/ByteFormat.h"
#include "messages/KorvBuf.h"
#include "messages/N2KHeader.h"
#include "n2k/LibN2K.h"
#include "n2k/PgnLookup.h"
#include "n2k/PgnName.h"
#include "n2k/N2KFieldWalk.h"

#include <cstring>

namespace KelpLib {

using CommonLib::safeFormat;

namespace {

// Room reserved for the field list before each build; most PGNs have fewer fields.
constexpr std::size_t fieldListReserve = 30;

// Room of the re-encoded BST message: id, length, 6 header bytes and the largest payload.
constexpr std::uint32_t rawCapacity = 232;

} // namespace

N2KMsg::N2KMsg() { payloadView.data = data; }

N2KMsg::N2KMsg(const ByteBuffer& message)
{
    payloadView.data = data;
    result = decodeN2KHeader(message, *this);
    isValid = result == 0;
    if (!isValid) {
        time = 0;
        length = 0;
    }
}

N2KMsg::N2KMsg(const N2KMsg& other)
    : N2KMsg_s(), IGridRender(other), IListRender(other), StandardsLib::IMessage(other)
{
    payloadView.data = data;
    copyHeader(other);
}

N2KMsg& N2KMsg::operator=(const N2KMsg& other)
{
    if (this == &other)
        return *this;
    renderProps = other.renderProps;
    // The old entries point at this payload, which is about to change: they go first.
    dropFields();
    copyHeader(other);
    return *this;
}

N2KMsg::~N2KMsg() = default;

void N2KMsg::copyHeader(const N2KMsg& other)
{
    time = other.time;
    pgn = other.pgn;
    priority = other.priority;
    source = other.source;
    destination = other.destination;
    length = other.length <= maxPayload ? other.length : maxPayload;
    std::memset(data, 0, sizeof data);
    std::memcpy(data, other.data, length);
    isValid = other.isValid;
    result = other.result;
}

void N2KMsg::dropFields()
{
    fields.clear();
    pgnDefinition = nullptr;
    fieldsBuilt = false;
}

void N2KMsg::buildFields() const
{
    if (fieldsBuilt)
        return;
    fieldsBuilt = true;
    payloadView.pgn = pgn;
    payloadView.length = length;
    payloadView.data = data;
    pgnDefinition = StandardsLib::definitionFor(payloadView);
    fields.clear();
    fields.reserve(fieldListReserve);
    if (pgnDefinition && isValid)
        StandardsLib::buildFieldList(payloadView, pgnDefinition, fields);
}

std::uint32_t N2KMsg::fieldCount() const
{
    buildFields();
    return static_cast<std::uint32_t>(fields.size());
}

const StandardsLib::N2KFieldInfo* N2KMsg::fieldInfo(std::uint32_t index) const
{
    return index < fieldCount() ? &fields[index] : nullptr;
}

const StandardsLib::LibN2KPGN_s* N2KMsg::definition() const
{
    buildFields();
    return pgnDefinition;
}

std::string N2KMsg::pgnName() const
{
    const StandardsLib::LibN2KPGN_s* found = definition();
    return found ? std::string(found->name) : safeFormat("Unknown PGN (%u)", pgn);
}

void N2KMsg::listColumns(std::vector<ListColumn>& out)
{
    static const ListColumn columns[] = {
        {"MsgSrc", 8, ListColumnMsgSrc, true}, {"PGN", 8, ListColumnPgn, true}, {"Name", 20, ListColumnName, true},
        {"Src", 5, ListColumnSrc, true},       {"Dest", 5, ListColumnDest, true}, {"Pri", 4, ListColumnPri, true},
        {"Size", 5, ListColumnSize, true},     {"Data", 60, ListColumnData, true},
    };
    out.insert(out.end(), std::begin(columns), std::end(columns));
}

std::string N2KMsg::pgnText(std::uint32_t pgn, bool hex)
{
    return hex ? safeFormat("0x%05X", pgn) : safeFormat("%6d", static_cast<int>(pgn));
}

std::string N2KMsg::byteText(std::uint32_t value, bool hex)
{
    return hex ? safeFormat("0x%02X", value) : std::to_string(value);
}

std::string N2KMsg::payloadText(const N2KMsg_s& message, bool hex, bool commaSeparated)
{
    const char* separator = commaSeparated ? "," : " ";
    const std::uint32_t count = message.length <= maxPayload ? message.length : maxPayload;
    return hex ? hexDump(message.data, count, nullptr, separator) : decimalList(message.data, count, nullptr, separator);
}

std::string N2KMsg::summary(const N2KMsg_s& message)
{
    return "PGN " + pgnText(message.pgn, false) + "/" + pgnText(message.pgn, true) + ", " + "Src: " +
           std::to_string(message.source) + ", " + "Dst: " + std::to_string(message.destination) + ", " +
           "Pri: " + std::to_string(message.priority) + ", " + "Size: " + std::to_string(message.length) + ", " +
           " Data: " + payloadText(message, true, false);
}

std::string N2KMsg::listText(const N2KMsg_s& message, const ListColumn& column)
{
    switch (column.id) {
    // The Name column names the PGN: the PGN and its hex form are in the PGN column and the
    // title already, and a list column called Name that repeated them told the reader nothing.
    case ListColumnName:
        return StandardsLib::pgnNameText(StandardsLib::N2KPayload{
            message.pgn, message.length <= maxPayload ? message.length : maxPayload, message.data});
    case ListColumnSize: return byteText(message.length, false);
    case ListColumnData: return payloadText(message, true, false);
    case ListColumnPgn: return pgnText(message.pgn, false);
    case ListColumnSrc: return byteText(message.source, false);
    case ListColumnDest: return byteText(message.destination, false);
    case ListColumnPri: return byteText(message.priority, false);
    default: return {};
    }
}

std::string N2KMsg::listText(const ListColumn& column) const { return listText(*this, column); }

std::string N2KMsg::key() const
{
    const StandardsLib::LibN2KPGN_s* found = definition();
    std::uint32_t instance = 0;
    if (found && found->instanceByte < 255 && found->instanceByte < length)
        instance = data[found->instanceByte];
    return safeFormat("p%06u_i%03u_s%02X_d%02X", pgn, instance, source, destination);
}

std::shared_ptr<KorvBuf> N2KMsg::raw() const
{
    auto out = std::make_shared<KorvBuf>(rawCapacity);
    if (length > maxPayload)
        return out;
    const std::uint8_t header[] = {
        0x94,
        static_cast<std::uint8_t>((length + 7) & 0xFF),
        static_cast<std::uint8_t>(priority & 7),
        static_cast<std::uint8_t>(pgn & 0xFF),
        static_cast<std::uint8_t>((pgn >> 8) & 0xFF),
        static_cast<std::uint8_t>((pgn >> 16) & 0x03),
        destination,
        source,
        static_cast<std::uint8_t>(length),
    };
    out->append(header, sizeof header);
    out->append(data, length);
    return out;
}

std::uint32_t N2KMsg::titleRowCount() const { return 4; }

std::string N2KMsg::titleRow(std::uint32_t row) const
{
    switch (row) {
    case 0: return safeFormat("PGN %u (%05X)", pgn, pgn);
    case 1: return pgnName();
    case 2:
        if (destination < globalAddress)
            return safeFormat("Source address %u to %u, at priority %u", source, destination, priority);
        return safeFormat("Source address %u to Global, at priority %u", source, priority);
    case 3: return safeFormat("Number of fields = %u", rowCount());
    default: return "Bad row";
    }
}

std::uint32_t N2KMsg::rowCount() const { return fieldCount(); }

std::uint32_t N2KMsg::columnCount() const { return 4; }

std::string N2KMsg::rowHeader(std::uint32_t row) const { return fieldRowHeader(row); }

std::string N2KMsg::columnName(std::uint32_t column) const
{
    static const char* const names[] = {"Fld", "Name", "Value", "Units"};
    return column < 4 ? names[column] : "None";
}

std::string N2KMsg::cellText(std::uint32_t row, const std::string& column) const
{
    if (row >= rowCount())
        return "Row Out Of Range";
    const StandardsLib::N2KFieldInfo& field = fields[row];
    if (column == "Fld")
        return field.ordinalText();
    if (column == "Name")
        return field.name();
    if (column == "Value")
        return field.valueText(false);
    if (column == "Units")
        return field.unitsShown() ? std::string() : field.unitsText(false);
    return "Column Out Of Range";
}

} // namespace KelpLib
