#include "win32/option_focus.h"

#include <commctrl.h>

namespace abaquino::win32 {

namespace {

LRESULT CALLBACK OptionSubclass(HWND option, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    switch (message) {
    case WM_SETFOCUS: {
        bool& takingFocus = *reinterpret_cast<bool*>(data);
        takingFocus = true;
        const LRESULT result = DefSubclassProc(option, message, wParam, lParam);
        takingFocus = false;
        InvalidateRect(option, nullptr, TRUE);
        return result;
    }
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
        const LRESULT result = DefSubclassProc(option, message, wParam, lParam);
        InvalidateRect(option, nullptr, TRUE);
        return result;
    }
    case WM_PAINT: {
        if (wParam) break;  // painting into a DC of the caller's
        // The button paints its face into the paint DC first, and the rectangle goes on that
        // fresh face in the same DC: both only where the window is painted again, so a partial
        // repaint never inverts a part of the rectangle that was not painted over.
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(option, &paint);
        DefSubclassProc(option, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        const bool cuesHidden = SendMessageW(option, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS;
        if (GetFocus() == option && !cuesHidden) {
            RECT around{};
            GetClientRect(option, &around);
            DrawFocusRect(dc, &around);
        }
        EndPaint(option, &paint);
        return 0;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(option, &OptionSubclass, 0); break;
    default: break;
    }
    return DefSubclassProc(option, message, wParam, lParam);
}

}  // namespace

void PrepareOption(HWND option, bool& takingFocus)
{
    SendMessageW(option, BM_SETDONTCLICK, TRUE, 0);
    SetWindowSubclass(option, &OptionSubclass, 0, reinterpret_cast<DWORD_PTR>(&takingFocus));
}

}  // namespace abaquino::win32
