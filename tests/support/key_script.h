#pragma once

#include "calc/plain_calculator.h"

#include <functional>
#include <string_view>

namespace abaquino::testing {

// Presses the keypad as a script of space-separated keys, the way a user reads them:
//   digits ("123" presses 1, 2, 3), "," "+/-" "+" "-" "x" "/" "=" "%" "C" "CE",
//   "BS" (backspace), "EUR" and "LIT" (click the euro or the lire option).
void Press(PlainCalculator& calculator, std::string_view script);

// The keys of a script one by one, digits of a number each on its own; a window's tests press
// them on its real controls.
void ForEachKey(std::string_view script, const std::function<void(std::string_view key)>& press);

// Types characters on the keyboard, each through Form_KeyPress.
void Type(PlainCalculator& calculator, std::string_view characters);

}  // namespace abaquino::testing
