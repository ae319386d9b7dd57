#include "window_test_support.h"

#include "designs/legibility.h"
#include "win32/about_window.h"

#include <algorithm>
#include <map>


#include <oleacc.h>

namespace abaquino::win32::testing {

namespace {

HWND KeyTarget(const Form1& form)
{
    const HWND focus = GetFocus();
    return focus ? focus : form.Hwnd();
}

// The thread's view of the modifier keys, as the desktop would leave it while they are held.
void Hold(Modifiers held)
{
    BYTE keys[256]{};
    GetKeyboardState(keys);
    const auto set = [&keys](int key, bool down) { keys[key] = down ? 0x80 : 0; };
    set(VK_SHIFT, held.shift);
    set(VK_LSHIFT, held.shift);
    set(VK_CONTROL, held.control);
    set(VK_LCONTROL, held.control);
    set(VK_MENU, held.alt);
    set(VK_LMENU, held.alt);
    set(VK_LWIN, held.meta);
    SetKeyboardState(keys);
}

LPARAM KeyData(WORD key, bool release, bool alt)
{
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    return 1 | (scan << 16) | (alt ? (1L << 29) : 0) | (release ? (3L << 30) : 0);
}

}  // namespace

ShownForm::ShownForm(UiaFunctions uia)
    : form(GetModuleHandleW(nullptr), [this] { ++beeps; }, [this] { return highContrast; }, uia)
{
    form.Show(SW_SHOWNORMAL);
    SetForegroundWindow(form.Hwnd());
    SetFocus(form.txtDisplay);
    Pump();
}

std::size_t ShownForm::Caret() const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(form.txtDisplay, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end;
}

void ShownForm::Click(HWND control)
{
    SendMessageW(control, BM_CLICK, 0, 0);
    Pump();
}

namespace {
bool released = false;
LRESULT CALLBACK SeeRelease(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == WM_LBUTTONUP) released = true;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

void ShownForm::ClickAt(POINT at)
{
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    for (INPUT& input : click) {  // at the point itself, wherever the pointer was
        input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    click[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    released = false;
    const HHOOK hook = SetWindowsHookExW(WH_MOUSE, SeeRelease, nullptr, GetCurrentThreadId());
    SendInput(2, click, sizeof(INPUT));
    // Woken by the click's own messages as they come, not by a clock: a storm of clicks takes the
    // time of its work, whatever the pace of wine and the X server.
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (!released && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjectsEx(0, nullptr, 50, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        Pump();
    }
    UnhookWindowsHookEx(hook);
    Pump();  // what the release set off
}

void ShownForm::KeyDown(WORD key, Modifiers held)
{
    Hold(held);
    PostMessageW(KeyTarget(form), held.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, KeyData(key, false, held.alt));
    Pump();
}

void ShownForm::KeyUp(WORD key, Modifiers held)
{
    Hold(held);
    PostMessageW(KeyTarget(form), held.alt ? WM_SYSKEYUP : WM_KEYUP, key, KeyData(key, true, held.alt));
    Pump();
    Hold({});
}

void ShownForm::Key(WORD key, Modifiers held)
{
    KeyDown(key, held);
    KeyUp(key, held);
}

void ShownForm::Type(std::string_view characters)
{
    for (const char character : characters) {
        if (character == '\x1b') {  // typed by the Esc key, not by Ctrl+[
            Key(VK_ESCAPE);
            continue;
        }
        const SHORT scan = VkKeyScanW(static_cast<wchar_t>(static_cast<unsigned char>(character)));
        if (scan == -1) {  // no key of the layout types it: it comes as an input method sends it
            PostMessageW(KeyTarget(form), WM_CHAR, static_cast<unsigned char>(character), 1);
            Pump();
            continue;
        }
        Key(LOBYTE(scan), {.shift = (HIBYTE(scan) & 1) != 0});
    }
}

namespace {
const std::function<void(HWND)>* insideAbout = nullptr;
HWND seenAbout = nullptr;
}  // namespace

HWND WithAboutOpen(ShownForm& shown, const std::function<void()>& open,
                   const std::function<void(HWND about)>& inside)
{
    insideAbout = &inside;
    seenAbout = nullptr;
    // A thread timer is dispatched by whichever loop runs: the About window's own, once it is up.
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        seenAbout = FindWindowW(frmAbout::kClassName, nullptr);
        if (seenAbout) (*insideAbout)(seenAbout);
    });
    open();
    // Up to 10 s: a busy machine can take that long, and a window that is there ends it at once.
    for (int wait = 0; wait < 1000 && !seenAbout; ++wait) {
        Sleep(10);
        shown.Pump();
    }
    KillTimer(nullptr, timer);
    insideAbout = nullptr;
    return seenAbout;
}

void PostKey(HWND target, WORD key, bool alt)
{
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1 | scan | (alt ? 1L << 29 : 0));
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, 1 | scan | (alt ? 1L << 29 : 0) | (3L << 30));
}

void PutOnClipboard(HWND owner, const wchar_t* text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

void PutPictureOnClipboard(HWND owner)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof kSignature);
    memcpy(GlobalLock(memory), kSignature, sizeof kSignature);
    GlobalUnlock(memory);
    SetClipboardData(RegisterClipboardFormatW(L"PNG"), memory);
    CloseClipboard();
}

