#pragma once

#include <cstdint>
#include <optional>

namespace CommonLib {

// How the list shows and edits a column (GridCellTraits::editorKind).
enum GridEditorKind : std::int32_t {
    GridEditorDropDown = 0, // choices from IGridTable::getColumnOptions
    GridEditorNumeric = 1,  // numeric edit box configured from IGridTable::getColumnMetaData
    GridEditorText = 2,     // plain text (default)
    GridEditorCheckBox = 3, // check-box image whose state is IGridTable::getCellValue; no text
};

// Column alignment values used by the list (GridCellTraits::alignment).
enum GridAlignment : std::int32_t {
    GridAlignLeft = 0,
    GridAlignRight = 1,
    GridAlignCentre = 2,
};

// Display and editing traits of one column, filled by IGridTable::getColumnTraits.
// The caller constructs it with the defaults; a table changes only what it needs.
class GridCellTraits {
public:
    static constexpr std::uint32_t defaultColour = 0xFFFFFF;

    virtual ~GridCellTraits() = default;

    // True and the colour when one was set.
    virtual bool getColour(std::uint32_t& value) const;
    virtual void setColour(std::uint32_t value);
    // True and the second colour when one was set.
    virtual bool getSecondColour(std::uint32_t& value) const;
    virtual void setSecondColour(std::uint32_t value);

    std::int32_t alignment = GridAlignLeft;
    std::int32_t editorKind = GridEditorText;

private:
    std::optional<std::uint32_t> colour;
    std::optional<std::uint32_t> secondColour;
};

} // namespace CommonLib
