#include "presentation/BST95MsgGridAdapter.h"

#include "grid/GridCellTraits.h"
#include "common/SafeFormat.h"
#include "log/MsgVariant.h"
#include "log/ZRLElement.h"
#include "common/ByteFormat.h"
#include "messages/CanPacket.h"
#include "messages/CellMetaData.h"
#include "messages/GridAdapterTexts.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "messages/TimeOfDayText.h"

namespace KelpLib {

using CommonLib::safeFormat;

namespace {

// Text colour of a single-frame PGN's frame when no element decides: green.
constexpr std::uint32_t singleFrameColour = 0x008000;

const ByteBuffer& bufferOf(const KorvBuf& bytes)
{
    static const ByteBuffer none;
    return bytes.buffer() ? *bytes.buffer() : none;
}

std::string threeDigits(std::uint32_t value) { return safeFormat("%3d", static_cast<int>(value)); }

std::string payloadHex(const ByteBuffer& frame)
{
    return hexDump(canPacketPayload(frame), canPacketPayloadLength(frame), nullptr, " ");
}

StandardsLib::LibN2KPGN handleOf(const KorvBuf& bytes)
{
    return StandardsLib::LibN2KPGN(canPacketPgn(bufferOf(bytes)));
}

// A handle bound to a PGN without a definition rests on the first row, whose transport marks
// say nothing about this PGN: only a definition of its own makes a frame single.
bool isSingleFrame(const StandardsLib::LibN2KPGN& handle)
{
    return StandardsLib::theLibN2K().findPgn(handle.pgn()) != nullptr && handle.isSingleFrame();
}

} // namespace

BST95MsgListViewGridTable::BST95MsgListViewGridTable(const KorvBuf* frame, const StandardsLib::LibN2KPGN* pgn,
                                                     bool single, const ZRLElement* element)
    : ListViewGridTable("BST95 Message", {"Line", "Timestamp", "Type", "PGN", "Name", "Src", "Dest", "Pri", "Size", "Data"}),
      frame(frame), pgn(pgn), single(single), element(element)
{
}

bool BST95MsgListViewGridTable::getColumnTraits(const std::string& columnId, CommonLib::GridCellTraits& traits) const
{
    if (columnId == "Timestamp" && element)
        return element->cellColour(columnId, traits);
    traits.setColour(single ? singleFrameColour : MsgVariantToColour(VariantCanFrame));
    return true;
}

std::string BST95MsgListViewGridTable::columnText(const std::string& columnId) const
{
    const ByteBuffer& bytes = bufferOf(*frame);
    if (columnId == "Type")
        return single ? "SINGLE" : "FAST";
    if (columnId == "PGN")
        return safeFormat("%6d", static_cast<int>(canPacketPgn(bytes)));
    if (columnId == "Src")
        return threeDigits(canPacketSource(bytes));
    if (columnId == "Dest")
        return threeDigits(canPacketDestination(bytes));
    if (columnId == "Pri")
        return threeDigits(canPacketPriority(bytes));
    if (columnId == "Size")
        return threeDigits(canPacketPayloadLength(bytes));
    if (columnId == "Name")
        return pgn->name();
    if (columnId == "Timestamp")
        return timeOfDayText(frame->time());
    if (columnId == "Data")
        return payloadHex(bytes);
    return {};
}

BST95MsgTitleGridTable::BST95MsgTitleGridTable(const KorvBuf* frame, const StandardsLib::LibN2KPGN* pgn, bool single)
    : TitleGridTable("N2K Message", 4), frame(frame), pgn(pgn), single(single)
{
}

std::string BST95MsgTitleGridTable::rowText(std::uint32_t row) const
{
    const ByteBuffer& bytes = bufferOf(*frame);
    const std::uint32_t number = canPacketPgn(bytes);
    switch (row) {
    case 0: return safeFormat("PGN %06u / %05X", number, number);
    case 1: return StandardsLib::theLibN2K().findPgn(number) ? std::string(pgn->name()) : "PGN Unknown";
    case 2: {
        const std::uint8_t destination = canPacketDestination(bytes);
        std::string text = safeFormat("Source Address %u to %u", canPacketSource(bytes), destination);
        if (destination == 255)
            text += " (Global)";
        return text + safeFormat(", Priority %u, %u data bytes", canPacketPriority(bytes), canPacketPayloadLength(bytes));
    }
    case 3:
        return std::string(single ? "Single-Packet" : "Fast-Packet") +
               safeFormat(", Timestamp %u milliseconds", canPacketTime(bytes));
    default: return kBadRowText;
    }
}

BST95MsgFieldsGridTableAdapter::BST95MsgFieldsGridTableAdapter(const KorvBuf* frame,
                                                               std::shared_ptr<CommonLib::IGridTable> n2kFields)
    : GridTable(kFieldsTableName, "BST 95 data payload"), frame(frame), n2kFields(std::move(n2kFields))
{
    if (this->n2kFields) {
        setRowCount(this->n2kFields->getRowCount());
    } else {
        columnIds = {"Offset", "Decimal", "Hex"};
        setRowCount(canPacketPayloadLength(bufferOf(*frame)));
    }
}

std::uint32_t BST95MsgFieldsGridTableAdapter::getColumnCount() const
{
    return n2kFields ? n2kFields->getColumnCount() : GridTable::getColumnCount();
}

std::string BST95MsgFieldsGridTableAdapter::getColumnId(std::uint32_t column) const
{
    return n2kFields ? n2kFields->getColumnId(column) : GridTable::getColumnId(column);
}

std::string BST95MsgFieldsGridTableAdapter::getCellText(std::uint32_t row, const std::string& columnId) const
{
    if (n2kFields)
        return n2kFields->getCellText(row, columnId);
    if (row >= getRowCount())
        return kRowOutOfRangeText;
    const std::uint8_t byte = canPacketPayload(bufferOf(*frame))[row];
    if (columnId == "Offset")
        return std::to_string(row + 1);
    if (columnId == "Decimal")
        return std::to_string(byte);
    if (columnId == "Hex")
        return safeFormat("%02X", byte);
    return columnId + " Unknown";
}

std::string BST95MsgFieldsGridTableAdapter::getCellMetaData(std::uint32_t row, std::uint32_t column) const
{
    return cellMetaData(row, column, getRowCount(), getColumnCount());
}

namespace {

std::string gridNameOf(const StandardsLib::LibN2KPGN& handle)
{
    return isSingleFrame(handle) ? "NMEA 2000 Single-packet message" : "NMEA 2000 Fast-packet message";
}

} // namespace

BST95MsgGridAdapter::BST95MsgGridAdapter(const KorvBuf& frameBytes, const ZRLElement* element)
    : Grid(gridNameOf(handleOf(frameBytes))), bytes(std::make_unique<KorvBuf>(frameBytes)), owner(element),
      handle(handleOf(frameBytes)), single(isSingleFrame(handle))
{
    std::shared_ptr<CommonLib::IGridTable> n2kFields;
    if (single) {
        subAdapter = std::make_shared<N2KMsgGridAdapter>(*bytes, owner);
        n2kFields = subAdapter->findTable("fields");
    }
    addTable(std::make_shared<BST95MsgListViewGridTable>(bytes.get(), &handle, single, owner));
    addTable(std::make_shared<BST95MsgTitleGridTable>(bytes.get(), &handle, single));
    addTable(std::make_shared<BST95MsgFieldsGridTableAdapter>(bytes.get(), n2kFields));
}

BST95MsgGridAdapter::~BST95MsgGridAdapter() = default;

} // namespace KelpLib
