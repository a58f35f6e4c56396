#include "messages/BemMsgGridAdapter.h"

#include "common/ErrorCatalogue.h"
#include "common/SafeFormat.h"
#include "common/ByteFormat.h"
#include "messages/CellMetaData.h"
#include "messages/GridAdapterTexts.h"
#include "messages/TimeOfDayText.h"

using CommonLib::safeFormat;

namespace KelpLib {

namespace {

constexpr const char* kTableTitle = "BEM Message";
constexpr std::size_t kErrorTextLimit = 100;

std::shared_ptr<const BSTMsg> messageOf(const KorvBuf& bytes)
{
    static const ByteBuffer none;
    return std::make_shared<const BSTMsg>(bytes.buffer() ? *bytes.buffer() : none);
}

} // namespace

BemListViewGridTable::BemListViewGridTable(const KorvBuf* bytes, std::shared_ptr<const BSTMsg> message)
    : ListViewGridTable(kTableTitle, {"Line", "Timestamp", "PGN", "Name", "Src", "Dest", "Pri", "Size", "Data"}),
      bytes(bytes), message(std::move(message))
{
}

std::string BemListViewGridTable::columnText(const std::string& columnId) const
{
    if (columnId == "Name")
        return message->name();
    if (columnId == "Timestamp")
        return timeOfDayText(bytes->time());
    if (columnId == "Size")
        return safeFormat("%3d", static_cast<int>(message->payloadSize()));
    if (columnId == "Data")
        return hexDump(message->payload().data(), message->payloadSize(), nullptr, " ");
    return {};
}

BemTitleGridTable::BemTitleGridTable(std::shared_ptr<const BSTMsg> message)
    : TitleGridTable(kTableTitle, 4), message(std::move(message))
{
}

std::string BemTitleGridTable::rowText(std::uint32_t row) const
{
    switch (row) {
    case 0: return safeFormat("%s (%s)", message->name().c_str(), message->idText().c_str());
    case 1: return message->description();
    case 2: return safeFormat("%s, %u data fields", message->sourceText().c_str(), message->fieldCount());
    case 3: {
        const std::int32_t code = message->errorCode();
        if (code == 0)
            return {};
        const std::string meaning = std::string(CommonLib::errorMessage(code)).substr(0, kErrorTextLimit);
        return safeFormat(code < 0 ? "Error code %i" : "Warning code %i", code) + meaning;
    }
    default: return kBadRowText;
    }
}

BemFieldsGridTableAdapter::BemFieldsGridTableAdapter(std::shared_ptr<const BSTMsg> message)
    : GridTable(kFieldsTableName, "BEM data payload"), message(std::move(message))
{
    columnIds = {"Field", "Name", "Data", "Units"};
    setRowCount(this->message->rowCount());
}

std::string BemFieldsGridTableAdapter::getCellText(std::uint32_t row, const std::string& columnId) const
{
    if (row >= getRowCount())
        return kRowOutOfRangeText;
    const BemFieldEntry* entry = message->fieldEntry(row);
    if (!entry)
        return "No field info";
    if (columnId == "Field")
        return safeFormat("%u", entry->ordinal);
    if (columnId == "Name")
        return BSTMsg::entryName(*entry);
    if (columnId == "Data")
        return message->valueText(*entry);
    if (columnId == "Units")
        return {};
    return kColumnOutOfRangeText;
}

std::string BemFieldsGridTableAdapter::getCellMetaData(std::uint32_t row, std::uint32_t column) const
{
    return cellMetaData(row, column, getRowCount(), getColumnCount());
}

BemMsgGridAdapter::BemMsgGridAdapter(const KorvBuf& source)
    : Grid("BemMsg"), copy(std::make_unique<KorvBuf>(source)), bem(messageOf(*copy))
{
    addTable(std::make_shared<BemListViewGridTable>(copy.get(), bem));
    addTable(std::make_shared<BemTitleGridTable>(bem));
    addTable(std::make_shared<BemFieldsGridTableAdapter>(bem));
}

} // namespace KelpLib
