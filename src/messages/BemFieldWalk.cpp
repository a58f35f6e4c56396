#include "messages/BemFieldWalk.h"

namespace KelpLib {

namespace {

constexpr BemFieldDef exhaustedField = {0, BemEndMarker, 0, nullptr};

constexpr const char* truncatedText = "Message truncated/incomplete";

} // namespace

const BemFieldDef& bemExhaustedField() { return exhaustedField; }

std::vector<BemFieldEntry> walkBemFields(const BemDictEntry& record, const std::uint8_t* payload,
                                         std::uint32_t payloadSize, const BSTMsg* owner)
{
    std::vector<BemFieldEntry> entries;
    if (payload == nullptr)
        payloadSize = 0;
    std::uint32_t i = 0;           // field index in the record
    std::uint64_t p = 0;           // byte offset in the payload
    std::uint32_t k = 1;           // ordinal
    std::uint32_t remaining = 0;   // rounds of the group still to go
    std::uint32_t groupSize = 0;
    std::uint32_t groupStart = 0;
    std::uint32_t repetition = 0;
    std::uint32_t position = 0;
    bool end = false;

    auto add = [&](const BemFieldDef* field, const char* name, bool exhausted, std::uint32_t n, std::uint32_t m) {
        BemFieldEntry entry;
        entry.owner = owner;
        entry.ordinal = k;
        entry.offset = static_cast<std::uint32_t>(p);
        entry.field = field;
        entry.repetition = n;
        entry.position = m;
        entry.name = name;
        entry.exhausted = exhausted;
        entries.push_back(entry);
    };

    do {
        const BemFieldDef* f = i < record.fieldCount && record.fields ? &record.fields[i] : nullptr;
        if (p >= payloadSize || f == nullptr) {
            end = true;
            add(&exhaustedField, f ? f->name : truncatedText, true, repetition, position);
            break;
        }
        if (f->groupSize == 0) {
            add(f, f->name, false, repetition, position);
            ++position;
            if (f->type == BemSizedByteArray) {
                // The size is the byte before the array; an array that would not fit moves
                // nothing, so the next field reads from the same place.
                if (p > 0) {
                    const std::uint32_t c = payload[p - 1];
                    if (c <= payloadSize - p)
                        p += c;
                }
            } else {
                p += f->width;
            }
            ++i;
            if (remaining != 0 && i == groupStart + groupSize) {
                --remaining;
                if (remaining == 0) {
                    repetition = 0;
                    position = 0;
                } else {
                    ++repetition;
                    position = 1;
                    i = groupStart;
                }
            }
        } else {
            add(f, f->name, false, 0, 0);
            const std::uint32_t c = payload[p];
            if (c == 0) {
                // No rounds: the group's fields are passed over; the count byte stays
                // where the next field reads.
                i += f->groupSize + 1;
            } else {
                remaining = c;
                repetition = 1;
                groupSize = f->groupSize;
                position = 1;
                p += f->width;
                ++i;
                groupStart = i;
            }
        }
        ++k;
    } while (i < record.fieldCount && !end);
    return entries;
}

} // namespace KelpLib
