// An outside screen reader, in a process of its own as NVDA is, and as strict as NVDA's published
// rules: it speaks a live-region change by the object's name, read at once, and an alert only from
// an object whose role is alert (NVDAObjects/IAccessible, event_alert). It drives the Abaquino
// window: on-screen keys, typed keys while a keypad key has the focus, the Lire option, two
// failures; then clicks the conversion display and reads what its focus says, asks each control
// for its accessible object and reads the announcer's UI Automation element. Prints a line for
// each thing it heard or read, in order.
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

bool readingFocus = false;

void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (event == EVENT_OBJECT_FOCUS && !readingFocus) return;
    IAccessible* accessible = nullptr;
    VARIANT which{};
    if (FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &which))) return;
    VARIANT role{};
    const bool alert = SUCCEEDED(accessible->get_accRole(which, &role)) && role.vt == VT_I4 && role.lVal == ROLE_SYSTEM_ALERT;
    BSTR name = nullptr;
    if ((event != EVENT_SYSTEM_ALERT || alert) && SUCCEEDED(accessible->get_accName(which, &name)) && name) {
        Print(event == EVENT_OBJECT_FOCUS ? "focus says" : "heard", name);
    }
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
    VARIANT control{};
    VARIANT content{};
    property(node, 30003, &type);     // UIA_ControlTypePropertyId
    property(node, 30016, &control);  // UIA_IsControlElementPropertyId
    property(node, 30017, &content);  // UIA_IsContentElementPropertyId
    const auto in = [](const VARIANT& view) { return view.vt == VT_BOOL && view.boolVal ? L"1" : L"0"; };
    Print("element", std::to_wstring(type.vt == VT_I4 ? type.lVal : 0) + L", control view " + in(control) +
                         L", content view " + in(content));
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
    Click(form, PlaceOf(kForm1Controls, "cmdClear"));
    Click(form, PlaceOf(kForm1Controls, "OptBEuro"));
    Type(form, L"100000000000000***");
    // The conversion display, which only a click reaches: its focus says its designed name.
    const HWINEVENTHOOK focus = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, Heard, 0, 0,
                                                WINEVENT_OUTOFCONTEXT);
    readingFocus = true;
    const HWND conversion = GetDlgItem(form, win32::ControlId(PlaceOf(kForm1Controls, "TxtDisplay1")));
    PostMessageW(conversion, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(conversion, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    Pump();
    readingFocus = false;
    UnhookWinEvent(focus);
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
