#pragma once

#include <cstdint>

class QKeyEvent;

namespace abaquino::ui {

// The character code the keyboard map expects for a typed key (13 for Enter, 8 for Backspace),
// or nothing when the key types no character.
bool TypesCharacter(const QKeyEvent& event);
std::int16_t CharacterCode(const QKeyEvent& event);

// The classic virtual-key code of a released key for the keyboard map: Backspace 8, Delete 46,
// and 0 for every key the map does not act on.
std::int16_t KeyCode(const QKeyEvent& event);

// The shift state as a bit set: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftState(const QKeyEvent& event);

}  // namespace abaquino::ui
