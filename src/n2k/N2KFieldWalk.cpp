#include "n2k/N2KFieldWalk.h"

#include "n2k/PgnLookup.h"

namespace StandardsLib {

namespace {

constexpr std::uint32_t pgnPgnList = 126464;
constexpr std::uint32_t pgnProprietaryAddressed = 126720;
constexpr std::uint32_t noBlock = 255;
constexpr std::uint32_t uncountedBlock = 254;

// The payload byte at `offset`, or 0 past the payload's end.
std::uint32_t byteAt(const N2KPayload& payload, std::uint32_t offset)
{
    return payload.data != nullptr && offset < payload.length ? payload.data[offset] : 0;
}

// Bits the field takes in this payload.
std::uint32_t fieldAdvance(const N2KPayload& payload, const LibN2KField_s& field, std::uint32_t byteOffset)
{
    const LibN2KDD_s* dd = dataDictionaryEntry(field);
    const std::uint32_t type = dd != nullptr ? dd->dataType : dataTypeUndefined;
    if (field.runtimeSized != 0)
        return type == dataTypeCh8Or16 ? byteAt(payload, byteOffset) * 8 : 0;
    if (type == dataTypeChar8)
        return field.bits;
    if (type == dataTypeCh8Or16) {
        // The length byte counts itself and the encoding byte.
        const std::uint32_t length = byteAt(payload, byteOffset);
        if (length == 255)
            return field.bits;
        if (field.ddIndex == DDRow::dscSymbolString && length == 20)
            return field.bits == 144 ? 144 : 160;
        return length * 8;
    }
    if (field.ddIndex != DDRow::binaryBitField)
        return field.bits;
    // Binary data takes no room, except the data of the maker's own proprietary messages
    // (manufacturer code 273, industry group 4: bytes 0x11 0x99), which runs to the end.
    if (payload.pgn == pgnProprietaryAddressed && byteOffset == 2 && byteAt(payload, 0) == 17 &&
        byteAt(payload, 1) == 153)
        return payload.length * 8 - 16;
    return 0;
}

} // namespace

void buildFieldList(const N2KPayload& message, const LibN2KPGN_s* definition, std::vector<N2KFieldInfo>& list)
{
    list.clear();
    list.reserve(30);
    if (definition == nullptr || definition->fields == nullptr)
        return;
    const std::uint32_t fieldCount = static_cast<std::uint8_t>(definition->fieldCount);
    const std::uint64_t payloadBits = static_cast<std::uint64_t>(message.length) * 8;
    std::uint32_t fieldIdx = 0;
    std::uint64_t bitPos = 0;
    std::uint32_t ordinal = 1;
    std::uint32_t remaining = noBlock;
    std::uint32_t blockStart = 0;
    std::uint32_t blockSize = 0;

    while (fieldIdx < fieldCount) {
        const LibN2KField_s& field = definition->fields[fieldIdx];
        // A field that would start at or past the payload's end ends the list.
        if (bitPos >= payloadBits)
            break;
        const auto byteOffset = static_cast<std::uint32_t>(bitPos / 8);
        N2KFieldInfo occurrence(&message, ordinal++, static_cast<std::uint32_t>(bitPos), field);
        bitPos += fieldAdvance(message, field, byteOffset);

        bool stop = false;
        if (remaining == noBlock) {
            if (field.blockSize != 0) {
                blockSize = field.blockSize;
                blockStart = fieldIdx;
                remaining = uncountedBlock;
                if (field.countField != 255) {
                    if (const LibN2KField_s* count = fieldByNumber(definition, field.countField)) {
                        // A count whose byte lies past the payload counts as none.
                        remaining = byteAt(message, count->bitOffset / 8u);
                        if (remaining == 0 || remaining >= 255)
                            stop = true;
                    }
                }
            } else if (message.pgn == pgnPgnList && fieldIdx == 1) {
                blockStart = 1;
                blockSize = 1;
                remaining = message.length >= 1 ? (message.length - 1) / 3 : 0;
            }
        }
        ++fieldIdx;
        if (remaining != 0 && remaining != noBlock && fieldIdx == blockStart + blockSize) {
            const std::uint32_t before = remaining--;
            if (before != 1)
                fieldIdx = blockStart;
        }
        if (stop)
            break;
        list.push_back(occurrence);
    }
}

} // namespace StandardsLib
