#include "n2k/N2KFieldWalk.h"

#include "n2k/FieldExtract.h"
#include "n2k/PgnLookup.h"

#include <algorithm>
#include <utility>

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
    if (field.kind == fieldZeroEndedText)
        return (byteAt(payload, byteOffset) + 2) * 8; // the length byte counts neither itself nor the zero
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

// What earlier fields of the message tell about later ones: the PGN and field number a 126208
// parameter refers to, and the key and length of a key/value pair.
struct WalkContext {
    std::uint32_t referencedPgn = 0;
    std::uint32_t referencedField = 0;
    std::uint16_t keyDdNumber = 0;
    std::uint32_t key = 0;
    std::uint32_t keyLength = 0;
    bool keyLengthGiven = false;

    // Takes note of a field just laid over the payload.
    void note(const N2KPayload& payload, const LibN2KField_s& field, std::uint32_t bitOffset)
    {
        if (field.kind != fieldPgn && field.kind != fieldIndex && field.kind != fieldKey &&
            field.kind != fieldKeyLength)
            return;
        const DecimalValue value = extractBits(payload, bitOffset, field.bits, false);
        const auto raw = static_cast<std::uint32_t>(value.mantissa);
        if (field.kind == fieldPgn) {
            referencedPgn = raw;
        } else if (field.kind == fieldIndex) {
            referencedField = raw;
        } else if (field.kind == fieldKey) {
            const LibN2KDD_s* dd = dataDictionaryEntry(field);
            keyDdNumber = dd != nullptr ? static_cast<std::uint16_t>(dd->ddNumber) : 0;
            key = raw;
            keyLengthGiven = false;
        } else {
            keyLength = raw;
            keyLengthGiven = true;
        }
    }
};

// The value field a key selects, or null.
const LibN2KField_s* keyValueField(const WalkContext& context)
{
    const auto table = keyTypeTable();
    const auto it = std::lower_bound(table.begin(), table.end(), std::pair{context.keyDdNumber, context.key},
                                     [](const LibN2KKeyType_s& row, const std::pair<std::uint16_t, std::uint32_t>& k) {
                                         return std::pair{row.ddNumber, row.key} < k;
                                     });
    return it != table.end() && it->ddNumber == context.keyDdNumber && it->key == context.key ? it->field : nullptr;
}

// A field whose type another field selects stands for that field: a 126208 parameter value
// for the field of the PGN its parameter names, a key/value pair's value for the field of its
// key. Null when the selection is unknown (the walk cannot size the value).
const LibN2KField_s* typedField(const WalkContext& context, const LibN2KField_s& field)
{
    if (field.kind == fieldKeyValue) {
        // A key without a known type still has its bytes shown when a length field sizes them.
        const LibN2KField_s* typed = keyValueField(context);
        return typed != nullptr ? typed : context.keyLengthGiven ? &field : nullptr;
    }
    if (field.kind != fieldVariable)
        return &field;
    if (context.referencedField == 0)
        return nullptr;
    return fieldByNumber(defaultDefinition(context.referencedPgn),
                         static_cast<std::uint8_t>(context.referencedField - 1));
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

    WalkContext context;
    while (fieldIdx < fieldCount) {
        const LibN2KField_s& defined = definition->fields[fieldIdx];
        // A field that would start at or past the payload's end ends the list.
        if (bitPos >= payloadBits)
            break;
        const LibN2KField_s* typed = typedField(context, defined);
        if (typed == nullptr)
            break; // a value of unknown type and size: nothing after it can be placed
        const LibN2KField_s& field = *typed;
        const auto byteOffset = static_cast<std::uint32_t>(bitPos / 8);
        const bool sizedByLength = defined.kind == fieldKeyValue && context.keyLengthGiven;
        N2KFieldInfo occurrence(&message, ordinal++, static_cast<std::uint32_t>(bitPos), field,
                                sizedByLength ? context.keyLength * 8 : 0);
        context.note(message, field, static_cast<std::uint32_t>(bitPos));
        bitPos += sizedByLength ? context.keyLength * 8 : fieldAdvance(message, field, byteOffset);

        bool stop = false;
        if (remaining == noBlock) {
            if (defined.blockSize != 0) {
                blockSize = defined.blockSize;
                blockStart = fieldIdx;
                remaining = uncountedBlock;
                if (defined.countField != 255) {
                    if (const LibN2KField_s* count = fieldByNumber(definition, defined.countField)) {
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
