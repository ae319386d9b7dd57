#pragma once

// The main window as designed: the calculator's displays, the currency choice and the keypad.

#include "designs/control_design.h"

#include <array>

namespace abaquino::designs {

inline constexpr WindowDesign kForm1{"Form1", "Abaquino", 3375, 3600};
inline constexpr FontDesign kForm1Font{"Times New Roman", 9.75, true};
inline constexpr Rgb kForm1Background{192, 192, 192};

namespace form1 {

inline constexpr FontDesign kKeyFont{"Times New Roman", 12, true};
inline constexpr FontDesign kEntryFont{"Times New Roman", 12, false};
inline constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
inline constexpr std::string_view kDigitDescriptions[] = {
    "Scrive la cifra 0", "Scrive la cifra 1", "Scrive la cifra 2", "Scrive la cifra 3",
    "Scrive la cifra 4", "Scrive la cifra 5", "Scrive la cifra 6", "Scrive la cifra 7",
    "Scrive la cifra 8", "Scrive la cifra 9"};

constexpr ControlDesign Key(std::string_view name, int index, std::string_view caption, int left,
                            int top, std::string_view spoken, std::string_view description, Command command)
{
    return {ControlKind::PushButton, name, index, caption, left, top, 495, 375, kKeyFont,
            kNoSetting, std::nullopt, {}, spoken, description, command};
}

constexpr ControlDesign Digit(int digit, int left, int top)
{
    return Key("cmdNumber", digit, kDigits[digit], left, top, kDigits[digit], kDigitDescriptions[digit],
               Command::Digit);
}

}  // namespace form1

// In tab order. The keypad is a grid of five columns (left 120, 720, 1320, 2160, 2760) and four
// rows (top 1680, 2160, 2640, 3120); the displays and the currency choice sit above it.
inline constexpr auto kForm1Controls = std::to_array<ControlDesign>({
    {ControlKind::TextBox, "TxtDisplay1", kNotInArray, "", 120, 1080, 3135, 375, std::nullopt,
     kRightAligned | kClickFocusOnly, std::nullopt, {}, "Importo convertito",
     "L'importo nella valuta scelta"},
    {ControlKind::EntryBox, "txtDisplay", kNotInArray, "", 120, 240, 3135, 390, form1::kEntryFont,
     kRightAligned, std::nullopt, "Inserisci le cifre", "Importo", "L'importo scritto o il risultato"},
    {ControlKind::OptionButton, "OptBLire", kNotInArray, "", 3000, 720, 255, 255, std::nullopt,
     kNoSetting, std::nullopt, {}, "Converti in lire", "L'importo è in euro e si converte in lire",
     Command::Lire},
    form1::Digit(1, 120, 1680),
    form1::Digit(2, 720, 1680),
    form1::Digit(3, 1320, 1680),
    form1::Digit(4, 120, 2160),
    form1::Digit(5, 720, 2160),
    form1::Digit(6, 1320, 2160),
    form1::Digit(7, 120, 2640),
    form1::Digit(8, 720, 2640),
    form1::Digit(9, 1320, 2640),
    form1::Digit(0, 720, 3120),
    form1::Key("cmdPlusMinus", kNotInArray, "+/-", 120, 3120, "cambia segno", "Cambia il segno dell'importo",
              Command::PlusMinus),
    form1::Key("cmdDecimal", kNotInArray, ",", 1320, 3120, "virgola", "Scrive la virgola decimale", Command::Decimal),
    form1::Key("CmdOperator", 4, "/", 2160, 1680, "diviso", "Divisione", Command::Operator),
    form1::Key("CmdOperator", 3, "x", 2160, 2160, "per", "Moltiplicazione", Command::Operator),
    form1::Key("CmdOperator", 2, "-", 2160, 2640, "meno", "Sottrazione", Command::Operator),
    form1::Key("CmdOperator", 1, "+", 2160, 3120, "più", "Addizione", Command::Operator),
    form1::Key("cmdEquals", kNotInArray, "=", 2760, 3120, "uguale", "Calcola il risultato", Command::Equals),
    form1::Key("cmdClear", kNotInArray, "C", 2760, 1680, "cancella tutto", "Azzera il calcolo", Command::Clear),
    form1::Key("cmdClearEntry", kNotInArray, "CE", 2760, 2160, "cancella voce", "Cancella l'importo scritto",
              Command::ClearEntry),
    {ControlKind::OptionButton, "OptBEuro", kNotInArray, "", 2040, 720, 255, 255, std::nullopt,
     kNoSetting, std::nullopt, {}, "Converti in euro", "L'importo è in lire e si converte in euro",
     Command::Euro},
    {ControlKind::Label, "Label1", kNotInArray, "Converti in:", 120, 720, 975, 225, std::nullopt,
     kSizedToText, Rgb{0, 0, 255}},
    {ControlKind::Label, "Label2", kNotInArray, "Lire", 2520, 720, 360, 225, std::nullopt, kSizedToText},
    {ControlKind::Label, "Label3", kNotInArray, "Euro", 1560, 720, 390, 225, std::nullopt, kSizedToText},
    // Unlike the other keys, percent keeps the window's smaller font.
    {ControlKind::PushButton, "CmdPercent", kNotInArray, "%", 2760, 2640, 495, 375, std::nullopt,
     kNoSetting, std::nullopt, {}, "percentuale", "Calcola la percentuale", Command::Percent},
});

// The options carry no text of their own: the label to the left of each names it, and "Converti
// in:" names the pair.
struct LabelFor {
    std::string_view label, control;
};
inline constexpr auto kForm1OptionLabels = std::to_array<LabelFor>({{"Label3", "OptBEuro"}, {"Label2", "OptBLire"}});
inline constexpr std::string_view kForm1OptionsLabel = "Label1";

// The menu bar: top-level entries without drop-downs, each firing at once.
struct MenuEntryDesign {
    std::string_view name;
    int index;
    std::string_view caption;  // "&" marks the access key
};
// The letter after "&": with Alt, it chooses the entry.
constexpr char AccessKey(const MenuEntryDesign& entry) { return entry.caption[entry.caption.find('&') + 1]; }

inline constexpr auto kForm1Menu = std::to_array<MenuEntryDesign>({
    {"Esci", 1, "&Esci"},
    {"Informazioni", kNotInArray, "&Informazioni"},
});

// The entry's own menu (a right click, a long press on a phone, the menu key): its amount copied,
// an amount pasted. Copying is greyed while the entry is empty.
inline constexpr auto kEntryMenu = std::to_array<MenuEntryDesign>({
    {"Copia", kNotInArray, "&Copia"},
    {"Incolla", kNotInArray, "&Incolla"},
});
// An entry of that menu that has nothing to act on while the entry is empty, and so is greyed.
constexpr bool GreyedWhileEmpty(const MenuEntryDesign& item) { return item.name == "Copia"; }

}  // namespace abaquino::designs
