// The whole load path on arbitrary bytes: file, parser, document, filter, every list cell and,
// for the first elements, the description and every cell of the grid adapter.
#include "FuzzDocument.h"
#include "filter/ShownList.h"
#include "presentation/ListCells.h"
#include "messages/KorvBuf.h"
#include "support/RenderElement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KelpLib::ZRLDoc document;
    if (!loadFuzzLog(data, size, "load", document))
        return 0;
    KelpLib::ShownList shown(document);
    shown.setViewSettings(KelpLib::ViewSettings(size ? data[0] & 3 : 1));
    shown.rebuild();
    const auto columns = document.columns();
    std::size_t total = 0;
    for (std::uint32_t row = 0; row < shown.size(); ++row)
        for (const auto& column : columns)
            total += KelpLib::listCellText(shown, KelpLib::ShownRow(row), column).size();
    for (std::size_t i = 0; i < document.elementCount(); ++i) {
        const auto raw = document.element(KelpLib::ElementLine(i)).raw();
        for (std::uint32_t row = 0; row < raw->rowCount() && row < 64; ++row)
            total += raw->cellText(row, "Char").size();
        if (i < 64)
            total += renderElement(document.element(KelpLib::ElementLine(i)));
    }
    return total == 0 ? 0 : 0;
}
