#pragma once

// Real Win32 controls made from a window's design table, and placed for the monitor's DPI.

#include "designs/control_design.h"
#include "win32/colours.h"
#include "win32/command_ids.h"

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include <windows.h>

namespace abaquino::win32 {

using designs::ControlDesign;
using designs::FontDesign;
using designs::Rgb;

// The fonts of one window at one resolution, each made once and deleted with the set.
class Fonts {
public:
    explicit Fonts(int dpi) : dpi_(dpi) {}
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT Get(const FontDesign& design);
    int Dpi() const { return dpi_; }

private:
    int dpi_;
    std::vector<std::pair<FontDesign, HFONT>> made_;
};

// The controls of the table as children of `parent`, in table order, which is also their
// z order. They are placed by LayOut.
std::vector<HWND> BuildControls(std::span<const ControlDesign> table, HWND parent);

// Places, sizes and fonts for the resolution of `fonts`; `windowFont` for controls without one.
void LayOut(std::span<const ControlDesign> table, std::span<const HWND> controls,
            const FontDesign& windowFont, Fonts& fonts);

// The designed text colour of a control that BuildControls made from the table, if it has one.
std::optional<Rgb> TextColourOf(std::span<const ControlDesign> table, HWND control);

// The pixel rectangle of a designed place.
RECT PixelRect(int left, int top, int width, int height, int dpi);

}  // namespace abaquino::win32
