#include "web/phone_layout.h"

#include "behaviour/failure_balloon.h"
#include "designs/form1_design.h"
#include "web/page_markup.h"

#include <algorithm>
#include <cmath>

namespace abaquino::web {

using namespace designs;

namespace {

// The menu bar's designed height, and the viewports that get the phone's layout: narrow ones
// (a phone upright, a desktop zoomed far in), and short, wide ones (a phone on its side; a
// desktop's window, even a small one, is not as wide for its height).
constexpr int kMenuHeight = 20;
constexpr std::string_view kSmallViewport = "(max-width:500px),(max-height:440px) and (min-aspect-ratio:16/9)";

// Hundredths as a CSS number: 1333 is "13.33".
std::string Number(int hundredths)
{
    const std::string cents = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + (cents == "0" ? "" : (cents.size() == 1 ? ".0" : ".") + cents);
}

// "calc(var(--unit) * 56)": so many designed pixels, stretched.
std::string Times(std::string_view unit, int pixels) { return "calc(var(" + std::string(unit) + ")*" + std::to_string(pixels) + ")"; }
double FontPixels(const FontDesign& font) { return font.points * 96 / 72; }

}  // namespace

std::string PhoneCss()
{
    const int width = Pixels(kForm1.clientWidth), height = Pixels(kForm1.clientHeight);
    // The keypad is the designed window's lower part, from its first row of keys.
    int keypad = height;
    for (const ControlDesign& control : kForm1Controls) {
        if (control.kind == ControlKind::PushButton) keypad = std::min(keypad, Pixels(control.top));
    }
    const std::string above = std::to_string(keypad), below = std::to_string(height - keypad);

    // The window is the container whose size (cqw, cqh) the units are made of:
    // --x  a designed pixel across, the window's width shared as designed;
    // --u  a designed pixel kept square: the menu, the texts above the keypad;
    // --k  a designed pixel down the keypad: its keys grow up to twice as high as wide;
    // --v  a designed pixel down the displays and options, which take the height that is left.
    // None is ever less than a pixel: a viewport too small for the design scrolls, as a desktop's does.
    std::string css = std::string("@media ") + std::string(kSmallViewport) + "{\n"
        "body{padding:4px 0}\n"
        "#Form1{box-sizing:border-box;width:max(calc(100% - 8px)," + std::to_string(width + 2) + "px);"
        "height:calc(100vh - 8px);height:max(calc(100dvh - 8px)," + std::to_string(height + kMenuHeight + 2) + "px);"
        "display:flex;flex-direction:column;container-type:size;"
        "--x:max(1px,calc(100cqw / " + std::to_string(width) + "));"
        "--u:max(1px,min(calc(100cqw / " + std::to_string(width) + "),calc(100cqh / " + std::to_string(height + kMenuHeight) + ")));"
        "--k:max(1px,min(calc(var(--x) * 2),calc((100cqh - var(--u) * " + std::to_string(kMenuHeight + keypad) + ") / " + below + ")));"
        "--v:max(1px,calc((100cqh - var(--u) * " + std::to_string(kMenuHeight) + " - var(--k) * " + below + ") / " + above + "))}\n"
        "#menu{height:" + Times("--u", kMenuHeight) + ";padding:0;align-items:stretch}\n"
        "#menu button{font-size:" + Times("--u", 12) + ";padding:0 " + Times("--u", 7) + "}\n"
        "#Form1-client{width:auto;height:auto;flex:1}\n"
        // Each control's designed place and size (--l, --t, --w, --h), its label's line (--lh) and
        // its font's pixels (--f), stretched; a key's top is counted from the keypad's. A text
        // grows with the smaller of its two stretches.
        "#Form1-client [data-place]{left:calc(var(--x)*var(--l));top:calc(var(--v)*var(--t));"
        "width:calc(var(--x)*var(--w));height:calc(var(--v)*var(--h));line-height:calc(var(--v)*var(--lh));"
        "font-size:calc(min(var(--x),var(--v))*var(--f))}\n"
        "#Form1-client button[data-place]{top:calc(var(--v)*" + above + " + var(--k)*var(--t));height:calc(var(--k)*var(--h));"
        "font-size:calc(min(var(--x),var(--k))*var(--f))}\n";
    for (const ControlDesign& control : kForm1Controls) {
        const bool key = control.kind == ControlKind::PushButton;
        const int font = static_cast<int>(std::lround(FontPixels(control.font.value_or(kForm1Font)) * 100));
        css += Selector(ElementId(control.name, control.index)) + "{--l:" + std::to_string(Pixels(control.left)) +
               ";--t:" + std::to_string(Pixels(control.top) - (key ? keypad : 0)) +
               ((control.settings & kSizedToText) ? ";--lh:" + std::to_string(Pixels(control.height))
                                                  : ";--w:" + std::to_string(Pixels(control.width)) +
                                                        ";--h:" + std::to_string(Pixels(control.height))) +
               ";--f:" + Number(font) + "}\n";
    }
    const ControlDesign& entry = kForm1Controls[PlaceOf(kForm1Controls, behaviour::kFailureBalloonUnder)];
    css += "#balloon{left:" + Times("--x", Pixels(entry.left + entry.width / 2)) + ";top:" + Times("--v", Pixels(entry.top + entry.height)) +
           ";max-width:" + Times("--x", width - 2 * Pixels(entry.left)) + ";font-size:" + Times("--u", 12) + "}\n";
    return css + "}\n";
}

}  // namespace abaquino::web
