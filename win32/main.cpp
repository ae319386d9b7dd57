// Abaquino for Windows: the main window over the calculator, and the message loop.

#include "win32/form1.h"
#include "win32/system_dlls.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    abaquino::win32::LoadDllsFromSystem32Only();
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    // A screen reader gets the controls' accessible objects through COM, from this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int status = 0;
    {
        abaquino::win32::Form1 form(instance);
        form.Show(show);
        status = form.pump().Run();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return status;
}
