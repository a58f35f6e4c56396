#include "messages/N183Msg.h"

#include "common/SafeFormat.h"
#include "messages/KorvBuf.h"

#include <cstring>
#include <iterator>

namespace KelpLib {

using CommonLib::safeFormat;

namespace {

constexpr std::uint8_t bstN183Id = 0x9D;
// The longest text a BST message's length byte carries together with the id and itself.
constexpr std::uint32_t bstTextLimit = 251;
constexpr std::uint32_t rawCapacity = 255;
constexpr std::uint32_t titleRows = 4;
constexpr std::uint32_t tableColumns = 4;

// A record of at most 299 characters, terminated; anything longer leaves it empty.
N183SentenceRecord boundedRecord(const N183SentenceRecord& source)
{
    N183SentenceRecord record;
    record.time = source.time;
    if (source.length < kN183TextCapacity) {
        record.length = source.length;
        std::memcpy(record.text, source.text, record.length);
    }
    record.text[record.length] = 0;
    return record;
}

N183SentenceRecord recordOf(const ByteBuffer& message)
{
    N183SentenceRecord record;
    record.time = message.time;
    if (message.data && message.length >= 1 && message.length < kN183TextCapacity) {
        record.length = message.length;
        std::memcpy(record.text, message.data, record.length);
        record.text[record.length] = 0;
    }
    return record;
}

} // namespace

N183Msg::N183Msg() { parse(); }

N183Msg::N183Msg(const ByteBuffer& message) : sentence(recordOf(message)) { parse(); }

N183Msg::N183Msg(const N183SentenceRecord& record) : sentence(boundedRecord(record)) { parse(); }

N183Msg::N183Msg(const N183Msg& other)
    : IGridRender(other), IListRender(other), StandardsLib::IMessage(other), sentence(other.sentence)
{
    parse();
}

N183Msg& N183Msg::operator=(const N183Msg& other)
{
    if (this == &other)
        return *this;
    IGridRender::operator=(other);
    sentence = other.sentence;
    parsedSentence.reset();
    parse();
    return *this;
}

N183Msg::~N183Msg() = default;

void N183Msg::parse() const { parsedSentence.emplace(sentence); }

const N183ParsedSentence& N183Msg::parsed() const
{
    if (!parsedSentence)
        parse();
    return *parsedSentence;
}

std::string N183Msg::talker() const { return parsed().talker(); }

std::string N183Msg::formatter() const { return parsed().formatter(); }

std::string N183Msg::name() const { return parsed().name(); }

std::string N183Msg::fieldText(std::uint32_t index) const { return std::string(parsed().fieldText(index)); }

std::string N183Msg::dataText() const { return parsed().dataText(); }

std::uint32_t N183Msg::fieldCount() const { return parsed().fieldCount(); }

const StandardsLib::N183Sentence_s* N183Msg::definition() const { return parsed().definition(); }

const std::vector<StandardsLib::N183FieldInfo>& N183Msg::fieldInfos() const { return parsed().fieldInfos(); }

const N183SentenceView& N183Msg::view() const { return parsed().view(); }

void N183Msg::listColumns(std::vector<ListColumn>& out)
{
    static const ListColumn columns[] = {
        {"Size", 8, ListColumnSize, true},     {"Talker", 7, ListColumnTalker, true},
        {"Formatter", 8, ListColumnFormatter, true}, {"Name", 36, ListColumnName, true},
        {"Data", 50, ListColumnData, true},
    };
    out.insert(out.end(), std::begin(columns), std::end(columns));
}

std::string N183Msg::key() const { return talker() + "_" + formatter(); }

std::shared_ptr<KorvBuf> N183Msg::raw() const
{
    auto out = std::make_shared<KorvBuf>(rawCapacity);
    out->append(bstN183Id);
    if (sentence.length < bstTextLimit) {
        out->append(static_cast<std::uint8_t>(sentence.length));
        out->append(reinterpret_cast<const std::uint8_t*>(sentence.text), sentence.length);
    } else {
        out->append(std::uint8_t{0});
    }
    return out;
}

std::uint32_t N183Msg::titleRowCount() const { return titleRows; }

std::string N183Msg::titleRow(std::uint32_t row) const
{
    switch (row) {
    case 0: return "Formatter " + formatter();
    case 1: return name();
    case 2: return safeFormat("Length = %d", static_cast<int>(sentence.length));
    case 3: return safeFormat("Number of fields = %u", rowCount());
    default: return "Error in title row";
    }
}

std::uint32_t N183Msg::rowCount() const { return static_cast<std::uint32_t>(fieldInfos().size()); }

std::uint32_t N183Msg::columnCount() const { return tableColumns; }

// Capital "Field", unlike the "field = %d" of the other message classes.
std::string N183Msg::rowHeader(std::uint32_t row) const { return safeFormat("Field = %d", static_cast<int>(row)); }

std::string N183Msg::columnName(std::uint32_t column) const
{
    static const char* const names[tableColumns] = {"Field", "Name", "Data", "Units"};
    return column < tableColumns ? names[column] : "Error";
}

std::string N183Msg::cellText(std::uint32_t row, const std::string& column) const
{
    const auto& infos = fieldInfos();
    if (row >= infos.size())
        return "Row out of range";
    const StandardsLib::N183FieldInfo& info = infos[row];
    if (column == "Field")
        return info.ordinalText();
    if (column == "Name")
        return info.name();
    if (column == "Data")
        return info.valueText();
    if (column == "Units")
        return info.unitsText();
    return "Column out of range";
}

std::string N183Msg::listText(const ListColumn& column) const { return listText(column.id); }

std::string N183Msg::listText(std::uint32_t columnId) const
{
    switch (columnId) {
    case ListColumnTalker: return talker();
    case ListColumnFormatter: return formatter();
    case ListColumnSize: return safeFormat("%u", sentence.length);
    case ListColumnData: return dataText();
    default: return {};
    }
}

} // namespace KelpLib
