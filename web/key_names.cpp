#include "web/key_names.h"

#include <utility>

namespace abaquino::web {

using behaviour::Key;

Key KeyOf(std::string_view key, std::string_view code)
{
    // The keypad's decimal key types "," on some layouts (German, Italian) and "." on others.
    if (code == "NumpadDecimal") return Key::KeypadDecimal;
    static constexpr std::pair<std::string_view, Key> kNamed[] = {
        {"Tab", Key::Tab}, {"ArrowLeft", Key::Left}, {"ArrowRight", Key::Right}, {"ArrowUp", Key::Up},
        {"ArrowDown", Key::Down}, {"Home", Key::Home}, {"End", Key::End}, {"PageUp", Key::PageUp},
        {"PageDown", Key::PageDown}, {"Insert", Key::Insert}, {" ", Key::Space}, {"Backspace", Key::Backspace},
        {"Delete", Key::Delete}, {"Copy", Key::Copy}, {"Paste", Key::Paste}, {"c", Key::C}, {"C", Key::C},
        {"v", Key::V}, {"V", Key::V},
    };
    for (const auto& [name, named] : kNamed) {
        if (name == key) return named;
    }
    return Key::Other;
}

char32_t TypedCharacter(std::string_view key)
{
    static constexpr std::pair<std::string_view, char32_t> kControls[] = {
        {"Enter", U'\r'}, {"Backspace", 8}, {"Tab", 9}, {"Escape", 27}, {"Delete", 127}};
    for (const auto& [name, character] : kControls) {
        if (name == key) return character;
    }
    if (key.empty()) return 0;
    // One character in UTF-8: its first byte says how many bytes it has.
    const auto lead = static_cast<unsigned char>(key[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (key.size() != length) return 0;
    char32_t character = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) character = (character << 6) | (static_cast<unsigned char>(key[i]) & 0x3F);
    return character;
}

char32_t TypedWithAlt(std::string_view key, std::string_view code)
{
    const char32_t typed = TypedCharacter(key);
    const bool letter = (typed >= U'a' && typed <= U'z') || (typed >= U'A' && typed <= U'Z');
    if (letter || code.size() != 4 || !code.starts_with("Key")) return typed;
    return static_cast<char32_t>(code[3] - 'A' + 'a');
}

}  // namespace abaquino::web
