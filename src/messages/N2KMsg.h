#pragma once

#include "common/ByteBuffer.h"
#include "messages/IGridRender.h"
#include "messages/IListRender.h"
#include "messages/IMessage.h"
#include "messages/ListColumn.h"
#include "messages/N2KMsg_s.h"
#include "n2k/LibN2KTables.h"
#include "n2k/N2KFieldInfo.h"
#include "n2k/N2KPayload.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace KelpLib {

// One NMEA 2000 message: the header and payload decoded from a BST message, and on demand the
// list of its fields laid over the payload against the PGN database. It renders itself as
// title rows and a field table, as list cells, as a key text, as a re-encoded BST message and
// through a grid adapter made once and then shared.
//
// The field entries point at this object's own payload view, so a copy never takes them over:
// it starts without a field list and builds its own when asked. Moving is copying.
class N2KMsg : public N2KMsg_s, public IGridRender, public IListRender, public StandardsLib::IMessage {
public:
    N2KMsg();
    // Decodes the header; a message that does not decode is invalid, with time and length 0.
    explicit N2KMsg(const ByteBuffer& message);
    N2KMsg(const N2KMsg& other);
    N2KMsg& operator=(const N2KMsg& other);
    ~N2KMsg() override;

    bool valid() const { return isValid; }
    // The header decode's result: 0, bstWrongLength or bstUnknownCommand.
    std::int32_t decodeResult() const { return result; }
    std::uint32_t timeWord() const { return time; }
    std::uint32_t pgnNumber() const { return pgn; }
    std::uint32_t payloadLength() const { return length; }
    const std::uint8_t* payload() const { return data; }

    // These build the field list on first use.
    std::uint32_t fieldCount() const;
    // Null when the index is at or beyond the field count.
    const StandardsLib::N2KFieldInfo* fieldInfo(std::uint32_t index) const;
    // The PGN definition, null for a PGN the database lacks.
    const StandardsLib::LibN2KPGN_s* definition() const;
    // The definition's name, or "Unknown PGN (%u)".
    std::string pgnName() const;

    // Appends the list columns of a log in which NMEA 2000 messages predominate.
    static void listColumns(std::vector<ListColumn>& out);

    // Header formatters: hex "0x%05X" / "0x%02X", else "%6d" for the PGN and "%u" for the rest.
    static std::string pgnText(std::uint32_t pgn, bool hex);
    static std::string byteText(std::uint32_t value, bool hex);
    // The payload as a hex dump (hex) or a decimal list, separated by "," or " ".
    static std::string payloadText(const N2KMsg_s& message, bool hex, bool commaSeparated);
    std::string pgnText(bool hex) const { return pgnText(pgn, hex); }
    std::string sourceText(bool hex) const { return byteText(source, hex); }
    std::string destinationText(bool hex) const { return byteText(destination, hex); }
    std::string priorityText(bool hex) const { return byteText(priority, hex); }
    std::string lengthText(bool hex) const { return byteText(length, hex); }
    std::string payloadText(bool hex, bool commaSeparated) const { return payloadText(*this, hex, commaSeparated); }

    // The one-line description of the message in the log element's description.
    static std::string summary(const N2KMsg_s& message);
    std::string summary() const { return summary(*this); }

    // The list cell of a decoded header; needs neither the database nor the field list, so the
    // message list can call it for every row without building a message.
    static std::string listText(const N2KMsg_s& message, const ListColumn& column);

    // StandardsLib::IMessage
    // "p%06u_i%03u_s%02X_d%02X": PGN, instance (the payload byte the definition names, else 0),
    // source, destination.
    std::string key() const override;
    // The message re-encoded as a BST 0x94 message with a source byte after the destination.
    std::shared_ptr<KorvBuf> raw() const override;

    // IGridRender
    std::uint32_t titleRowCount() const override;
    std::string titleRow(std::uint32_t row) const override;
    std::uint32_t rowCount() const override;
    std::uint32_t columnCount() const override;
    std::string rowHeader(std::uint32_t row) const override;
    std::string columnName(std::uint32_t column) const override;
    std::string cellText(std::uint32_t row, const std::string& columnName) const override;

    // IListRender
    std::string listText(const ListColumn& column) const override;

private:
    void copyHeader(const N2KMsg& other);
    void dropFields();
    void buildFields() const;

    // Filled on the first request for a field, the name or the key.
    mutable const StandardsLib::LibN2KPGN_s* pgnDefinition = nullptr;
    mutable std::vector<StandardsLib::N2KFieldInfo> fields;
    mutable bool fieldsBuilt = false;
    bool isValid = false;
    std::int32_t result = 0;
    // What the field entries read: this object's PGN, length and payload bytes.
    mutable StandardsLib::N2KPayload payloadView;
};

} // namespace KelpLib
