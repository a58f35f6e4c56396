// The field walk and every text of every field occurrence on arbitrary payloads. The first
// byte picks the PGN definition (with its range offsets for the addressed and proprietary
// rows); the rest is the payload, up to the 223 bytes a fast-packet transfer can carry.
#include "n2k/LibN2K.h"
#include "n2k/N2KFieldWalk.h"

#include <stdexcept>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const StandardsLib::ILibN2K& lib = StandardsLib::theLibN2K();
    const StandardsLib::LibN2KPGN_s* definition = lib.pgnAt(data[0] % lib.pgnCount());
    const std::uint32_t pgn = definition->pgn + (data[1] & 0x0F);
    // The payload gets its own allocation so a read past it is caught.
    std::vector<std::uint8_t> bytes(data + 2, data + std::min<std::size_t>(size, 225));
    const StandardsLib::N2KPayload payload{pgn, static_cast<std::uint32_t>(bytes.size()),
                                           bytes.empty() ? nullptr : bytes.data()};
    std::vector<StandardsLib::N2KFieldInfo> fields;
    StandardsLib::buildFieldList(payload, lib.findPgn(pgn), fields);
    std::size_t characters = 0;
    for (StandardsLib::N2KFieldInfo& field : fields) {
        for (bool shown : {false, true}) {
            field.setUnitsShown(shown);
            for (bool converted : {false, true}) {
                try {
                    characters += field.valueText(converted).size();
                } catch (const std::runtime_error&) {
                    // unaligned text or binary fields report themselves this way
                }
                characters += field.unitsText(converted).size();
            }
        }
        characters += field.rawValueText().size() + field.name().size() + field.ordinalText().size();
        characters += field.bitLength();
    }
    return characters == 0xFFFFFFFF; // keeps the texts from being optimised away
}
