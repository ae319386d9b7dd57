#pragma once

// The About window as designed: its controls in tab order and the two lines of its etched rule.

#include "designs/control_design.h"

#include <abaquino_version.h>

#include <array>
#include <string>

namespace abaquino::designs {

inline constexpr WindowDesign kAbout{"frmAbout", "Informazioni su Abaquino Euro", 4500, 3285};
// Not centred: the client area's corner stands here on the screen.
inline constexpr int kAboutLeft = 3810;  // twips
inline constexpr int kAboutTop = 2565;

namespace about {
inline constexpr Rgb kBlack{0, 0, 0};
}

inline constexpr auto kAboutControls = std::to_array<ControlDesign>({
    {ControlKind::PushButton, "cmdOK", kNotInArray, "OK", 1800, 2880, 1260, 345, std::nullopt,
     kDefaultButton},
    {ControlKind::Label, "lblrealizzatoDa", kNotInArray, "software realizzato da", 1680, 960, 1530,
     195, std::nullopt, kSizedToText, about::kBlack},
    {ControlKind::Label, "lblAvviso", kNotInArray,
     "Software libero con licenza MIT: copiatelo, modificatelo e distribuitelo.", 240, 2280, 4035,
     555, std::nullopt, kWordWrap, about::kBlack},
    {ControlKind::Label, "lblTitolo", kNotInArray, "Abaquino Euro", 1080, 240, 3120, 285,
     FontDesign{"Times New Roman", 12, true, true}, kSizedToText, about::kBlack},
    {ControlKind::Label, "lblVersione", kNotInArray, "Versione " ABAQUINO_VERSION, 2040, 600, 885, 195,
     std::nullopt, kSizedToText},
    {ControlKind::Picture, "pboxLogo", kNotInArray, "", 120, 120, 596, 615, std::nullopt,
     kNoSetting, std::nullopt, {}, "Icona di Abaquino"},
    {ControlKind::Label, "Autore", kNotInArray, "Studio Tarì", 1440, 1200, 2010, 405,
     FontDesign{"Comic Sans MS", 14.25, true}, kSizedToText, Rgb{255, 255, 0}},
    {ControlKind::Label, "Data", kNotInArray, "04/01/2002", 3360, 1920, 870, 195, std::nullopt,
     kSizedToText},
    {ControlKind::Label, "Label1", kNotInArray, "Bologna", 2007, 1560, 915, 195, std::nullopt,
     kSizedToText},
});

// The labels a screen reader says as the window opens, in this order: version, maker, city, date.
inline constexpr std::array<std::string_view, 4> kAboutFacts = {"lblVersione", "Autore", "Label1", "Data"};

// What they say together, the window's description: "Versione 1.8, Studio Tarì, Bologna, 04/01/2002".
inline std::string AboutFactsText()
{
    std::string text;
    for (const std::string_view fact : kAboutFacts) {
        for (const ControlDesign& control : kAboutControls) {
            if (control.name == fact) text.append(text.empty() ? "" : ", ").append(control.caption);
        }
    }
    return text;
}

// Drawn in this order, so the grey line lies over the upper half of the white one.
inline constexpr auto kAboutRule = std::to_array<LineDesign>({
    {120, 2040, 4440, 2040, {255, 255, 255}, 2},  // Line1(0)
    {120, 2040, 4485, 2040, {128, 128, 128}, 1},  // Line1(1)
});

}  // namespace abaquino::designs
