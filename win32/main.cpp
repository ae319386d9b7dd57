// Abaquino for Windows: the main window over the calculator, and the message loop.

#include "win32/form1.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show)
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    abaquino::win32::Form1 form(instance);
    form.Show(show);
    return form.Pump().Run();
}
