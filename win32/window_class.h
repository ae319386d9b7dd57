#pragma once

// What the program's window classes share: registering a class once, and a procedure that hands
// each message to the C++ object the window was created for.

#include <windows.h>

namespace abaquino::win32 {

// Registers the class unless the program has already; `background` may be null (the window
// paints its own).
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon,
                         HICON smallIcon, HBRUSH background);

// Moves and sizes the window to a rectangle of the screen, as WM_DPICHANGED suggests one.
inline void PlaceAt(HWND window, const RECT& place)
{
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The procedure of a class whose windows get their object as the creation parameter. The
// object (a friend) learns its window_ at WM_NCCREATE, before CreateWindowExW returns, and its
// OnMessage(message, wParam, lParam) answers every message until it clears GWLP_USERDATA.
template <class Window>
LRESULT CALLBACK ObjectProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace abaquino::win32
