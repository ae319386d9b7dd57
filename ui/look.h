#pragma once

#include <QColor>
#include <QIcon>

namespace abaquino::ui {

inline const QColor kLightGrey{192, 192, 192};

// The abacus-and-euro icon of both windows, from 16 to 64 pixels: sharp also at twice the scale.
// Decoding it takes a moment; PrepareApplication makes it the application's icon once.
QIcon ProgramIcon();

// Where the designed fonts are missing, use the metric-compatible free ones.
void InstallFontSubstitutes();

}  // namespace abaquino::ui
