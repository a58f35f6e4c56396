#pragma once

#include "messages/BemFieldWalk.h"
#include "messages/BemHeader.h"
#include "messages/BemTypes.h"
#include "common/ByteBuffer.h"
#include "messages/IGridRender.h"
#include "messages/IListRender.h"
#include "messages/KorvBuf.h"
#include "messages/ListColumn.h"

#include <cstdint>
#include <string>
#include <vector>

namespace KelpLib {

// One message of the maker's serial protocol: a BEM response (with the device's model,
// serial number and error code), a BEM command, or a plain BST message. It keeps its own copy
// of the bytes, finds itself in the BEM dictionary and lays the dictionary's fields over its
// payload, each on first use. It renders itself as six title rows, a three-column field table
// ("Fld", "Name", "Data") and list cells.
//
// Field entries and the payload view point into this object, so it is neither copied nor
// moved; share it instead.
class BSTMsg : public IGridRender, public IListRender {
public:
    explicit BSTMsg(const ByteBuffer& message);
    BSTMsg(const BSTMsg&) = delete;
    BSTMsg& operator=(const BSTMsg&) = delete;
    ~BSTMsg() override;

    const KorvBuf& bytes() const { return message; }
    const BemHeader& header() const;
    bool isResponse() const;
    bool isCommand() const;
    bool isPlainBst() const;
    // The dictionary record, null for a message the dictionary lacks (or hides).
    const BemDictEntry* dictEntry() const;

    // The record's name, or "BST/BEM Unknown".
    std::string name() const;
    // "BEM Response 0x%X::%u", "BEM Command 0x%X::%u" or "BST 0x%X"; empty when unknown.
    std::string idText() const;
    // The record's description, or "Unknown".
    std::string description() const;
    // "<model name>, Serial ID %u" for a response, "Application" for a command, "Unknown
    // Model ID" for a plain message; empty when unknown.
    std::string sourceText() const;
    // The response's error code; 0 for commands and plain messages.
    std::int32_t errorCode() const;

    // A view of the payload bytes inside this message (not a copy).
    const KorvBuf& payload() const;
    std::uint32_t payloadSize() const;

    std::uint32_t fieldCount() const;
    // Null at or beyond the field count.
    const BemFieldEntry* fieldEntry(std::uint32_t index) const;
    // "%u" of the ordinal outside a group, "%u.%u.%u" (ordinal, round, position) inside one.
    static std::string ordinalText(const BemFieldEntry& entry);
    // The entry's name, or "Message exhausted".
    static std::string entryName(const BemFieldEntry& entry);
    // The value text of the entry's field over this message's payload.
    std::string valueText(const BemFieldEntry& entry) const;

    // Appends the list columns of a log in which BST and BEM messages predominate.
    static void listColumns(std::vector<ListColumn>& out);

    // IGridRender
    std::uint32_t titleRowCount() const override;
    std::string titleRow(std::uint32_t row) const override;
    std::uint32_t rowCount() const override;
    std::uint32_t columnCount() const override;
    std::string rowHeader(std::uint32_t row) const override;
    std::string columnName(std::uint32_t column) const override;
    std::string cellText(std::uint32_t row, const std::string& columnName) const override;

    // IListRender: 5 the name, 7 "Interval??", 8 the message's byte count, 9 its hex dump.
    std::string listText(const ListColumn& column) const override;

private:
    void parseHeader() const;
    void lookUp() const;
    void buildFields() const;

    KorvBuf message;
    mutable KorvBuf payloadView;
    mutable std::vector<BemFieldEntry> entries;
    mutable bool lookedUp = false;
    mutable bool headerParsed = false;
    mutable bool fieldsBuilt = false;
    mutable BstMessageKind kind = BstMessageKind::PlainBst;
    mutable BemHeader bemHeader;
    mutable std::uint32_t payloadLength = 0;
    mutable const BemDictEntry* entry = nullptr;
};

} // namespace KelpLib
