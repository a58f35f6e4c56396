#pragma once

#include "common/ByteBuffer.h"
#include "messages/IGridRender.h"
#include "messages/IListRender.h"

#include <cstdint>
#include <string>

namespace KelpLib {

// The raw byte message: one byte buffer, shown byte by byte as a table (index, hex, decimal,
// character) and as list cells (size, hex dump). It also carries bytes between the parts of
// the system. Building from another buffer copies the bytes; only wrap shares them.
class KorvBuf : public IGridRender, public IListRender {
public:
    KorvBuf() = default;
    explicit KorvBuf(std::uint32_t capacity);
    KorvBuf(const std::uint8_t* bytes, std::uint32_t count);
    explicit KorvBuf(const ByteBuffer& source);
    KorvBuf(const KorvBuf& other);
    ~KorvBuf() override;

    KorvBuf& operator=(const KorvBuf& other);
    KorvBuf& operator=(const ByteBuffer& source);
    void assign(const std::uint8_t* bytes, std::uint32_t count);
    // Points at the caller's memory, which must outlive this object; negative counts count as 0.
    void wrap(const std::uint8_t* bytes, std::int64_t count);

    std::int32_t append(const std::uint8_t* bytes, std::uint32_t count);
    std::int32_t append(std::uint8_t byte);

    // Null without a record.
    const ByteBuffer* buffer() const { return record; }
    const std::uint8_t* data() const { return record ? record->data : nullptr; }
    std::uint32_t length() const { return record ? record->length : 0; }
    std::uint32_t time() const { return record ? record->time : 0; }
    bool ownsData() const { return owns; }
    std::string hexText(bool commaSeparated) const;

    std::uint32_t titleRowCount() const override;
    std::string titleRow(std::uint32_t row) const override;
    std::uint32_t rowCount() const override;
    std::uint32_t columnCount() const override;
    std::string rowHeader(std::uint32_t row) const override;
    std::string columnName(std::uint32_t column) const override;
    std::string cellText(std::uint32_t row, const std::string& columnName) const override;
    std::string listText(const ListColumn& column) const override;

private:
    void freeOwned();
    ByteBuffer& ensureRecord();

    ByteBuffer* record = nullptr;
    bool owns = false;
};

// "field = %d": the row header shared by the message classes that show numbered fields.
std::string fieldRowHeader(std::uint32_t row);

} // namespace KelpLib
