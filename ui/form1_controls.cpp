#include "form1_controls.h"

namespace abaquino::ui {

namespace {

using K = ControlKind;
constexpr FontSpec kKeyFont{"Times New Roman", 12, true};
constexpr FontSpec kEntryFont{"Times New Roman", 12, false};

ControlSpec Key(std::string_view name, int index, std::string_view caption, int left, int top)
{
    return {K::PushButton, name, index, caption, left, top, 495, 375, kKeyFont};
}

}  // namespace

// The keypad is a grid of five columns (left 120, 720, 1320, 2160, 2760) and four rows
// (top 1680, 2160, 2640, 3120); the displays and the currency choice sit above it.
const std::array<ControlSpec, 27> kForm1Controls = {{
    {K::TextBox, "TxtDisplay1", kNotInArray, "", 120, 1080, 3135, 375, std::nullopt,
     kRightAligned | kClickFocusOnly},
    {K::EntryBox, "txtDisplay", kNotInArray, "", 120, 240, 3135, 390, kEntryFont, kRightAligned,
     std::nullopt, "Inserisci le cifre"},
    {K::OptionButton, "OptBLire", kNotInArray, "", 3000, 720, 255, 255, std::nullopt},
    Key("cmdNumber", 1, "1", 120, 1680),
    Key("cmdNumber", 2, "2", 720, 1680),
    Key("cmdNumber", 3, "3", 1320, 1680),
    Key("cmdNumber", 4, "4", 120, 2160),
    Key("cmdNumber", 5, "5", 720, 2160),
    Key("cmdNumber", 6, "6", 1320, 2160),
    Key("cmdNumber", 7, "7", 120, 2640),
    Key("cmdNumber", 8, "8", 720, 2640),
    Key("cmdNumber", 9, "9", 1320, 2640),
    Key("cmdNumber", 0, "0", 720, 3120),
    Key("cmdPlusMinus", kNotInArray, "+/-", 120, 3120),
    Key("cmdDecimal", kNotInArray, ",", 1320, 3120),
    Key("CmdOperator", 4, "/", 2160, 1680),
    Key("CmdOperator", 3, "x", 2160, 2160),
    Key("CmdOperator", 2, "-", 2160, 2640),
    Key("CmdOperator", 1, "+", 2160, 3120),
    Key("cmdEquals", kNotInArray, "=", 2760, 3120),
    Key("cmdClear", kNotInArray, "C", 2760, 1680),
    Key("cmdClearEntry", kNotInArray, "CE", 2760, 2160),
    {K::OptionButton, "OptBEuro", kNotInArray, "", 2040, 720, 255, 255, std::nullopt},
    {K::Label, "Label1", kNotInArray, "Converti in:", 120, 720, 975, 225, std::nullopt,
     kSizedToText, Rgb{0, 0, 255}},
    {K::Label, "Label2", kNotInArray, "Lire", 2520, 720, 360, 225, std::nullopt, kSizedToText},
    {K::Label, "Label3", kNotInArray, "Euro", 1560, 720, 390, 225, std::nullopt, kSizedToText},
    // Unlike the other keys, percent keeps the window's smaller font.
    {K::PushButton, "CmdPercent", kNotInArray, "%", 2760, 2640, 495, 375, std::nullopt},
}};

}  // namespace abaquino::ui
