#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include <windows.h>

namespace abaquino::win32 {

// The clipboard's text. Another program may hold the clipboard for a moment, so each is tried a
// few times. Setting an empty text leaves the clipboard as it was.
void SetClipboardText(HWND owner, const std::wstring& text);
// At most `most` characters of it; nothing when the clipboard stayed busy or holds no text.
std::optional<std::wstring> ClipboardText(HWND owner, std::size_t most);

}  // namespace abaquino::win32
