#pragma once

// When a designed text colour is too light (or too dark) for what it is drawn on, every face keeps
// the colour and rings each letter with an outline that reads: the About window's yellow "Studio
// Tarì" on the light dialog face, for one. The face passes the background it really paints, so a
// theme or high contrast scheme is judged as it is shown.

#include "designs/control_design.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace abaquino::designs {

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
inline double Contrast(const Rgb& a, const Rgb& b)
{
    const auto luminance = [](const Rgb& c) {
        const auto linear = [](int part) {
            const double s = part / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// WCAG's least contrast for text of any size.
inline constexpr double kReadableContrast = 4.5;

// The outline a text of this colour needs on this background, or none: black, or white on a dark
// background, whichever stands out more.
inline std::optional<Rgb> OutlineFor(const Rgb& text, const Rgb& background)
{
    if (Contrast(text, background) >= kReadableContrast) return std::nullopt;
    constexpr Rgb black{0, 0, 0}, white{255, 255, 255};
    return Contrast(black, background) >= Contrast(white, background) ? black : white;
}

// The outline is the text drawn once at each of these offsets, in pixels, under the text itself.
struct Offset {
    int x, y;
};
inline constexpr std::array<Offset, 4> kOutlineOffsets{{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};

}  // namespace abaquino::designs
