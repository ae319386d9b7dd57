// What a screen reader does first: asks each control of the Abaquino window for its accessible
// object, so that the program loads what answers it.
#include <windows.h>

static BOOL CALLBACK Ask(HWND control, LPARAM /*unused*/)
{
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(control, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT), SMTO_ABORTIFHUNG, 2000, &answer);
    return TRUE;
}

int main()
{
    const HWND window = FindWindowW(nullptr, L"Abaquino");
    if (!window) return 1;
    Ask(window, 0);
    EnumChildWindows(window, Ask, 0);
    return 0;
}
