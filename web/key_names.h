#pragma once

// A browser's key event, as the window's key rules name it: the key by its `key` and `code`
// values, and what it types.

#include "behaviour/window_keys.h"

#include <string_view>

namespace abaquino::web {

behaviour::Key KeyOf(std::string_view key, std::string_view code);

// As a desktop's key text: Enter types a carriage return, Backspace, Tab, Escape and Delete their
// control characters, a printable key its one character; a key's name ("F5", "Shift") nothing (0).
char32_t TypedCharacter(std::string_view key);

// What a key types with Alt held, for the menu's access keys: on a Mac, Option with a letter types
// a dead key ("Dead") or a sign ("€"), so a key that types no letter goes by the letter of its
// place on the keyboard (`code` "KeyE"). A key that types a letter keeps it, whatever its place.
char32_t TypedWithAlt(std::string_view key, std::string_view code);

}  // namespace abaquino::web
