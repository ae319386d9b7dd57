#pragma once

#include <windows.h>

namespace abaquino::win32 {

// An option button without a caption draws its focus rectangle around its (empty) text, that
// is nowhere; this one draws it around its box, whenever it has the focus and its window shows
// focus cues.
void ShowFocusAroundBox(HWND option);

}  // namespace abaquino::win32
