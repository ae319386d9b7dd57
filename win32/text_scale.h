#pragma once

namespace abaquino::win32 {

// Windows' text size (Settings › Accessibility › Text size), in percent: 100 to 225. Windows
// enlarges its own fonts by it, the message font that the About window takes among them; the main
// window's designed fonts and places grow by it too. The setting stays where Settings writes it,
// the user's TextScaleFactor under Software\Microsoft\Accessibility; 100 where it was never set.
int TextScalePercent();

}  // namespace abaquino::win32
