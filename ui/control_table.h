#pragma once

// Windows are described as tables of controls, as a form designer stores them, and built from
// those tables. Positions and sizes are in twips (1/1440 inch).

#include <QFont>
#include <QRect>
#include <QString>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QWidget;

namespace abaquino::ui {

// 15 twips to a device-independent pixel: 1440 to the logical inch at 96 dpi.
constexpr int Pixels(int twips) { return (twips * 2 + 15) / 30; }
QRect PixelRect(int left, int top, int width, int height);

enum class ControlKind {
    TextBox,       // a read-only display
    EntryBox,      // the entry display, edited only by the calculator
    OptionButton,  // one of a group, no caption of its own
    PushButton,
    Label,
    Picture,       // the program's icon at its top-left corner
};

// Settings beyond kind, text, place and font.
enum Setting : unsigned {
    kNoSetting = 0,
    kRightAligned = 1u << 0,
    kClickFocusOnly = 1u << 1,  // focus by mouse, skipped by Tab
    kSizedToText = 1u << 2,
    kWordWrap = 1u << 3,
    kDefaultButton = 1u << 4,   // Enter and Esc press it
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

inline constexpr int kNotInArray = -1;

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
};

QFont MakeFont(const FontDesign& design);

// "cmdNumber(7)" for an element of an array, the plain name otherwise.
QString ObjectName(const ControlDesign& design);

// Creates the controls on the parent in table order, which is also their tab order.
std::vector<QWidget*> BuildControls(std::span<const ControlDesign> table, QWidget* parent);

}  // namespace abaquino::ui
