// A DLL planted beside the program under the name of a Windows DLL (oleacc, uiautomationcore):
// if it is ever loaded, it leaves "<its path>.ran" behind. Its functions answer that they failed.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID /*reserved*/)
{
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return TRUE;
    lstrcatW(path, L".ran");
    CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return TRUE;
}

// What the program may ask of oleacc and uiautomationcore; an import of any of them must resolve.
extern "C" __declspec(dllexport) HRESULT WINAPI CreateStdAccessibleObject() { return E_FAIL; }
extern "C" __declspec(dllexport) LRESULT WINAPI LresultFromObject() { return 0; }
extern "C" __declspec(dllexport) BOOL WINAPI UiaClientsAreListening() { return FALSE; }
