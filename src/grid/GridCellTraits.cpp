#include "grid/GridCellTraits.h"

namespace CommonLib {

bool GridCellTraits::getColour(std::uint32_t& value) const
{
    value = colour.value_or(defaultColour);
    return colour.has_value();
}

void GridCellTraits::setColour(std::uint32_t value)
{
    colour = value;
}

bool GridCellTraits::getSecondColour(std::uint32_t& value) const
{
    value = secondColour.value_or(0);
    return secondColour.has_value();
}

void GridCellTraits::setSecondColour(std::uint32_t value)
{
    secondColour = value;
}

} // namespace CommonLib
