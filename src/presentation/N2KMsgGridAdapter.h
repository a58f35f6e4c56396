#pragma once

#include "grid/Grid.h"
#include "grid/GridTable.h"
#include "messages/ListViewGridTable.h"
#include "messages/N2KMsg.h"
#include "messages/TitleGridTable.h"

#include <cstdint>
#include <memory>
#include <string>

namespace KelpLib {

class KorvBuf;
class ZRLElement;

// "list"/"N2K Message": the message as a line of the message list, "Line", "Timestamp", "Type",
// "PGN", "Name", "Src", "Dest", "Pri", "Size", "Data" ("Line" and "Type" stay empty).
class N2KMsgListViewGridTable : public ListViewGridTable {
public:
    N2KMsgListViewGridTable(const N2KMsg* message, const ZRLElement* element);

    // "Timestamp" takes the element's time colour when there is an element; every other column,
    // and "Timestamp" without an element, the colour of the NMEA 2000 variant.
    bool getColumnTraits(const std::string& columnId, CommonLib::GridCellTraits& traits) const override;

protected:
    std::string columnText(const std::string& columnId) const override;

private:
    const N2KMsg* message;
    const ZRLElement* element;
};

// "title"/"N2K Message": the PGN, its name, and addresses, priority and field count.
class N2KMsgTitleGridTable : public TitleGridTable {
public:
    explicit N2KMsgTitleGridTable(const N2KMsg* message);

protected:
    std::string rowText(std::uint32_t row) const override;

private:
    const N2KMsg* message;
};

// "fields"/"N2K PGN Fields": one row per field of the message, in plain and in converted units.
// The row count is the message's field count when the table is made.
class N2KMsgFieldsGridTableAdapter : public CommonLib::GridTable {
public:
    explicit N2KMsgFieldsGridTableAdapter(const N2KMsg* message);

    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;

private:
    const N2KMsg* message;
};

// The details grid of one NMEA 2000 message: list, title and fields tables over the adapter's
// own copy of the message. The element, when given, is only asked for its time colour and
// must outlive the adapter.
class N2KMsgGridAdapter : public CommonLib::Grid {
public:
    // The element is not owned and may be null.
    N2KMsgGridAdapter(const KorvBuf& bytes, const ZRLElement* element);
    explicit N2KMsgGridAdapter(const N2KMsg& message, const ZRLElement* element = nullptr);

    const N2KMsg& message() const { return *msg; }
    const ZRLElement* element() const { return owner; }

private:
    void addTables();

    std::unique_ptr<N2KMsg> msg;
    const ZRLElement* owner;
};

} // namespace KelpLib
