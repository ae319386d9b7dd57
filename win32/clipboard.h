#pragma once

#include <string>

#include <windows.h>

namespace abaquino::win32 {

// The clipboard's text. Setting an empty text leaves the clipboard as it was.
void SetClipboardText(HWND owner, const std::wstring& text);
std::wstring ClipboardText(HWND owner);

}  // namespace abaquino::win32
