#pragma once

#include "support/plain_calculator.h"

#include <functional>
#include <optional>
#include <string_view>

namespace abaquino::testing {

// A key of the scripts: the control that presses it, and what types it on the keyboard (nothing
// for a key the keyboard map lacks). The one list of the scripts' key names.
struct ScriptKey {
    std::string_view key, control;
    int index;  // -1: not in a control array
    std::string_view typed;
};
inline constexpr ScriptKey kScriptKeys[] = {
    {",", "cmdDecimal", -1, "."}, {"+/-", "cmdPlusMinus", -1, ""}, {"+", "CmdOperator", 1, "+"},
    {"-", "CmdOperator", 2, "-"}, {"x", "CmdOperator", 3, "*"},    {"/", "CmdOperator", 4, "/"},
    {"=", "cmdEquals", -1, "\r"},  {"%", "CmdPercent", -1, "%"},    {"C", "cmdClear", -1, ""},
    {"CE", "cmdClearEntry", -1, "c"}, {"EUR", "OptBEuro", -1, ""},  {"LIT", "OptBLire", -1, ""},
};

// A digit or a key of kScriptKeys; nothing for "BS" (backspace, which has no control) or a name
// that is no key.
std::optional<ScriptKey> ScriptKeyOf(std::string_view key);

// One key of a script pressed on its control, a currency option chosen first as a click does.
void PressKey(PlainCalculator& calculator, std::string_view key);

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
