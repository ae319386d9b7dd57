#pragma once

class QApplication;

namespace abaquino::ui {

// The desktop file's name, which also names the program to the desktop (and to Wayland).
inline constexpr const char* kDesktopFileName = "it.abaquino.Abaquino";

// Names the program, gives it its icon, speaks Italian in Qt's own texts (context menus,
// standard buttons), lets screen readers hear announcements, and sets the style's own light
// palette and a left-to-right layout for the designed windows. Call once, before the first window.
void PrepareApplication(QApplication& application);

}  // namespace abaquino::ui
