#pragma once

#include "control_table.h"

#include <array>

namespace abaquino::ui {

// The main window as designed: its client area, its font and its controls in tab order.
inline constexpr int kForm1ClientWidth = 3375;   // twips
inline constexpr int kForm1ClientHeight = 3600;
inline constexpr FontDesign kForm1Font{"Times New Roman", 9.75, true};

extern const std::array<ControlDesign, 27> kForm1Controls;

}  // namespace abaquino::ui
