#pragma once

// A paste into the entry, whichever toolkit read the clipboard.

#include "calc/calculator.h"
#include "calc/calculator_view.h"

#include "calc/pasted_amount.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace abaquino::behaviour {

// A front end need read no more of the clipboard than this (bytes or characters): one more than
// the longest amount is enough for the logic to refuse a longer text.
inline constexpr std::size_t kPasteReadLimit = kLongestPastedText + 1;

// Nothing read only beeps: another program holds the clipboard, or it holds no text (a picture)
// and so nothing to paste. A text, empty or not, is read as an amount, and a wrong one is a failure. Only its first kPasteReadLimit bytes are looked at.
void Paste(Calculator& calculator, CalculatorView& view, std::optional<std::string_view> clipboard);

}  // namespace abaquino::behaviour
