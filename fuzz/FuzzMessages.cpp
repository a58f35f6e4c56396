// Every message class and every grid adapter on arbitrary element bytes: the bytes are given
// to an element of each kind (whose row picks the adapter), and to the BST and NMEA 0183
// message classes directly, and every text they render is asked for.
#include "log/ZRLElement.h"
#include "messages/BSTMsg.h"
#include "messages/IGridRender.h"
#include "messages/N183Msg.h"
#include "support/RenderElement.h"

#include <exception>
#include <vector>

namespace {

std::size_t renderAll(const KelpLib::IGridRender& render)
{
    std::size_t characters = 0;
    for (std::uint32_t row = 0; row <= render.titleRowCount(); ++row)
        characters += render.titleRow(row).size();
    for (std::uint32_t row = 0; row <= render.rowCount() && row < 300; ++row) {
        characters += render.rowHeader(row).size();
        for (std::uint32_t column = 0; column <= render.columnCount(); ++column) {
            try {
                characters += render.cellText(row, render.columnName(column)).size();
            } catch (const std::exception&) {
                // a field may refuse to render with an exception; it must never crash
            }
        }
    }
    return characters;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The bytes get their own allocation so a read past them is caught.
    const std::vector<std::uint8_t> bytes(data, data + std::min<std::size_t>(size, 1024));
    KelpLib::ByteBuffer view;
    KelpLib::wrap(view, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    std::size_t characters = 0;
    characters += renderAll(KelpLib::BSTMsg(view));
    characters += renderAll(KelpLib::N183Msg(view));
    for (KelpLib::MsgVariant variant : KelpLib::allMsgVariants) {
        KelpLib::ZRLElement element(KelpLib::ElementTime{}, KelpLib::MsgVariantInfo{KelpLib::MsgVariant::N2k, variant, 0});
        element.setBytes(static_cast<std::uint32_t>(bytes.size()), bytes.data());
        characters += renderElement(element);
    }
    return characters == 1 ? 0 : 0;
}
