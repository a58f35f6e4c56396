#pragma once

#include "grid/Grid.h"
#include "grid/GridTable.h"
#include "messages/KorvBuf.h"
#include "messages/ListViewGridTable.h"
#include "messages/TitleGridTable.h"
#include "n2k/LibN2K.h"

#include <cstdint>
#include <memory>
#include <string>

namespace KelpLib {

class N2KMsgGridAdapter;
class ZRLElement;

// "list"/"BST95 Message": the frame as a line of the message list, "Line", "Timestamp", "Type",
// "PGN", "Name", "Src", "Dest", "Pri", "Size", "Data" ("Line" stays empty).
class BST95MsgListViewGridTable : public ListViewGridTable {
public:
    BST95MsgListViewGridTable(const KorvBuf* frame, const StandardsLib::LibN2KPGN* pgn, bool single,
                              const ZRLElement* element);

    // "Timestamp" takes the element's time colour when there is an element; otherwise green for
    // a single-frame PGN and the CAN frame variant's colour for a fast-packet one.
    bool getColumnTraits(const std::string& columnId, CommonLib::GridCellTraits& traits) const override;

protected:
    std::string columnText(const std::string& columnId) const override;

private:
    const KorvBuf* frame;
    const StandardsLib::LibN2KPGN* pgn;
    bool single;
    const ZRLElement* element;
};

// "title"/"N2K Message": PGN, name, addresses with priority and size, single or fast with the
// frame's own millisecond time.
class BST95MsgTitleGridTable : public TitleGridTable {
public:
    BST95MsgTitleGridTable(const KorvBuf* frame, const StandardsLib::LibN2KPGN* pgn, bool single);

protected:
    std::string rowText(std::uint32_t row) const override;

private:
    const KorvBuf* frame;
    const StandardsLib::LibN2KPGN* pgn;
    bool single;
};

// "fields"/"BST 95 data payload": the fields of a single-frame message (the NMEA 2000 fields
// table of the sub-adapter), or the payload byte by byte ("Offset", "Decimal", "Hex") for a
// frame of a fast-packet transfer.
class BST95MsgFieldsGridTableAdapter : public CommonLib::GridTable {
public:
    BST95MsgFieldsGridTableAdapter(const KorvBuf* frame, std::shared_ptr<CommonLib::IGridTable> n2kFields);

    std::uint32_t getColumnCount() const override;
    std::string getColumnId(std::uint32_t column) const override;
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;
    std::string getCellMetaData(std::uint32_t row, std::uint32_t column) const override;

private:
    const KorvBuf* frame;
    std::shared_ptr<CommonLib::IGridTable> n2kFields;
};

// The details grid of one BST 0x95 CAN frame, over the adapter's own copy of the bytes. A frame
// of a single-frame PGN is a whole NMEA 2000 message and also gets an NMEA 2000 adapter, whose
// fields table this grid shows. The element, when given, must outlive the adapter.
class BST95MsgGridAdapter : public CommonLib::Grid {
public:
    // The element is not owned and may be null.
    BST95MsgGridAdapter(const KorvBuf& bytes, const ZRLElement* element);
    ~BST95MsgGridAdapter() override;

    // True when the database has a definition for the frame's PGN and marks it single-frame; a
    // PGN without a definition counts as fast-packet.
    bool singleFrame() const { return single; }
    const KorvBuf& frame() const { return *bytes; }
    const StandardsLib::LibN2KPGN& pgn() const { return handle; }
    // Null for a fast-packet PGN.
    std::shared_ptr<N2KMsgGridAdapter> n2kAdapter() const { return subAdapter; }

private:
    std::unique_ptr<KorvBuf> bytes;
    const ZRLElement* owner;
    StandardsLib::LibN2KPGN handle;
    bool single;
    std::shared_ptr<N2KMsgGridAdapter> subAdapter;
};

} // namespace KelpLib
