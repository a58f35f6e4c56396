// A display-filter text of arbitrary bytes: lexing, parsing, compiling and, when it compiles,
// evaluating it on an NMEA 2000 message, a lone CAN frame and a sentence.
#include "log/ZRLDoc.h"
#include "query/DisplayFilter.h"

#include <string_view>

namespace {

const KelpLib::ZRLDoc& sampleDocument()
{
    static KelpLib::ZRLDoc* document = [] {
        auto* made = new KelpLib::ZRLDoc();
        KelpLib::ElementTime time;
        time.baseTime = 133485311990000000ull;
        const std::uint8_t wind[] = {0x93, 0x13, 0x02, 0x02, 0xFD, 0x01, 0xFF, 0x42, 0, 0, 0, 0, 0x08,
                                     0x01, 0x26, 0x02, 0x58, 0x1B, 0xFA, 0xFF, 0xFF};
        const std::uint8_t frame[] = {0x95, 0x0E, 0x07, 0x00, 0x45, 0x02, 0xFD, 0x0D,
                                      0x03, 0xD0, 0x07, 0xE8, 0x03, 0xFA, 0xFF, 0xFF};
        const std::string_view sentence = "$IIMWV,045.0,R,10.5,N,A*26";
        made->addElement(time, {KelpLib::MsgVariant::N2k, KelpLib::MsgVariant::N2k, 66}, wind, sizeof wind);
        made->addElement(time, {KelpLib::MsgVariant::CanFrame, KelpLib::MsgVariant::CanFrame, 69}, frame, sizeof frame);
        made->addElement(time, {KelpLib::MsgVariant::N183, KelpLib::MsgVariant::N183, 0},
                         reinterpret_cast<const std::uint8_t*>(sentence.data()),
                         static_cast<std::uint32_t>(sentence.size()));
        return made;
    }();
    return *document;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto compiled = KelpLib::DisplayFilter::compile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* filter = std::get_if<std::shared_ptr<const KelpLib::DisplayFilter>>(&compiled)) {
        const KelpLib::ZRLDoc& document = sampleDocument();
        for (std::size_t line = 0; line <= document.elementCount(); ++line)
            (void)(*filter)->keeps(document, line);
    }
    return 0;
}
