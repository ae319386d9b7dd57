#include "about_controls.h"

namespace abaquino::ui {

namespace {
using K = ControlKind;
constexpr Rgb kBlack{0, 0, 0};
}  // namespace

const std::array<ControlDesign, 9> kAboutControls = {{
    {K::PushButton, "cmdOK", kNotInArray, "OK", 1800, 2880, 1260, 345, std::nullopt, kDefaultButton},
    {K::Label, "lblrealizzatoDa", kNotInArray, "software realizzato da", 1680, 960, 1530, 195,
     std::nullopt, kSizedToText, kBlack},
    {K::Label, "lblAvviso", kNotInArray,
     "Software libero con licenza MIT: copiatelo, modificatelo e distribuitelo.",
     240, 2280, 4035, 555, std::nullopt, kWordWrap, kBlack},
    {K::Label, "lblTitolo", kNotInArray, "Abaquino Euro", 1080, 240, 3120, 285,
     FontDesign{"Times New Roman", 12, true, true}, kSizedToText, kBlack},
    {K::Label, "lblVersione", kNotInArray, "Versione 1.8", 2040, 600, 885, 195, std::nullopt,
     kSizedToText},
    {K::Picture, "pboxLogo", kNotInArray, "", 120, 120, 596, 615, std::nullopt, kNoSetting,
     std::nullopt, {}, "Icona di Abaquino"},
    {K::Label, "Autore", kNotInArray, "Studio Tarì", 1440, 1200, 2010, 405,
     FontDesign{"Comic Sans MS", 14.25, true}, kSizedToText, Rgb{255, 255, 0}},
    {K::Label, "Data", kNotInArray, "04/01/2002", 3360, 1920, 870, 195, std::nullopt, kSizedToText},
    {K::Label, "Label1", kNotInArray, "Bologna", 2007, 1560, 915, 195, std::nullopt, kSizedToText},
}};

}  // namespace abaquino::ui
