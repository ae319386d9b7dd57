#pragma once

#include "control_table.h"

#include <array>

namespace abaquino::ui {

// The About window as designed: client area, place on the screen, controls in tab order and the
// two lines of its etched rule.
inline constexpr int kAboutClientWidth = 4500;  // twips
inline constexpr int kAboutClientHeight = 3285;
inline constexpr int kAboutLeft = 3810;         // client area's corner on the screen
inline constexpr int kAboutTop = 2565;

extern const std::array<ControlDesign, 9> kAboutControls;

struct RuleLine {
    int index;
    int x1, y1, x2, y2;  // twips
    Rgb colour;
    int pixelWidth;
};

// Drawn in index order, so the grey line lies over the upper half of the white one.
inline constexpr std::array<RuleLine, 2> kAboutRule = {{
    {0, 120, 2040, 4440, 2040, {255, 255, 255}, 2},
    {1, 120, 2040, 4485, 2040, {128, 128, 128}, 1},
}};

}  // namespace abaquino::ui
