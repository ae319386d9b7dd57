#pragma once

// Windows are described as tables of controls, as a form designer stores them; each front end
// builds its real controls from these tables. Standard library only, like the calculator.
// Positions and sizes are in twips (1/1440 inch) from the top left of the client area.

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace abaquino::designs {

// 1440 twips to the logical inch: 15 twips to a pixel at 96 dpi, fewer at higher resolutions.
constexpr int Pixels(int twips, int dpi = 96) { return (twips * dpi * 2 + 1440) / 2880; }

enum class ControlKind {
    TextBox,       // a read-only display
    EntryBox,      // the entry display, edited only by the calculator
    OptionButton,  // one of a group, no caption of its own
    PushButton,
    Label,         // opaque, on the window's colour
    Picture,       // the program's icon at its top-left corner
};

// Settings beyond kind, text, place and font.
enum Setting : unsigned {
    kNoSetting = 0,
    kRightAligned = 1u << 0,
    kClickFocusOnly = 1u << 1,  // focus by mouse, skipped by Tab
    kSizedToText = 1u << 2,
    kWordWrap = 1u << 3,
    kDefaultButton = 1u << 4,   // both the default and the cancel button of its window
};

struct Rgb {
    int red, green, blue;
};

struct FontDesign {
    std::string_view family;
    double points;
    bool bold = false;
    bool italic = false;
};

// Where a designed family is not installed: the free fonts with its metrics, best first, and last
// a family of the same kind that every desktop has, for a system with neither.
struct FontStandIns {
    std::string_view designed;
    std::array<std::string_view, 2> sameMetrics;
    std::string_view lastResort;  // a desktop's family
    std::string_view generic;     // the page's: CSS's generic family
};
inline constexpr FontStandIns kFontStandIns[] = {
    {"Times New Roman", {"Liberation Serif", "Tinos"}, "DejaVu Serif", "serif"},
    {"Comic Sans MS", {"Comic Neue", "Comic Relief"}, "DejaVu Sans", "cursive"},
};
constexpr const FontStandIns* StandInsFor(std::string_view family)
{
    for (const FontStandIns& standIns : kFontStandIns) {
        if (standIns.designed == family) return &standIns;
    }
    return nullptr;
}

inline constexpr int kNotInArray = -1;

// What a click on the control runs, when it runs anything: the calculator's handler of that name
// (cmdNumber_Click with the digit, CmdOperator_Click with the operator's index, ...).
enum class Command { None, Digit, Operator, Equals, Percent, Clear, ClearEntry, Decimal, PlusMinus, Euro, Lire };

struct ControlDesign {
    ControlKind kind;
    std::string_view name;
    int index;                     // place in a control array, or kNotInArray
    std::string_view caption;      // UTF-8
    int left, top, width, height;  // twips
    std::optional<FontDesign> font;  // nothing: the window's font
    unsigned settings = kNoSetting;
    std::optional<Rgb> textColour = std::nullopt;
    std::string_view toolTip = {};
    std::string_view accessibleName = {};         // what a screen reader calls it
    std::string_view accessibleDescription = {};
    Command command = Command::None;
};

struct WindowDesign {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
};

// A line of a window's drawing, one pixel high and `pixelWidth` thick downwards.
struct LineDesign {
    int x1, y1, x2, y2;  // twips
    Rgb colour;
    int pixelWidth;
};

// Where a control stands in its table. Used in constant expressions, a name that is not in the
// table does not compile.
consteval std::size_t PlaceOf(std::span<const ControlDesign> table, std::string_view name,
                              int index = kNotInArray)
{
    for (std::size_t place = 0; place < table.size(); ++place) {
        if (table[place].name == name && table[place].index == index) return place;
    }
    throw std::logic_error("no such control");
}

// Where the elements first, first + 1, ... of a control array stand in the table.
template <std::size_t Count>
consteval std::array<std::size_t, Count> PlacesOf(std::span<const ControlDesign> table,
                                                  std::string_view name, int first)
{
    std::array<std::size_t, Count> places{};
    for (std::size_t i = 0; i < Count; ++i) places[i] = PlaceOf(table, name, first + static_cast<int>(i));
    return places;
}

// Whether the control can have the focus at all: labels and pictures never take it.
constexpr bool TakesFocus(const ControlDesign& control)
{
    return control.kind != ControlKind::Label && control.kind != ControlKind::Picture;
}

// Whether Tab stops at the control: every control the user can focus, but those that only a click
// focuses.
constexpr bool TakesTab(const ControlDesign& control)
{
    return TakesFocus(control) && !(control.settings & kClickFocusOnly);
}

// Where the focus is when the window opens, as a form designer has it: on the first control in tab
// order that Tab stops at (the main window's entry, the About window's OK).
constexpr std::size_t StartFocus(std::span<const ControlDesign> table)
{
    std::size_t place = 0;
    while (place < table.size() && !TakesTab(table[place])) ++place;
    return place;
}

// What a screen reader calls a control, on every face: its designed name, led by its caption where
// the caption is a word of letters that the name does not hold ("C cancella tutto", "x per"), so
// that a user who speaks commands can say what they see (WCAG 2.5.3, Voice Access's "click CE").
// Every such caption counts, one letter as much as two. Nothing when no name is designed: the
// toolkit then names the control by its caption.
inline std::string SpokenName(const ControlDesign& control)
{
    const std::string_view caption = control.caption, name = control.accessibleName;
    const bool word = !caption.empty() && std::all_of(caption.begin(), caption.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
    const bool held = name.find(caption) != std::string_view::npos;
    return word && !name.empty() && !held ? std::string(caption) + ' ' + std::string(name) : std::string(name);
}

// The places of a table's controls as the window shows them, row by row from the top and from the
// left in a row: the order in which a reader meets them, whatever the tab order.
inline std::vector<std::size_t> ReadingOrder(std::span<const ControlDesign> table)
{
    std::vector<std::size_t> places(table.size());
    std::iota(places.begin(), places.end(), std::size_t{0});
    std::stable_sort(places.begin(), places.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(table[a].top, table[a].left) < std::pair(table[b].top, table[b].left);
    });
    return places;
}

}  // namespace abaquino::designs
