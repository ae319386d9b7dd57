#pragma once

// The page's markup and style sheet, made from the window designs when the page is built: the
// keypad is drawn from the first bytes, before the WebAssembly that makes it work has arrived.
// Twips become CSS pixels at 96 dpi, as the desktop programs make pixels.

#include <string>
#include <string_view>

namespace abaquino::web {

// The whole page, loading `script` (the program's loader, or a test program's).
std::string PageHtml(std::string_view script);
std::string PageCss();

// The element id of a designed control: its object name, "cmdNumber(5)".
std::string ElementId(std::string_view name, int index);

}  // namespace abaquino::web
