#pragma once

#include <string>

namespace CommonLib {

// The local wall-clock time of day as "%02d:%02d:%02d".
std::string logTimeOfDay();

// Passes a log text once more through the positional formatter with one argument, so a text
// carrying "%1%" receives the argument. A text without "%1%", or one that is not a valid
// positional format with exactly one place, is kept unchanged.
std::string applyPositionalArgument(const std::string& text, const std::string& argument);

} // namespace CommonLib
