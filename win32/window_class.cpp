#include "win32/window_class.h"

namespace abaquino::win32 {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon,
                         HICON smallIcon, HBRUSH background)
{
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, name, &windowClass)) return;
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

}  // namespace abaquino::win32
