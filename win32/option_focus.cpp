#include "win32/option_focus.h"

#include <commctrl.h>

namespace abaquino::win32 {

namespace {

LRESULT CALLBACK DrawingFocus(HWND option, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
        const LRESULT result = DefSubclassProc(option, message, wParam, lParam);
        InvalidateRect(option, nullptr, TRUE);
        return result;
    }
    case WM_PAINT: {
        // The button paints all of itself first, so the rectangle is drawn once on a clean face.
        const LRESULT result = DefSubclassProc(option, message, wParam, lParam);
        const bool cuesHidden = SendMessageW(option, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS;
        if (GetFocus() == option && !cuesHidden) {
            RECT around{};
            GetClientRect(option, &around);
            HDC dc = GetDC(option);
            DrawFocusRect(dc, &around);
            ReleaseDC(option, dc);
        }
        return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(option, &DrawingFocus, 0); break;
    default: break;
    }
    return DefSubclassProc(option, message, wParam, lParam);
}

}  // namespace

void ShowFocusAroundBox(HWND option) { SetWindowSubclass(option, &DrawingFocus, 0, 0); }

}  // namespace abaquino::win32
