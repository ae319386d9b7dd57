#include "ui/key_codes.h"

#include <QKeyEvent>

#include <span>

namespace abaquino::ui {

namespace {

struct KeyPair {
    int qtKey;
    std::int16_t code;
};

// Keys without a run of neighbours; letters, digits and function keys are computed below.
constexpr KeyPair kSingleKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},   {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},  {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},  {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},     {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},   {Qt::Key_NumLock, 144},
};

// The numeric keypad's own codes.
constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

std::int16_t Find(std::span<const KeyPair> pairs, int key)
{
    for (const KeyPair& pair : pairs) {
        if (pair.qtKey == key) return pair.code;
    }
    return 0;
}

}  // namespace

bool TypesCharacter(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event.text().isEmpty() && !(event.modifiers() & commands);
}

std::int16_t CharacterCode(const QKeyEvent& event)
{
    const char16_t character = event.text().isEmpty() ? 0 : event.text().front().unicode();
    // Characters beyond the 16-bit signed range cannot match the map; give them a code that
    // matches nothing either.
    return character > 0x7fff ? std::int16_t{0x7fff} : static_cast<std::int16_t>(character);
}

std::int16_t KeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<std::int16_t>((keypad ? 96 : 48) + key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::int16_t>(65 + key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F16) return static_cast<std::int16_t>(112 + key - Qt::Key_F1);
    if (keypad) {
        if (const auto code = Find(kKeypadKeys, key)) return code;
    }
    return Find(kSingleKeys, key);
}

std::int16_t ShiftState(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return static_cast<std::int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                     ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                     ((modifiers & Qt::AltModifier) ? 4 : 0));
}

}  // namespace abaquino::ui
