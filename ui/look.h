#pragma once

#include <QColor>
#include <QIcon>

namespace abaquino::ui {

inline const QColor kLightGrey{192, 192, 192};
inline const QColor kBlue{0, 0, 255};
inline const QColor kYellow{255, 255, 0};
inline const QColor kWhite{255, 255, 255};
inline const QColor kGrey{128, 128, 128};

// The abacus-and-euro icon of both windows, from 16 to 256 pixels for sharp high-DPI screens.
QIcon ProgramIcon();

// Where the designed fonts are missing, use the metric-compatible free ones.
void InstallFontSubstitutes();

}  // namespace abaquino::ui
