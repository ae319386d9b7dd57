#pragma once

class QApplication;

namespace abaquino::ui {

// The desktop file's name, which also names the program to the desktop (and to Wayland).
inline constexpr const char* kDesktopFileName = "it.abaquino.Abaquino";

// Names the program, gives it its icon, speaks Italian in Qt's own texts (context menus,
// standard buttons) and installs the font substitutes. Call once, before the first window.
void PrepareApplication(QApplication& application);

}  // namespace abaquino::ui
