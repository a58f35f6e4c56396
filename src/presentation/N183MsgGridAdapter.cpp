#include "presentation/N183MsgGridAdapter.h"

#include "log/ZRLElement.h"
#include "messages/GridAdapterTexts.h"
#include "messages/KorvBuf.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace KelpLib {

namespace {

// The bytes' record, or an empty one for a buffer without a record.
ByteBuffer bufferOf(const KorvBuf& bytes)
{
    static const ByteBuffer none;
    return bytes.buffer() ? *bytes.buffer() : none;
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

N183MsgListViewGridTable::N183MsgListViewGridTable(const N183Msg* message, const ZRLElement* element)
    : ListViewGridTable("N183 Message", {"Line", "Timestamp", "Talker", "Formatter", "Name", "Size", "Data"}),
      message(message), element(element)
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
        return message->listText(ListColumnTalker);
    if (columnId == "Formatter")
        return message->listText(ListColumnFormatter);
    // The message list leaves the name out; the details show it.
    if (columnId == "Name")
        return message->name();
    if (columnId == "Size")
        return message->listText(ListColumnSize);
    if (columnId == "Data")
        return message->listText(ListColumnData);
    return {};
}

N183MsgHeaderGridTableAdapter::N183MsgHeaderGridTableAdapter(const N183Msg* message)
    : TitleGridTable("N183 Message", message->titleRowCount()), message(message)
{
}

std::string N183MsgHeaderGridTableAdapter::getRowId(std::uint32_t row) const { return rowText(row); }

std::string N183MsgHeaderGridTableAdapter::rowText(std::uint32_t row) const { return message->titleRow(row); }

N183MsgFieldsGridTableAdapter::N183MsgFieldsGridTableAdapter(const N183Msg* message)
    : GridTable(kFieldsTableName, "N183 message fields"), message(message)
{
    for (std::uint32_t column = 0; column < message->columnCount(); ++column)
        columnIds.push_back(message->columnName(column));
}

std::uint32_t N183MsgFieldsGridTableAdapter::getRowCount() const { return message->rowCount(); }

std::uint32_t N183MsgFieldsGridTableAdapter::getColumnCount() const { return message->columnCount(); }

std::string N183MsgFieldsGridTableAdapter::getColumnId(std::uint32_t column) const { return message->columnName(column); }

std::string N183MsgFieldsGridTableAdapter::getCellText(std::uint32_t row, const std::string& columnId) const
{
    return message->cellText(row, columnId);
}

N183MsgGridAdapter::N183MsgGridAdapter(const KorvBuf& bytes, const ZRLElement* element)
    : Grid("NMEA 0183 Message"), msg(std::make_unique<N183Msg>(bufferOf(bytes))), owner(element)
{
    addTables();
}

N183MsgGridAdapter::N183MsgGridAdapter(const N183Msg& message, const ZRLElement* element)
    : Grid("NMEA 0183 Message"), msg(std::make_unique<N183Msg>(message)), owner(element)
{
    addTables();
}

void N183MsgGridAdapter::addTables()
{
    addTable(std::make_shared<N183MsgListViewGridTable>(msg.get(), owner));
    addTable(std::make_shared<N183MsgHeaderGridTableAdapter>(msg.get()));
    addTable(std::make_shared<N183MsgFieldsGridTableAdapter>(msg.get()));
}

} // namespace KelpLib
