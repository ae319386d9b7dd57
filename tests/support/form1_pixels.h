#pragma once

// Where each control of the main window stands, in pixels, worked out by hand from its twips (15
// to the pixel at 96 dpi, 7.5 at 192), its font, its caption and the name a screen reader says:
// what each front end must give, written here by hand so that a wrong design fails.
// Labels size themselves to their text; only their corner is fixed.

#include <array>

namespace abaquino::testing {

struct PixelBox {
    int x, y, width, height;
};

struct ExpectedControl {
    const char* name;
    int index;  // -1: not in a control array
    PixelBox at96, at192;
    double points;
    bool bold;
    const char* caption;
    const char* spoken;  // the name a screen reader says
};

// In the design's order.
inline constexpr std::array<ExpectedControl, 27> kForm1Pixels = {{
    {"TxtDisplay1", -1, {8, 72, 209, 25}, {16, 144, 418, 50}, 9.75, true, "", "Importo convertito"},
    {"txtDisplay", -1, {8, 16, 209, 26}, {16, 32, 418, 52}, 12, false, "", "Importo"},
    {"OptBLire", -1, {200, 48, 17, 17}, {400, 96, 34, 34}, 9.75, true, "", "Converti in lire"},
    {"cmdNumber", 1, {8, 112, 33, 25}, {16, 224, 66, 50}, 12, true, "1", "1"},
    {"cmdNumber", 2, {48, 112, 33, 25}, {96, 224, 66, 50}, 12, true, "2", "2"},
    {"cmdNumber", 3, {88, 112, 33, 25}, {176, 224, 66, 50}, 12, true, "3", "3"},
    {"cmdNumber", 4, {8, 144, 33, 25}, {16, 288, 66, 50}, 12, true, "4", "4"},
    {"cmdNumber", 5, {48, 144, 33, 25}, {96, 288, 66, 50}, 12, true, "5", "5"},
    {"cmdNumber", 6, {88, 144, 33, 25}, {176, 288, 66, 50}, 12, true, "6", "6"},
    {"cmdNumber", 7, {8, 176, 33, 25}, {16, 352, 66, 50}, 12, true, "7", "7"},
    {"cmdNumber", 8, {48, 176, 33, 25}, {96, 352, 66, 50}, 12, true, "8", "8"},
    {"cmdNumber", 9, {88, 176, 33, 25}, {176, 352, 66, 50}, 12, true, "9", "9"},
    {"cmdNumber", 0, {48, 208, 33, 25}, {96, 416, 66, 50}, 12, true, "0", "0"},
    {"cmdPlusMinus", -1, {8, 208, 33, 25}, {16, 416, 66, 50}, 12, true, "+/-", "cambia segno"},
    {"cmdDecimal", -1, {88, 208, 33, 25}, {176, 416, 66, 50}, 12, true, ",", "virgola"},
    {"CmdOperator", 4, {144, 112, 33, 25}, {288, 224, 66, 50}, 12, true, "/", "diviso"},
    {"CmdOperator", 3, {144, 144, 33, 25}, {288, 288, 66, 50}, 12, true, "x", "x per"},
    {"CmdOperator", 2, {144, 176, 33, 25}, {288, 352, 66, 50}, 12, true, "-", "meno"},
    {"CmdOperator", 1, {144, 208, 33, 25}, {288, 416, 66, 50}, 12, true, "+", "più"},
    {"cmdEquals", -1, {184, 208, 33, 25}, {368, 416, 66, 50}, 12, true, "=", "uguale"},
    {"cmdClear", -1, {184, 112, 33, 25}, {368, 224, 66, 50}, 12, true, "C", "C cancella tutto"},
    {"cmdClearEntry", -1, {184, 144, 33, 25}, {368, 288, 66, 50}, 12, true, "CE", "CE cancella voce"},
    {"OptBEuro", -1, {136, 48, 17, 17}, {272, 96, 34, 34}, 9.75, true, "", "Converti in euro"},
    {"Label1", -1, {8, 48, 65, 15}, {16, 96, 130, 30}, 9.75, true, "Converti in:", "Converti in:"},
    {"Label2", -1, {168, 48, 24, 15}, {336, 96, 48, 30}, 9.75, true, "Lire", "Lire"},
    {"Label3", -1, {104, 48, 26, 15}, {208, 96, 52, 30}, 9.75, true, "Euro", "Euro"},
    {"CmdPercent", -1, {184, 176, 33, 25}, {368, 352, 66, 50}, 9.75, true, "%", "percentuale"},
}};

}  // namespace abaquino::testing
