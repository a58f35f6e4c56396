#pragma once

#include "grid/Grid.h"
#include "grid/GridTable.h"
#include "messages/N2KMsg.h"

#include <cstdint>
#include <memory>
#include <string>

namespace KelpLib {

class KorvBuf;
class ZRLElement;

// The one-row list table: the message as a line of the message list.
class N2KMsgListViewGridTable : public CommonLib::GridTable {
public:
    N2KMsgListViewGridTable(const N2KMsg* message, const ZRLElement* element);

    // "Timestamp" takes the element's time colour when there is an element; every other column,
    // and "Timestamp" without an element, the colour of the NMEA 2000 variant.
    bool getColumnTraits(const std::string& columnId, CommonLib::GridCellTraits& traits) const override;
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;

private:
    const N2KMsg* message;
    const ZRLElement* element;
};

// Three lines about the message: its PGN, its name, and addresses, priority and field count.
class N2KMsgTitleGridTable : public CommonLib::GridTable {
public:
    explicit N2KMsgTitleGridTable(const N2KMsg* message);

    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;

private:
    const N2KMsg* message;
};

// One row per field of the message, in plain and in converted units.
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
    // `mostDerived` says that this constructor builds the complete object; the self-reference
    // of the shared-from-this base is filled by std::make_shared either way.
    N2KMsgGridAdapter(const KorvBuf& bytes, const ZRLElement* element, bool mostDerived);
    N2KMsgGridAdapter(const N2KMsg& message, const ZRLElement* element, bool mostDerived);

    const N2KMsg& message() const { return *msg; }
    const ZRLElement* element() const { return owner; }

private:
    void addTables();

    std::unique_ptr<N2KMsg> msg;
    const ZRLElement* owner;
};

} // namespace KelpLib
