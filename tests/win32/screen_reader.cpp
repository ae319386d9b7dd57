// An outside screen reader, in a process of its own as NVDA is. It hears live-region changes and
// alerts in every process, out of context, and reads the object's name at once, which is what
// NVDA speaks. It drives the Abaquino window: on-screen keys, typed keys while a keypad key has
// the focus, the Lire option and a failure; then asks each control for its accessible object and
// reads the announcer's UI Automation element. Prints a line for each thing it heard or read.
#include "designs/form1_design.h"
#include "win32/command_ids.h"

#include <cstdio>
#include <string>

#include <windows.h>

#include <oleacc.h>

namespace {

using namespace abaquino;
using designs::kForm1Controls;
using designs::PlaceOf;

void Print(const char* what, const std::wstring& text)
{
    char utf8[512]{};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8, sizeof(utf8) - 1, nullptr, nullptr);
    std::printf("%s: %s\n", what, utf8);
    std::fflush(stdout);
}

void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    IAccessible* accessible = nullptr;
    VARIANT which{};
    if (FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &which))) return;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(which, &name)) && name) Print("heard", name);
    SysFreeString(name);
    VariantClear(&which);
    accessible->Release();
}

// Lets the hook's events in while the program answers.
void Pump()
{
    for (int wait = 0; wait < 40; ++wait) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
}

void Click(HWND form, std::size_t place)
{
    SendMessageW(GetDlgItem(form, win32::ControlId(place)), BM_CLICK, 0, 0);
    Pump();
}

void Type(HWND form, const wchar_t* keys)
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &thread);
    for (const wchar_t* key = keys; *key; ++key) {  // at a typist's pace
        PostMessageW(thread.hwndFocus, WM_CHAR, *key, 1);
        Pump();
    }
    Print("focus", std::to_wstring(GetDlgCtrlID(thread.hwndFocus)));
}

// Through UiaNodeFromHandle, as a UI Automation client in another process reads an element.
void ReadElement(HWND window)
{
    const HMODULE uia = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    using Node = HANDLE;
    const auto fromHandle = reinterpret_cast<HRESULT(WINAPI*)(HWND, Node*)>(
        reinterpret_cast<void (*)()>(GetProcAddress(uia, "UiaNodeFromHandle")));
    const auto property = reinterpret_cast<HRESULT(WINAPI*)(Node, int, VARIANT*)>(
        reinterpret_cast<void (*)()>(GetProcAddress(uia, "UiaGetPropertyValue")));
    const auto release = reinterpret_cast<BOOL(WINAPI*)(Node)>(
        reinterpret_cast<void (*)()>(GetProcAddress(uia, "UiaNodeRelease")));
    Node node = nullptr;
    if (!fromHandle || !property || !release || FAILED(fromHandle(window, &node)) || !node) return;
    VARIANT type{};
    VARIANT name{};
    property(node, 30003, &type);  // UIA_ControlTypePropertyId
    property(node, 30005, &name);  // UIA_NamePropertyId
    Print("element", std::to_wstring(type.vt == VT_I4 ? type.lVal : 0) + L" " +
                         (name.vt == VT_BSTR && name.bstrVal ? name.bstrVal : L""));
    VariantClear(&name);
    release(node);
}

}  // namespace

int main()
{
    HWND form = nullptr;
    for (int wait = 0; wait < 300 && !form; ++wait, Sleep(100)) form = FindWindowW(L"AbaquinoForm1", nullptr);
    if (!form) return 1;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWINEVENTHOOK liveRegions = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED,
                                                      nullptr, Heard, 0, 0, WINEVENT_OUTOFCONTEXT);
    const HWINEVENTHOOK alerts =
        SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, Heard, 0, 0, WINEVENT_OUTOFCONTEXT);
    for (const std::size_t place : {PlaceOf(kForm1Controls, "cmdNumber", 1), PlaceOf(kForm1Controls, "cmdNumber", 2),
                                    PlaceOf(kForm1Controls, "CmdOperator", 1), PlaceOf(kForm1Controls, "cmdNumber", 3),
                                    PlaceOf(kForm1Controls, "cmdEquals")}) {
        Click(form, place);
    }
    Type(form, L"*2=");
    Click(form, PlaceOf(kForm1Controls, "OptBLire"));
    Type(form, L"/0=");
    for (HWND control = GetWindow(form, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(control, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT), SMTO_ABORTIFHUNG, 2000, &answer);
    }
    ReadElement(FindWindowExW(form, nullptr, L"AbaquinoAnnouncer", nullptr));
    UnhookWinEvent(alerts);
    UnhookWinEvent(liveRegions);
    CoUninitialize();
    return 0;
}
