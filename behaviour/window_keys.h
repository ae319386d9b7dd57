#pragma once

// What a key does in the main window before it reaches the keyboard map, whichever toolkit
// delivered it. Each front end names the key, its modifiers and the kind of control that has the
// focus, and carries out the answer.

#include "calc/calculator.h"
#include "designs/control_design.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace abaquino::behaviour {

// The keys with a rule of their own; every other key counts only by what it types.
enum class Key {
    Other, Tab, Left, Right, Up, Down, Home, End, PageUp, PageDown, Insert, Space, Backspace,
    Delete, KeypadDecimal, C, V, Copy, Paste,  // Copy and Paste: the dedicated keys of some keyboards
};

struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false;  // Command on a Mac, the Windows key, Super: never Alt
};

// What a copy takes: the entry (its context menu), the display that has the focus (the keys), or
// the conversion wherever the focus is (the page's Ctrl+Shift+C, as Tab never reaches it).
enum class CopyFrom { Entry, FocusedDisplay, Conversion };

enum class KeyAnswer {
    CopyFocusedDisplay,
    Paste,
    NextTabStop,
    PreviousTabStop,
    ChooseOtherOption,
    ToControl,    // the focused control uses it as usual: Space presses a key, arrows select
    ToMenu,       // Alt with a key: the menu's access keys and the system's
    KeyPress,     // goes no further; what it types goes to Form_KeyPress
    DecimalComma, // goes no further; Form_KeyPress gets the comma's code
    Swallow,      // goes no further and does nothing
    ToSystem,     // the calculator and its controls do nothing with it; the desktop or browser may
};

// `focus`: the kind of the control that has the focus, or nothing when the window itself has it.
KeyAnswer AnswerKeyDown(Key key, Modifiers held, std::optional<designs::ControlKind> focus);

// The designed kind of `focus` among `controls`, which stand in the order of `design`; nothing
// when it is none of them.
template <class Control>
std::optional<designs::ControlKind> KindOf(std::span<const designs::ControlDesign> design,
                                           const std::vector<Control>& controls, const Control& focus)
{
    const auto found = std::find(controls.begin(), controls.end(), focus);
    if (found == controls.end()) return std::nullopt;
    return design[static_cast<std::size_t>(found - controls.begin())].kind;
}

// The code Form_KeyPress gets for a typed character, or nothing when Ctrl or Alt alone is held
// (a command, not typing; Ctrl with Alt is AltGr, which types), or the system's modifier. Characters beyond the 16-bit
// signed range get a code that matches nothing in the map.
std::optional<std::int16_t> TypedCode(char32_t character, Modifiers held);

// The code (Backspace or Delete, else 0) and the shift state Form_KeyUp gets for a released key.
struct Release {
    std::int16_t code;
    std::int16_t shift;  // 1 Shift, 2 Ctrl, 4 Alt
};
Release Released(Key key, Modifiers held);

// What the DecimalComma answer does: the keyboard map's comma key (".") whatever the layout makes
// the keypad's decimal key type.
void TypeDecimalComma(Calculator& calculator);

}  // namespace abaquino::behaviour
