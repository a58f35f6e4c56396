#include "log/ClassifyMessage.h"

#include "log/SixBitArmour.h"
#include "messages/N2KHeader.h"
#include "n2k/ReservedFields.h"

#include <cstring>

namespace KelpLib {

namespace {

constexpr std::uint32_t bemSentenceCapacity = 200;
constexpr char bemSentencePrefix[] = "!PQRDB";
constexpr std::uint32_t bemSentenceMinimum = 12;
constexpr std::uint32_t bemArmourStart = 11;
constexpr std::uint32_t bemArmourTail = 3;

// The engineering messages hidden with the reserved fields. Mass data transfers stay: they
// carry the sampled data that the export writes, and hiding them would lose it.
bool isReservedVariant(MsgVariant variant)
{
    return variant == VariantReboot || (variant >= VariantBemDebug && variant <= VariantBemBootEnciphered);
}

MsgVariantInfo classifyBst(const std::uint8_t* bytes, std::uint32_t length)
{
    MsgVariantInfo info;
    if (length == 0)
        return {VariantBst, VariantBst, 0};
    info.raw = info.effective = bstIdToVariant(bytes[0]);
    const N2KFrameLayout* layout = n2kFrameLayout(bytes[0]);
    if (layout == nullptr || !layout->received)
        return info;
    N2KHeaderView header;
    if (viewN2KHeader(bytes, length, 0, header) != 0)
        return info;
    info.source = header.source;
    if (header.pgn == proprietaryFastPacketPgn && header.length >= 3 && header.payload[0] == makerProprietaryPrefix[0] &&
        header.payload[1] == makerProprietaryPrefix[1])
        info.effective = bstIdToVariant(header.payload[2]);
    return info;
}

MsgVariantInfo classifySentence(const std::uint8_t* bytes, std::uint32_t length)
{
    MsgVariantInfo info{VariantN183, VariantN183, 0};
    if (length < bemSentenceMinimum || std::memcmp(bytes, bemSentencePrefix, sizeof bemSentencePrefix - 1) != 0)
        return info;
    std::uint8_t decoded[bemSentenceCapacity];
    const std::int32_t count = decodeBemSentence(bytes, length, decoded, sizeof decoded);
    if (count <= 0) {
        info.effective = VariantN183BadChar;
        return info;
    }
    const MsgVariant carried = bstIdToVariant(decoded[0]);
    info.effective = carried == VariantBemCommand ? VariantBemN183 : carried;
    return info;
}

} // namespace

std::int32_t decodeBemSentence(const std::uint8_t* sentence, std::uint32_t length, std::uint8_t* out, std::uint32_t capacity)
{
    if (length < bemSentenceMinimum + bemArmourTail - 1 || std::memcmp(sentence, bemSentencePrefix, sizeof bemSentencePrefix - 1) != 0)
        return -1;
    return decodeSixBitArmour(sentence + bemArmourStart, length - bemArmourStart - bemArmourTail, out, capacity);
}

MsgVariantInfo classifyMessage(const std::uint8_t* bytes, std::uint32_t length, bool fromBst)
{
    MsgVariantInfo info = fromBst ? classifyBst(bytes, length) : classifySentence(bytes, length);
    if (StandardsLib::reservedFieldsHidden.load() && isReservedVariant(info.effective))
        info.effective = VariantHidden;
    return info;
}

} // namespace KelpLib
