#pragma once

// A paste into the entry, whichever toolkit read the clipboard.

#include "calc/calculator.h"
#include "calc/calculator_view.h"

#include <optional>
#include <string_view>

namespace abaquino::behaviour {

// Nothing read (another program holds the clipboard) only beeps; a text, empty or not, is read as
// an amount, and a wrong one is a failure. A front end need read no more of the clipboard than
// kLongestPastedText + 1 bytes: whatever is longer is no amount.
void Paste(Calculator& calculator, CalculatorView& view, std::optional<std::string_view> clipboard);

}  // namespace abaquino::behaviour