std::string FromClipboard(HWND owner)
{
    std::string text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = Utf8(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

ReadAloud ReadAloudOf(HWND control)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // as any screen reader does; once is enough
    IAccessible* object = nullptr;
    const HRESULT found = AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    if (FAILED(found)) return {"(no object: " + std::to_string(static_cast<unsigned long>(found)) + ")", "", ""};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const auto read = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) {
        BSTR text = nullptr;
        const HRESULT result = (object->*property)(self, &text);
        std::string said = result == S_OK && text ? Utf8(text) : "(none)";
        SysFreeString(text);
        return said;
    };
    ReadAloud heard{read(&IAccessible::get_accName), read(&IAccessible::get_accDescription),
                    read(&IAccessible::get_accHelp)};
    // Every other way a client asks must give the same name, and the object must have every
    // interface the system's own object has.
    DISPPARAMS none{};
    VARIANT byDispatch{};
    object->Invoke(DISPID_ACC_NAME, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &byDispatch, nullptr, nullptr);
    if (byDispatch.vt == VT_BSTR && Utf8(byDispatch.bstrVal) != heard.name) heard.name += " / by IDispatch " + Utf8(byDispatch.bstrVal);
    VariantClear(&byDispatch);
    IServiceProvider* services = nullptr;
    IAccessible* served = nullptr;
    if (SUCCEEDED(object->QueryInterface(__uuidof(IServiceProvider), reinterpret_cast<void**>(&services))) &&
        SUCCEEDED(services->QueryService(__uuidof(IAccessible), __uuidof(IAccessible), reinterpret_cast<void**>(&served)))) {
        BSTR text = nullptr;
        served->get_accName(self, &text);
        if (text && Utf8(text) != heard.name) heard.name += " / by its service provider " + Utf8(text);
        SysFreeString(text);
        served->Release();
    }
    if (services) services->Release();
    IAccessible* standard = nullptr;
    if (SUCCEEDED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard)))) {
        for (const auto& [id, which] : {std::pair{__uuidof(IEnumVARIANT), "IEnumVARIANT"}, {__uuidof(IServiceProvider), "IServiceProvider"}}) {
            IUnknown* ours = nullptr;
            IUnknown* system = nullptr;
            if (SUCCEEDED(standard->QueryInterface(id, reinterpret_cast<void**>(&system))) &&
                FAILED(object->QueryInterface(id, reinterpret_cast<void**>(&ours)))) {
                heard.name += std::string(" / without ") + which;
            }
            if (ours) ours->Release();
            if (system) system->Release();
        }
        standard->Release();
    }
    object->Release();
    return heard;
}

void ExpectDesignedNames(std::span<const designs::ControlDesign> table, const std::vector<HWND>& controls)
{
    ASSERT_EQ(controls.size(), table.size());
    for (std::size_t place = 0; place < table.size(); ++place) {
        const designs::ControlDesign& design = table[place];
        const ReadAloud heard = ReadAloudOf(controls[place]);
        const std::string name = design.accessibleName.empty() ? std::string(design.caption) : designs::SpokenName(design);
        EXPECT_EQ(heard.name, name) << design.name << " " << design.index;
        if (design.accessibleDescription.empty()) continue;
        // The conversion display's goes on with its currency.
        EXPECT_TRUE(heard.description.starts_with(design.accessibleDescription)) << design.name << " " << heard.description;
        EXPECT_EQ(heard.help, heard.description) << design.name << " " << design.index;
    }
}

double InkContrast(HWND control)
{
    UpdateWindow(control);
    RECT area{};
    GetClientRect(control, &area);
    const int width = area.right, height = area.bottom;
    const HDC shown = GetDC(control);
    const HDC copy = CreateCompatibleDC(shown);
    const HBITMAP bitmap = CreateCompatibleBitmap(shown, width, height);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, shown, 0, 0, SRCCOPY);
    std::map<COLORREF, int> counts;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) ++counts[GetPixel(copy, x, y)];
    }
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(control, shown);
    if (counts.empty()) return 1;
    const auto rgb = [](COLORREF c) { return designs::Rgb{GetRValue(c), GetGValue(c), GetBValue(c)}; };
    const COLORREF face = std::max_element(counts.begin(), counts.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; })->first;
    double most = 1;
    for (const auto& [colour, count] : counts) most = std::max(most, designs::Contrast(rgb(colour), rgb(face)));
    return most;
}

}  // namespace abaquino::win32::testing
