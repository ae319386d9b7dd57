#pragma once

// The page's markup and style sheet, made from the window designs when the page is built: the
// keypad is drawn from the first bytes, before the WebAssembly that makes it work has arrived.
// Twips become CSS pixels at 96 dpi, as the desktop programs make pixels.

#include "designs/control_design.h"

#include <string>
#include <string_view>

namespace abaquino::web {

// Only the page's own files; WebAssembly may be compiled, but no script from text; the worker and
// the manifest from the page's own folder. A server adds frame-ancestors, which only a header can
// carry (scripts/serve-page).
inline constexpr std::string_view kPagePolicy =
    "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; "
    "connect-src 'self'; worker-src 'self'; manifest-src 'self'; base-uri 'none'; form-action 'none'";

inline constexpr std::string_view kNoScripts =
    "Abaquino non può partire in questo browser: gli script sono disattivati.";

// The files the page links to: the program's loader (or a test program's), its style sheet and,
// for the page as shipped, its start script and its web app manifest.
struct PageLinks {
    std::string script;
    std::string start = {};
    std::string style = "abaquino.css";
    std::string manifest = {};
};

std::string PageHtml(const PageLinks& links);
std::string PageCss();

// "#c0c0c0"
std::string CssColour(const designs::Rgb& colour);

// The element id of a designed control: its object name, "cmdNumber(5)".
std::string ElementId(std::string_view name, int index);

// "#cmdNumber\\(5\\)": an element id as a selector.
std::string Selector(std::string_view id);

}  // namespace abaquino::web
