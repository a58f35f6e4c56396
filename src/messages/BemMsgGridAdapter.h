#pragma once

#include "grid/Grid.h"
#include "grid/GridTable.h"
#include "messages/BSTMsg.h"
#include "messages/KorvBuf.h"
#include "messages/ListViewGridTable.h"
#include "messages/TitleGridTable.h"

#include <cstdint>
#include <memory>
#include <string>

namespace KelpLib {

// "list"/"BEM Message": "Line", "Timestamp", "PGN", "Name", "Src", "Dest", "Pri", "Size",
// "Data". "Name" is the message name, "Timestamp" the time of day of the bytes' time word,
// "Size" the payload size ("%3d") and "Data" the payload's hex dump; the others are empty.
class BemListViewGridTable : public ListViewGridTable {
public:
    BemListViewGridTable(const KorvBuf* bytes, std::shared_ptr<const BSTMsg> message);

protected:
    std::string columnText(const std::string& columnId) const override;

private:
    const KorvBuf* bytes;
    std::shared_ptr<const BSTMsg> message;
};

// "title"/"BEM Message", four rows: "<name> (<id text>)", the description, "<source>, %u
// data fields", and the error ("Error code %i") or warning ("Warning code %i") code run
// together with its catalogue text (at most 100 characters), empty for code 0.
class BemTitleGridTable : public TitleGridTable {
public:
    explicit BemTitleGridTable(std::shared_ptr<const BSTMsg> message);

protected:
    std::string rowText(std::uint32_t row) const override;

private:
    std::shared_ptr<const BSTMsg> message;
};

// "fields"/"BEM data payload": the message's field table with the columns "Field", "Name",
// "Data", "Units" (always empty). Rows are the message's row count: its field entries, or
// the payload bytes of a message without any, whose rows answer "No field info".
class BemFieldsGridTableAdapter : public CommonLib::GridTable {
public:
    explicit BemFieldsGridTableAdapter(std::shared_ptr<const BSTMsg> message);

    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;
    std::string getCellMetaData(std::uint32_t row, std::uint32_t column) const override;

private:
    std::shared_ptr<const BSTMsg> message;
};

// The grid of one BEM or BST message over the adapter's own copy of the bytes.
class BemMsgGridAdapter : public CommonLib::Grid {
public:
    explicit BemMsgGridAdapter(const KorvBuf& bytes);

    const KorvBuf& bytes() const { return *copy; }
    const BSTMsg& message() const { return *bem; }

private:
    std::unique_ptr<KorvBuf> copy;
    std::shared_ptr<const BSTMsg> bem;
};

} // namespace KelpLib
