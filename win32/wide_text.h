#pragma once

// The calculator and the designs speak UTF-8; the W functions UTF-16. Texts change at this edge.

#include <string>
#include <string_view>

#include <windows.h>

namespace abaquino::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// A window's whole text.
std::wstring WindowText(HWND window);

}  // namespace abaquino::win32
