#include "win32/about_window.h"

#include "designs/about_design.h"
#include "win32/accessible_names.h"
#include "win32/message_pump.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace abaquino::win32 {

using namespace designs;

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The window has no font of its own in its design: it takes the desktop's message font.
struct MessageFont {
    std::string family;
    double points;
    bool bold;
};

MessageFont DesktopMessageFont(int dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi))) {
        return {"MS Shell Dlg 2", 8, false};
    }
    const LOGFONTW& font = metrics.lfMessageFont;
    return {Utf8(font.lfFaceName), -font.lfHeight * 72.0 / dpi, font.lfWeight >= FW_BOLD};
}

RECT OwnerWorkArea(HWND owner)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

}  // namespace

RECT AboutClientRect(const RECT& ownerWorkArea, int dpi)
{
    RECT client = PixelRect(kAboutLeft, kAboutTop, kAbout.clientWidth, kAbout.clientHeight, dpi);
    OffsetRect(&client, ownerWorkArea.left, ownerWorkArea.top);
    return client;
}

frmAbout::frmAbout(HWND owner, LoadedWindows& windows, HINSTANCE instance, HighContrast highContrast)
    : owner_(owner), windows_(windows), highContrast_(std::move(highContrast)), palette_{highContrast_()}
{
    RegisterWindowClass(instance, kClassName, &ObjectProcedure<frmAbout>, nullptr, nullptr,
                        GetSysColorBrush(COLOR_BTNFACE));
    // Owned by the main window: no task-bar button, always above its owner. Made at its place
    // first, so that it knows the scale of the monitor it opens on.
    const RECT workArea = OwnerWorkArea(owner);
    const RECT place = AboutClientRect(workArea, static_cast<int>(GetDpiForWindow(owner)));
    window_ = CreateWindowExW(kExtendedStyle, kClassName, Wide(kAbout.caption).c_str(), kStyle, place.left,
                              place.top, 0, 0, owner, nullptr, instance, this);
    if (!window_) return;
    controls_ = BuildControls(kAboutControls, window_);
    GiveDesignedNames(kAboutControls, controls_);
    DescribeDialog(window_, Wide(AboutFactsText()));
    cmdOK = controls_[PlaceOf(kAboutControls, "cmdOK")];
    SetWindowLongPtrW(cmdOK, GWLP_ID, IDOK);  // Enter and Esc reach it as a dialog's keys
    const int dpi = static_cast<int>(GetDpiForWindow(window_));
    LayOutFor(dpi);
    RECT frame = AboutClientRect(workArea, dpi);
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExtendedStyle, static_cast<UINT>(dpi));
    SetWindowPos(window_, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    windows_.Load(window_);
}

// Fonts, places and sizes at a resolution, in the desktop's message font for it. The old fonts go
// only once no control uses them any more.
void frmAbout::LayOutFor(int dpi)
{
    auto fonts = std::make_unique<Fonts>(dpi);
    const MessageFont desktop = DesktopMessageFont(dpi);
    windowFontFamily_ = desktop.family;
    LayOut(kAboutControls, controls_, FontDesign{windowFontFamily_, desktop.points, desktop.bold}, *fonts);
    fonts_ = std::move(fonts);
}

frmAbout::~frmAbout()
{
    if (IsWindow(window_)) Close();  // the loop ended without it, as on WM_QUIT
}

void frmAbout::ShowModal(MessagePump& pump)
{
    if (!window_) return;
    EnableWindow(owner_, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetFocus(controls_[StartFocus(kAboutControls)]);
    pump.RunModal(window_);
}

void frmAbout::cmdOK_Click() { windows_.Unload(window_); }

// Unloads every secondary window, last loaded first; position 0, the main window, stays.
// This window is still in the list, and being already unloading it is left alone.
void frmAbout::Form_Unload(std::int16_t& /*Cancel*/)
{
    windows_.UnloadSecondary();
}

// Every way of closing ends here. Form_Unload never cancels, so the unloading always goes on.
// The owner is enabled before this window goes, so that it, not another program, is activated.
void frmAbout::Close()
{
    const auto formUnload = [this](std::int16_t& cancel) { Form_Unload(cancel); };
    if (!windows_.RunUnload(window_, formUnload, [this] { EnableWindow(owner_, TRUE); })) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT frmAbout::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ChangesColours(message)) OnColoursChanged();  // and on to the default handling
    switch (message) {
    case WM_COMMAND:
        // OK is the default and the cancel button: Enter, Esc and a click all press it.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) cmdOK_Click();
        return 0;
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CTLCOLORSTATIC: return OnControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    // Both draw at the window's scale, known once its fonts are made.
    case WM_DRAWITEM:
        if (!fonts_) break;
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_PAINT:
        if (!fonts_) break;
        Paint();
        return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_CLOSE: Close(); return 0;
    case WM_DESTROY:
        // Destroyed without unloading (its owner went first): the list holds no window that is gone.
        windows_.Forget(window_);
        break;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT frmAbout::OnControlColours(HDC dc, HWND control)
{
    SetTextColor(dc, palette_.Text(TextColourOf(kAboutControls, control)));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void frmAbout::OnColoursChanged()
{
    palette_ = Palette{highContrast_()};
    RepaintAll(window_);
}

// Moved to a monitor of another scale.
void frmAbout::OnDpiChanged(int dpi, const RECT& suggested)
{
    LayOutFor(dpi);
    PlaceAt(window_, suggested);
    InvalidateRect(window_, nullptr, TRUE);
}

// The etched rule, under the controls.
void frmAbout::Paint()
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    const int dpi = fonts_->Dpi();
    if (palette_.highContrast) {  // an etched rule in the scheme's own light and shadow
        const LineDesign& line = kAboutRule.front();
        RECT rule{Pixels(line.x1, dpi), Pixels(line.y1, dpi) - 1, Pixels(line.x2, dpi) + 1, Pixels(line.y1, dpi) + 1};
        DrawEdge(dc, &rule, EDGE_ETCHED, BF_TOP);
        EndPaint(window_, &paint);
        return;
    }
    for (const LineDesign& line : kAboutRule) {
        const int y = Pixels(line.y1, dpi);
        const RECT stroke{Pixels(line.x1, dpi), y, Pixels(line.x2, dpi) + 1, y + line.pixelWidth};
        HBRUSH brush = CreateSolidBrush(ColourRef(line.colour));
        FillRect(dc, &stroke, brush);
        DeleteObject(brush);
    }
    EndPaint(window_, &paint);
}

// The program's icon at the picture's top-left corner, at the monitor's scale.
void frmAbout::DrawPicture(const DRAWITEMSTRUCT& item) const
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const int size = MulDiv(32, fonts_->Dpi(), 96);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    if (HICON icon = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, size, size, 0))) {
        DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon, size, size, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
}

}  // namespace abaquino::win32
