#include "messages/N183MsgGridAdapter.h"

#include "log/ZRLElement.h"
#include "messages/GridAdapterTexts.h"
#include "messages/N183MsgText.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace KelpLib {

namespace {

N183SentenceRecord recordOf(const KorvBuf& bytes)
{
    N183SentenceRecord record;
    record.time = bytes.time();
    if (bytes.data() && bytes.length() >= 1 && bytes.length() < kN183TextCapacity) {
        record.length = bytes.length();
        std::memcpy(record.text, bytes.data(), record.length);
        record.text[record.length] = 0;
    }
    return record;
}

} // namespace

std::string currentUtcTimeText()
{
    const auto now = std::chrono::system_clock::now();
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u:%03u", static_cast<unsigned>(utc.tm_hour), static_cast<unsigned>(utc.tm_min),
                  static_cast<unsigned>(utc.tm_sec), static_cast<unsigned>(millis));
    return text;
}

N183MsgListViewGridTable::N183MsgListViewGridTable(const N183ParsedSentence* sentence, const ZRLElement* element)
    : ListViewGridTable("N183 Message", {"Line", "Timestamp", "Talker", "Formatter", "Name", "Size", "Data"}),
      sentence(sentence), element(element)
{
}

std::string N183MsgListViewGridTable::getCellText(std::uint32_t row, const std::string& columnId) const
{
    return row == 0 ? columnText(columnId) : std::string();
}

std::string N183MsgListViewGridTable::columnText(const std::string& columnId) const
{
    if (columnId == "Timestamp")
        return element ? element->timeText() : currentUtcTimeText();
    if (columnId == "Talker")
        return N183MsgText::listText(*sentence, ListColumnTalker);
    if (columnId == "Formatter")
        return N183MsgText::listText(*sentence, ListColumnFormatter);
    if (columnId == "Name")
        return sentence->name();
    if (columnId == "Size")
        return N183MsgText::listText(*sentence, ListColumnSize);
    if (columnId == "Data")
        return N183MsgText::listText(*sentence, ListColumnData);
    return {};
}

N183MsgHeaderGridTableAdapter::N183MsgHeaderGridTableAdapter(const N183ParsedSentence* sentence)
    : TitleGridTable("N183 Message", N183MsgText::kTitleRowCount), sentence(sentence)
{
}

std::string N183MsgHeaderGridTableAdapter::getRowId(std::uint32_t row) const { return rowText(row); }

std::string N183MsgHeaderGridTableAdapter::rowText(std::uint32_t row) const { return N183MsgText::titleRow(*sentence, row); }

N183MsgFieldsGridTableAdapter::N183MsgFieldsGridTableAdapter(const N183ParsedSentence* sentence)
    : GridTable(kFieldsTableName, "N183 message fields"), sentence(sentence)
{
    for (unsigned column = 0; column < N183MsgText::kColumnCount; ++column)
        columnIds.push_back(N183MsgText::columnName(column));
}

std::uint32_t N183MsgFieldsGridTableAdapter::getRowCount() const
{
    return static_cast<std::uint32_t>(sentence->fieldInfos().size());
}

std::uint32_t N183MsgFieldsGridTableAdapter::getColumnCount() const { return N183MsgText::kColumnCount; }

std::string N183MsgFieldsGridTableAdapter::getColumnId(std::uint32_t column) const { return N183MsgText::columnName(column); }

std::string N183MsgFieldsGridTableAdapter::getCellText(std::uint32_t row, const std::string& columnId) const
{
    return N183MsgText::cellText(*sentence, row, columnId);
}

N183MsgGridAdapter::N183MsgGridAdapter(const KorvBuf& bytes, const ZRLElement* element)
    : Grid("NMEA 0183 Message"), text(recordOf(bytes)), parsed(std::make_unique<N183ParsedSentence>(text)), owner(element)
{
    addTable(std::make_shared<N183MsgListViewGridTable>(parsed.get(), owner));
    addTable(std::make_shared<N183MsgHeaderGridTableAdapter>(parsed.get()));
    addTable(std::make_shared<N183MsgFieldsGridTableAdapter>(parsed.get()));
}

} // namespace KelpLib
