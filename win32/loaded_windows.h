#pragma once

#include "behaviour/loaded_windows.h"

#include <windows.h>

namespace abaquino::win32 {

// Win32's side of the list of loaded windows: a window is gone once its handle is no window any
// more, and is asked to close with WM_CLOSE, as a user would.
struct Win32Windows {
    using Window = HWND;
    static bool Exists(HWND window) { return IsWindow(window); }
    static void AskToClose(HWND window) { SendMessageW(window, WM_CLOSE, 0, 0); }
};

using LoadedWindows = behaviour::LoadedWindows<Win32Windows>;

}  // namespace abaquino::win32
