#pragma once

#include <windows.h>

namespace abaquino::win32 {

// A static label paints as the system paints it, in the colours its window gives
// (WM_CTLCOLORSTATIC), unless that text colour is too light (or too dark) for that face: then its
// letters are ringed by the designs' outline, as on every face.
void PrepareLabel(HWND label);

}  // namespace abaquino::win32
