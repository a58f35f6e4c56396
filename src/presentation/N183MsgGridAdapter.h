#pragma once

#include "grid/Grid.h"
#include "grid/GridTable.h"
#include "messages/KorvBuf.h"
#include "messages/ListViewGridTable.h"
#include "messages/N183Msg.h"
#include "messages/TitleGridTable.h"

#include <cstdint>
#include <memory>
#include <string>

namespace KelpLib {

class ZRLElement;

// "list"/"N183 Message": "Line", "Timestamp", "Talker", "Formatter", "Name", "Size", "Data";
// only row 0 has texts. "Timestamp" is the element's time text; an adapter made without an
// element shows the current UTC time of day as "%02u:%02u:%02u:%03u" instead.
class N183MsgListViewGridTable : public ListViewGridTable {
public:
    N183MsgListViewGridTable(const N183Msg* message, const ZRLElement* element);

    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;

protected:
    std::string columnText(const std::string& columnId) const override;

private:
    const N183Msg* message;
    const ZRLElement* element;
};

// "title"/"N183 Message": the sentence's four title rows, which also serve as row ids.
class N183MsgHeaderGridTableAdapter : public TitleGridTable {
public:
    explicit N183MsgHeaderGridTableAdapter(const N183Msg* message);

    std::string getRowId(std::uint32_t row) const override;

protected:
    std::string rowText(std::uint32_t row) const override;

private:
    const N183Msg* message;
};

// "fields"/"N183 message fields": one row per field the sentence library lays over the
// sentence, columns "Field", "Name", "Data", "Units".
class N183MsgFieldsGridTableAdapter : public CommonLib::GridTable {
public:
    explicit N183MsgFieldsGridTableAdapter(const N183Msg* message);

    std::uint32_t getRowCount() const override;
    std::uint32_t getColumnCount() const override;
    std::string getColumnId(std::uint32_t column) const override;
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;

private:
    const N183Msg* message;
};

// The grid of one NMEA 0183 sentence: list, title and fields tables over the adapter's own
// copy of the message, whose render operations answer every cell. A text of 300 bytes or more
// is not taken: the adapter shows an empty sentence.
class N183MsgGridAdapter : public CommonLib::Grid {
public:
    // The element is not owned and may be null; it must outlive the adapter.
    explicit N183MsgGridAdapter(const KorvBuf& bytes, const ZRLElement* element = nullptr);
    N183MsgGridAdapter(const N183Msg& message, const ZRLElement* element);

    const N183Msg& message() const { return *msg; }
    const ZRLElement* element() const { return owner; }

private:
    void addTables();

    std::unique_ptr<N183Msg> msg;
    const ZRLElement* owner;
};

// The current time of day in UTC as "%02u:%02u:%02u:%03u".
std::string currentUtcTimeText();

} // namespace KelpLib
