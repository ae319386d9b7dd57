#pragma once

// The colours both windows paint with: the design's grey, blue, black and yellow, or under high
// contrast the colours of the scheme the user chose, so that every text stays readable.

#include "designs/control_design.h"

#include <functional>
#include <optional>

#include <windows.h>

namespace abaquino::win32 {

// Whether Windows' high contrast is on. Windows pass their own function to test with.
using HighContrast = std::function<bool()>;
bool SystemHighContrast();

// The messages that tell a window the user changed colours, theme or high contrast.
constexpr bool ChangesColours(UINT message)
{
    return message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE || message == WM_THEMECHANGED;
}

// Repaints the window, its frame and its controls, in the colours it has just taken.
void RepaintAll(HWND window);

inline COLORREF ColourRef(const designs::Rgb& colour) { return RGB(colour.red, colour.green, colour.blue); }

struct Palette {
    bool highContrast = false;

    // A window's or a label's face and text; the design's, if it has one, outside high contrast.
    COLORREF Face(std::optional<designs::Rgb> designed) const { return Or(designed, COLOR_BTNFACE); }
    COLORREF Text(std::optional<designs::Rgb> designed) const { return Or(designed, COLOR_BTNTEXT); }

private:
    COLORREF Or(std::optional<designs::Rgb> designed, int scheme) const
    {
        return designed && !highContrast ? ColourRef(*designed) : GetSysColor(scheme);
    }
};

}  // namespace abaquino::win32
