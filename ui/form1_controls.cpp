#include "form1_controls.h"

namespace abaquino::ui {

namespace {

using K = ControlKind;
constexpr FontDesign kKeyFont{"Times New Roman", 12, true};
constexpr FontDesign kEntryFont{"Times New Roman", 12, false};

ControlDesign Key(std::string_view name, int index, std::string_view caption, int left, int top,
                std::string_view spoken, std::string_view description)
{
    return {K::PushButton, name, index, caption, left, top, 495, 375, kKeyFont, kNoSetting,
            std::nullopt, {}, spoken, description};
}

ControlDesign Digit(int digit, int left, int top)
{
    static constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static constexpr std::string_view kDescriptions[] = {
        "Scrive la cifra 0", "Scrive la cifra 1", "Scrive la cifra 2", "Scrive la cifra 3",
        "Scrive la cifra 4", "Scrive la cifra 5", "Scrive la cifra 6", "Scrive la cifra 7",
        "Scrive la cifra 8", "Scrive la cifra 9"};
    const std::string_view text = kDigits[digit];
    return Key("cmdNumber", digit, text, left, top, text, kDescriptions[digit]);
}

}  // namespace

// The keypad is a grid of five columns (left 120, 720, 1320, 2160, 2760) and four rows
// (top 1680, 2160, 2640, 3120); the displays and the currency choice sit above it.
const std::array<ControlDesign, 27> kForm1Controls = {{
    {K::TextBox, "TxtDisplay1", kNotInArray, "", 120, 1080, 3135, 375, std::nullopt,
     kRightAligned | kClickFocusOnly, std::nullopt, {}, "Importo convertito",
     "L'importo nella valuta scelta"},
    {K::EntryBox, "txtDisplay", kNotInArray, "", 120, 240, 3135, 390, kEntryFont, kRightAligned,
     std::nullopt, "Inserisci le cifre", "Importo", "L'importo scritto o il risultato"},
    {K::OptionButton, "OptBLire", kNotInArray, "", 3000, 720, 255, 255, std::nullopt, kNoSetting,
     std::nullopt, {}, "Converti in lire", "L'importo è in euro e si converte in lire"},
    Digit(1, 120, 1680),
    Digit(2, 720, 1680),
    Digit(3, 1320, 1680),
    Digit(4, 120, 2160),
    Digit(5, 720, 2160),
    Digit(6, 1320, 2160),
    Digit(7, 120, 2640),
    Digit(8, 720, 2640),
    Digit(9, 1320, 2640),
    Digit(0, 720, 3120),
    Key("cmdPlusMinus", kNotInArray, "+/-", 120, 3120, "cambia segno", "Cambia il segno dell'importo"),
    Key("cmdDecimal", kNotInArray, ",", 1320, 3120, "virgola", "Scrive la virgola decimale"),
    Key("CmdOperator", 4, "/", 2160, 1680, "diviso", "Divisione"),
    Key("CmdOperator", 3, "x", 2160, 2160, "per", "Moltiplicazione"),
    Key("CmdOperator", 2, "-", 2160, 2640, "meno", "Sottrazione"),
    Key("CmdOperator", 1, "+", 2160, 3120, "più", "Addizione"),
    Key("cmdEquals", kNotInArray, "=", 2760, 3120, "uguale", "Calcola il risultato"),
    Key("cmdClear", kNotInArray, "C", 2760, 1680, "cancella tutto", "Azzera il calcolo"),
    Key("cmdClearEntry", kNotInArray, "CE", 2760, 2160, "cancella voce", "Cancella l'importo scritto"),
    {K::OptionButton, "OptBEuro", kNotInArray, "", 2040, 720, 255, 255, std::nullopt, kNoSetting,
     std::nullopt, {}, "Converti in euro", "L'importo è in lire e si converte in euro"},
    {K::Label, "Label1", kNotInArray, "Converti in:", 120, 720, 975, 225, std::nullopt,
     kSizedToText, Rgb{0, 0, 255}},
    {K::Label, "Label2", kNotInArray, "Lire", 2520, 720, 360, 225, std::nullopt, kSizedToText},
    {K::Label, "Label3", kNotInArray, "Euro", 1560, 720, 390, 225, std::nullopt, kSizedToText},
    // Unlike the other keys, percent keeps the window's smaller font.
    {K::PushButton, "CmdPercent", kNotInArray, "%", 2760, 2640, 495, 375, std::nullopt, kNoSetting,
     std::nullopt, {}, "percentuale", "Calcola la percentuale"},
}};

}  // namespace abaquino::ui
