#include "behaviour/window_keys.h"

#include "calc/calculator.h"

namespace abaquino::behaviour {

namespace {

using designs::ControlKind;

bool IsArrow(Key key) { return key == Key::Left || key == Key::Right || key == Key::Up || key == Key::Down; }

bool Navigates(Key key)
{
    return IsArrow(key) || key == Key::Home || key == Key::End || key == Key::PageUp || key == Key::PageDown;
}

bool Copies(Key key, Modifiers held)
{
    return key == Key::Copy || (held.control && !held.alt && key == Key::C) ||
           (held.control && !held.shift && !held.alt && key == Key::Insert);
}

bool Pastes(Key key, Modifiers held)
{
    return key == Key::Paste || (held.control && !held.alt && key == Key::V) ||
           (held.shift && !held.control && !held.alt && key == Key::Insert);
}

// Only the conversion can be selected, and the caret stays at the entry's end; on the options
// only the arrows choose.
KeyAnswer Navigation(Key key, std::optional<ControlKind> focus)
{
    if (focus == ControlKind::OptionButton) return IsArrow(key) ? KeyAnswer::ChooseOtherOption : KeyAnswer::Swallow;
    return focus == ControlKind::EntryBox ? KeyAnswer::Swallow : KeyAnswer::ToControl;
}

// Keys with the system's modifier are the system's and the browser's, but for a Mac's copy and
// paste, Command+C and Command+V.
KeyAnswer SystemKey(Key key, Modifiers held)
{
    const bool alone = !held.shift && !held.control && !held.alt;
    if (alone && key == Key::C) return KeyAnswer::CopyFocusedDisplay;
    if (alone && key == Key::V) return KeyAnswer::Paste;
    return KeyAnswer::ToSystem;
}

}  // namespace

KeyAnswer AnswerKeyDown(Key key, Modifiers held, std::optional<ControlKind> focus)
{
    if (held.meta) return SystemKey(key, held);
    if (Copies(key, held)) return KeyAnswer::CopyFocusedDisplay;
    if (Pastes(key, held)) return KeyAnswer::Paste;
    if (held.alt) return KeyAnswer::ToMenu;
    if (key == Key::Tab && !held.control) return held.shift ? KeyAnswer::PreviousTabStop : KeyAnswer::NextTabStop;
    if (Navigates(key)) return Navigation(key, focus);
    // The keypad's decimal key is the decimal comma, whatever character the layout gives it.
    if (key == Key::KeypadDecimal && !held.control) return KeyAnswer::DecimalComma;
    const bool onButton = focus == ControlKind::PushButton || focus == ControlKind::OptionButton;
    if (key == Key::Space && !held.control && onButton) return KeyAnswer::ToControl;
    return KeyAnswer::KeyPress;
}

std::optional<std::int16_t> TypedCode(char32_t character, Modifiers held)
{
    if (held.control != held.alt || held.meta || character == 0) return std::nullopt;
    return character > 0x7fff ? std::int16_t{0x7fff} : static_cast<std::int16_t>(character);
}

Release Released(Key key, Modifiers held)
{
    const bool edits = !held.meta;  // Command+Backspace is the system's
    const std::int16_t code = !edits ? 0 : key == Key::Backspace ? kBackspaceKeyCode : key == Key::Delete ? kDeleteKeyCode : 0;
    return {code, static_cast<std::int16_t>((held.shift ? 1 : 0) | (held.control ? 2 : 0) | (held.alt ? 4 : 0))};
}

void TypeDecimalComma(Calculator& calculator)
{
    std::int16_t comma = '.';
    calculator.Form_KeyPress(comma);
}

}  // namespace abaquino::behaviour
