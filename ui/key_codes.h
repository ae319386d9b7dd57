#pragma once

#include "behaviour/window_keys.h"

class QKeyEvent;

namespace abaquino::ui {

// A Qt key event in the words of the window's key rules.
behaviour::Key KeyOf(const QKeyEvent& event);
behaviour::Modifiers ModifiersOf(const QKeyEvent& event);
// The first character the key types; 0 when it types none.
char32_t TypedCharacter(const QKeyEvent& event);

}  // namespace abaquino::ui
