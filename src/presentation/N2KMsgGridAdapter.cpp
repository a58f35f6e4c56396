#include "presentation/N2KMsgGridAdapter.h"

#include "grid/GridCellTraits.h"
#include "common/SafeFormat.h"
#include "log/MsgVariant.h"
#include "log/ZRLElement.h"
#include "messages/GridAdapterTexts.h"
#include "messages/KorvBuf.h"
#include "messages/TimeOfDayText.h"

namespace KelpLib {

using CommonLib::safeFormat;

namespace {

const ByteBuffer& bufferOf(const KorvBuf& bytes)
{
    static const ByteBuffer none;
    return bytes.buffer() ? *bytes.buffer() : none;
}

} // namespace

N2KMsgListViewGridTable::N2KMsgListViewGridTable(const N2KMsg* message, const ZRLElement* element)
    : ListViewGridTable("N2K Message", {"Line", "Timestamp", "Type", "PGN", "Name", "Src", "Dest", "Pri", "Size", "Data"}),
      message(message), element(element)
{
}

bool N2KMsgListViewGridTable::getColumnTraits(const std::string& columnId, CommonLib::GridCellTraits& traits) const
{
    if (columnId == "Timestamp" && element)
        return element->cellColour(columnId, traits);
    traits.setColour(MsgVariantToColour(VariantN2k));
    return true;
}

std::string N2KMsgListViewGridTable::columnText(const std::string& columnId) const
{
    if (columnId == "PGN")
        return message->pgnText(false);
    if (columnId == "Src")
        return message->sourceText(false);
    if (columnId == "Dest")
        return message->destinationText(false);
    if (columnId == "Name")
        return message->pgnName();
    if (columnId == "Timestamp")
        return timeOfDayText(message->timeWord());
    if (columnId == "Pri")
        return message->priorityText(false);
    if (columnId == "Size")
        return message->lengthText(false);
    if (columnId == "Data")
        return message->payloadText(true, false);
    return {};
}

N2KMsgTitleGridTable::N2KMsgTitleGridTable(const N2KMsg* message) : TitleGridTable("N2K Message", 3), message(message) {}

std::string N2KMsgTitleGridTable::rowText(std::uint32_t row) const
{
    switch (row) {
    case 0: return safeFormat("PGN %06u / %05X", message->pgn, message->pgn);
    case 1: return message->pgnName();
    case 2: {
        std::string text = safeFormat("Source Address %u to %u", message->source, message->destination);
        if (message->destination > 254)
            text += " (Global)";
        return text + safeFormat(", Priority %u, %u data fields", message->priority, message->fieldCount());
    }
    default: return kBadRowText;
    }
}

N2KMsgFieldsGridTableAdapter::N2KMsgFieldsGridTableAdapter(const N2KMsg* message)
    : GridTable(kFieldsTableName, "N2K PGN Fields"), message(message)
{
    columnIds = {"Field", "Name", "Data", "Units", "User Data", "User Units"};
    setRowCount(message->fieldCount());
}

std::string N2KMsgFieldsGridTableAdapter::getCellText(std::uint32_t row, const std::string& columnId) const
{
    if (row >= getRowCount())
        return kRowOutOfRangeText;
    const StandardsLib::N2KFieldInfo* field = message->fieldInfo(row);
    if (!field)
        return "Bad field row";
    if (columnId == "Field")
        return field->ordinalText();
    if (columnId == "Name")
        return field->name();
    if (columnId == "Data")
        return field->valueText(false);
    if (columnId == "Units")
        return field->unitsText(false);
    if (columnId == "User Data")
        return field->valueText(true);
    if (columnId == "User Units")
        return field->unitsText(true);
    return kColumnOutOfRangeText;
}

N2KMsgGridAdapter::N2KMsgGridAdapter(const KorvBuf& bytes, const ZRLElement* element)
    : Grid("NMEA 2000 Message"), msg(std::make_unique<N2KMsg>(bufferOf(bytes))), owner(element)
{
    addTables();
}

N2KMsgGridAdapter::N2KMsgGridAdapter(const N2KMsg& message, const ZRLElement* element)
    : Grid("NMEA 2000 Message"), msg(std::make_unique<N2KMsg>(message)), owner(element)
{
    addTables();
}

void N2KMsgGridAdapter::addTables()
{
    addTable(std::make_shared<N2KMsgListViewGridTable>(msg.get(), owner));
    addTable(std::make_shared<N2KMsgTitleGridTable>(msg.get()));
    addTable(std::make_shared<N2KMsgFieldsGridTableAdapter>(msg.get()));
}

} // namespace KelpLib
