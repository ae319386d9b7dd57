#include "win32/form1.h"

#include "behaviour/form1_clicks.h"
#include "behaviour/form1_controls.h"
#include "behaviour/paste.h"
#include "behaviour/spoken_amounts.h"
#include "behaviour/step_sentence.h"
#include "calc/number_text.h"
#include "calc/pasted_amount.h"
#include "designs/form1_design.h"
#include "win32/about_window.h"
#include "win32/accessible_names.h"
#include "win32/clipboard.h"
#include "win32/option_focus.h"
#include "win32/text_scale.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

#include <commctrl.h>
#include <imm.h>


namespace abaquino::win32 {

using namespace designs;

namespace {

constexpr wchar_t kClassName[] = L"AbaquinoForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kExtendedStyle = WS_EX_CONTROLPARENT;

}  // namespace

Form1::Form1(HINSTANCE instance, std::function<void()> beep, HighContrast highContrast, UiaFunctions uia)
    : instance_(instance),
      beep_(beep ? std::move(beep) : std::function<void()>([] { MessageBeep(MB_OK); })),
      highContrast_(highContrast ? std::move(highContrast) : HighContrast(SystemHighContrast))
{
    TakeColours();
    CreateMainWindow();
    balloon_ = std::make_unique<FailureBalloon>(window_);
    controls_ = BuildControls(kForm1Controls, window_);
    GiveDesignedNames(kForm1Controls, controls_);
    TakeControls();
    announcer_ = std::make_unique<Announcer>(window_, TxtDisplay1, uia);
    PrepareControls();
    AddToolTips();
    LayOutFor(static_cast<int>(GetDpiForWindow(window_)));
    // Focus rectangles and access keys always show: this window is used from the keyboard.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    Choose(behaviour::StartingOption(*this));
    windows_.Load(window_);
}

// The menu bar comes with the window: set afterwards, it would move the client area and send
// messages to a window whose parts are not built yet.
void Form1::CreateMainWindow()
{
    RegisterWindowClass(instance_, kClassName, &ObjectProcedure<Form1>, LoadIconW(instance_, L"IDI_ICON1"),
                        static_cast<HICON>(LoadImageW(instance_, L"IDI_ICON1", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED)),
                        nullptr);
    HMENU bar = CreateMenu();
    for (std::size_t place = 0; place < kForm1Menu.size(); ++place) {
        AppendMenuW(bar, MF_STRING, kFirstMenuCommand + place, Wide(kForm1Menu[place].caption).c_str());
    }
    window_ = CreateWindowExW(kExtendedStyle, kClassName, Wide(kForm1.caption).c_str(), kStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, bar, instance_, this);
}

void Form1::PrepareControls()
{
    // A choice is made by the click or the arrow key alone, once; never by the focus.
    const auto [lire, euro] = behaviour::OptionsOf(*this);
    for (const HWND option : {euro, lire}) PrepareOption(option, optionTakingFocus_);
    entry_.Attach(txtDisplay);
    // Keys are the calculator's on every control and on the window itself: an input method would
    // compose digits and lose them, and end its composition with an Enter.
    ImmAssociateContextEx(window_, nullptr, 0);
    ImmAssociateContextEx(window_, nullptr, IACE_CHILDREN);
}

Form1::~Form1()
{
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    DeleteObject(background_);
    for (const HICON icon : icons_) {
        if (icon) DestroyIcon(icon);
    }
}

void Form1::TakeControls()
{
    behaviour::TakeForm1Controls(*this, [this](std::size_t place, HWND& field) { field = controls_[place]; });
}

void Form1::AddToolTips()
{
    toolTips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                nullptr, instance_, nullptr);
    for (std::size_t place = 0; place < kForm1Controls.size(); ++place) {
        if (kForm1Controls[place].toolTip.empty()) continue;
        std::wstring text = Wide(kForm1Controls[place].toolTip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(controls_[place]);
        tool.lpszText = text.data();  // copied by the control
        SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The window's size that gives the designed client area at a resolution, frame and menu bar
// included. AdjustWindowRectEx reckons a menu bar of one row; under a large menu font "Esci" and
// "Informazioni" wrap onto two, and the bottom row of keys would lie outside. So the window is
// asked what client area that frame actually gets, and grows by what it lacks.
SIZE Form1::FrameSize() const
{
    const int layoutDpi = fonts_->Dpi();
    const LONG clientHeight = Pixels(kForm1.clientHeight, layoutDpi);
    RECT frame{0, 0, Pixels(kForm1.clientWidth, layoutDpi), clientHeight};
    AdjustWindowRectExForDpi(&frame, kStyle, TRUE, kExtendedStyle, static_cast<UINT>(dpi_));
    RECT obtained = frame;  // the window's answer: the client area of that frame
    SendMessageW(window_, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&obtained));
    const LONG lacking = std::max(0L, clientHeight - (obtained.bottom - obtained.top));
    return {frame.right - frame.left, frame.bottom - frame.top + lacking};
}

// After a change of resolution or of the desktop's metrics: never smaller than the designed
// client area needs.
void Form1::KeepTheDesignedClientArea()
{
    if (IsIconic(window_) || IsZoomed(window_)) return;
    const SIZE least = FrameSize();
    RECT frame{};
    GetWindowRect(window_, &frame);
    const SIZE now{frame.right - frame.left, frame.bottom - frame.top};
    if (now.cx >= least.cx && now.cy >= least.cy) return;
    SetWindowPos(window_, nullptr, 0, 0, std::max(now.cx, least.cx), std::max(now.cy, least.cy),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The old fonts go only once no control uses them any more. The caption's icons are drawn for
// the resolution too, not stretched from another.
void Form1::LayOutFor(int dpi)
{
    dpi_ = dpi;
    textScale_ = TextScalePercent();
    auto fonts = std::make_unique<Fonts>(MulDiv(dpi, textScale_, 100));
    LayOut(kForm1Controls, controls_, kForm1Font, *fonts);
    fonts_ = std::move(fonts);
    constexpr std::array<std::pair<WPARAM, int>, 2> kinds{{{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const int size = GetSystemMetricsForDpi(kinds[i].second, static_cast<UINT>(dpi));
        const auto icon = static_cast<HICON>(LoadImageW(instance_, L"IDI_ICON1", IMAGE_ICON, size, size, 0));
        if (!icon) continue;
        SendMessageW(window_, WM_SETICON, kinds[i].first, reinterpret_cast<LPARAM>(icon));
        if (icons_[i]) DestroyIcon(icons_[i]);
        icons_[i] = icon;
    }
}

void Form1::Show(int how)
{
    const SIZE size = FrameSize();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    SetWindowPos(window_, nullptr, (area.left + area.right - size.cx) / 2,
                 (area.top + area.bottom - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, how);
    UpdateWindow(window_);
    SetFocus(controls_[StartFocus(kForm1Controls)]);
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ChangesColours(message)) OnColoursChanged();  // and on to the default handling
    switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLORSTATIC: return OnControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: OnEraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_TIMER: OnTimer(wParam); return 0;
    case kStepOverMessage: SayStep(); return 0;
    case WM_SYSCOMMAND:
        if (OnSysCommand(wParam, lParam)) return 0;
        break;
    case WM_GETMINMAXINFO:
        if (OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam))) return 0;
        break;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_SETTINGCHANGE: OnSettingChange(wParam); break;
    case WM_MOVE: OnMove(); break;
    case WM_SIZE: OnSize(wParam); break;
    case WM_ACTIVATE:
        if (OnActivate(LOWORD(wParam), HIWORD(wParam) != 0)) return 0;
        break;
    case WM_CLOSE: OnClose(); return 0;
    case WM_QUERYENDSESSION: return TRUE;  // nothing to save
    case WM_ENDSESSION: OnEndSession(wParam != 0); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The menu's entries, the entry's context menu, and the controls by their place in the design.
void Form1::OnCommand(int id, int notification)
{
    if (id >= kFirstMenuCommand && id < kFirstMenuCommand + static_cast<int>(kForm1Menu.size())) {
        return behaviour::ChooseMenuEntry(*this, kForm1Menu[static_cast<std::size_t>(id - kFirstMenuCommand)]);
    }
    switch (id) {
    case kCopyEntryCommand: return Copy(behaviour::CopyFrom::Entry);
    case kPasteEntryCommand: return Paste();
    default: break;
    }
    const auto place = static_cast<std::size_t>(id - kFirstControlId);
    if (id < kFirstControlId || place >= kForm1Controls.size()) return;
    const ControlDesign& design = kForm1Controls[place];
    if (design.kind == ControlKind::EntryBox) return OnEntryNotification(notification);
    // A live region's sentence is not the display's name once the user comes to read it.
    if (controls_[place] == TxtDisplay1 && notification == EN_SETFOCUS) return announcer_->DisplayChanged();
    // A quick second click on an option arrives as a double click: it is a click all the same.
    if (notification != BN_CLICKED && notification != BN_DOUBLECLICKED) return;
    if (design.kind == ControlKind::OptionButton) {
        if (optionTakingFocus_) return;  // the focus, not a click (an arrow key clicks right after)
        Choose(controls_[place]);
    }
    behaviour::Click(calculator_, design);
}

void Form1::OnEntryNotification(int notification)
{
    if (notification == EN_CHANGE && !entry_.RestoreIfEdited()) calculator_.txtDisplay_Change();
    if (notification == EN_SETFOCUS) calculator_.txtDisplay_GotFocus();
}

// At start, and again whenever the user changes colours, theme or high contrast.
void Form1::OnColoursChanged()
{
    TakeColours();
    RepaintAll(window_);
}

void Form1::OnEraseBackground(HDC dc)
{
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, background_);
}

void Form1::OnTimer(WPARAM timer)
{
    if (timer == kFailureTimer && balloon_) balloon_->Hide();
}

// A lone Alt (or F10) would hand the keyboard to the menu bar, and the next keys would be lost to
// the calculator. The menu is reached by its access keys, Alt+E and Alt+I.
bool Form1::OnSysCommand(WPARAM command, LPARAM lParam)
{
    return (command & 0xFFF0) == SC_KEYMENU && lParam == 0;
}

bool Form1::OnGetMinMaxInfo(MINMAXINFO& limits)
{
    if (!fonts_) return false;
    const SIZE least = FrameSize();
    limits.ptMinTrackSize = {least.cx, least.cy};
    return true;
}

void Form1::OnDpiChanged(int dpi, const RECT& suggested)
{
    LayOutFor(dpi);
    PlaceAt(window_, suggested);
    KeepTheDesignedClientArea();
}

// A new text size lays the window out again at its size, larger or smaller; a new menu font may
// need more room.
void Form1::OnSettingChange(WPARAM setting)
{
    if (!fonts_) return;
    if (TextScalePercent() != textScale_) {
        LayOutFor(dpi_);
        if (!IsIconic(window_) && !IsZoomed(window_)) {
            const SIZE size = FrameSize();
            SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        InvalidateRect(window_, nullptr, TRUE);
    } else if (setting == SPI_SETNONCLIENTMETRICS) {
        KeepTheDesignedClientArea();
    }
}

// Also sent while the window is being created, before the balloon exists.
void Form1::OnMove()
{
    if (balloon_) balloon_->Hide();
}

void Form1::OnSize(WPARAM how)
{
    if (how == SIZE_MINIMIZED && balloon_) balloon_->Hide();
}

// The control that had the focus gets it back when the window is active again, after another
// program or the About window, as in a dialog. The balloon is not left over another program.
bool Form1::OnActivate(int state, bool minimised)
{
    if (state == WA_INACTIVE) {
        if (balloon_) balloon_->Hide();
        const HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) lastFocus_ = focus;
        return false;
    }
    if (!lastFocus_ || !IsWindow(lastFocus_) || minimised) return false;
    SetFocus(lastFocus_);
    return true;
}

// However the close comes (the close box, Esci, the task bar, another program), the other
// windows unload first, last loaded first, each through the list and so once.
void Form1::OnClose()
{
    windows_.UnloadSecondary();
    DestroyWindow(window_);
}

void Form1::OnEndSession(bool ending)
{
    if (ending) SendMessageW(window_, WM_CLOSE, 0, 0);
}

void Form1::OnDestroy()
{
    windows_.Forget(window_);
    PostQuitMessage(0);
}

// Labels and options on the window's face, in their designed colours; the conversion display is
// read-only but stays white, as a display does.
LRESULT Form1::OnControlColours(HDC dc, HWND control)
{
    if (control == TxtDisplay1) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    SetTextColor(dc, palette_.Text(TextColourOf(kForm1Controls, control).value_or(Rgb{0, 0, 0})));
    SetBkColor(dc, palette_.Face(kForm1Background));
    return reinterpret_cast<LRESULT>(background_);
}

void Form1::TakeColours()
{
    palette_ = Palette{highContrast_()};
    if (background_) DeleteObject(background_);
    background_ = CreateSolidBrush(palette_.Face(kForm1Background));
}

void Form1::Choose(HWND option)
{
    const auto [lire, euro] = behaviour::OptionsOf(*this);
    for (const HWND each : {lire, euro}) SendMessageW(each, BM_SETCHECK, each == option ? BST_CHECKED : BST_UNCHECKED, 0);
    // A screen reader reviewing the window hears the converted amount with its currency.
    const auto& design = kForm1Controls[PlaceOf(kForm1Controls, "TxtDisplay1")];
    SetDescription(TxtDisplay1, Wide(behaviour::ConversionDescription(design.accessibleDescription, behaviour::ShownCurrency(*this))));
}

HWND Form1::ChosenOption() const
{
    return behaviour::ChosenOptionOf(*this, [](HWND option) { return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED; });
}

void Form1::Esci_Click(std::int16_t /*Index*/) { SendMessageW(window_, WM_CLOSE, 0, 0); }

void Form1::Informazioni_Click()
{
    frmAbout about(window_, windows_, instance_, highContrast_);
    if (!about.Hwnd()) return beep_();  // it could not be made: the calculator stays usable
    about.ShowModal(pump_);
}

std::string Form1::EntryText() const { return Utf8(entry_.Shown()); }

void Form1::SetEntryText(std::string_view text)
{
    balloon_->Hide();
    entry_.Show(Wide(KeptByEntry(text)));
}

std::size_t Form1::EntryCaret() const { return entry_.Caret(); }

void Form1::SetEntryCaret(std::size_t position) { entry_.SetCaret(position); }

std::string Form1::ConversionText() const { return Utf8(WindowText(TxtDisplay1)); }

void Form1::SetConversionText(std::string_view text)
{
    balloon_->Hide();
    SetWindowTextW(TxtDisplay1, Wide(text).c_str());
    announcer_->DisplayChanged();
}

// The result and its conversion, which a screen reader would not say by itself (the conversion
// display never has the focus).
void Form1::AmountsShown()
{
    if (step_.NoteAmountsShown()) PostMessageW(window_, kStepOverMessage, 0, 0);
}

// The message posted by the step's first report comes once the step's messages are handled.
void Form1::SayStep()
{
    const auto supersede = readerEchoesStep_ ? Announcer::Supersede::ReadersEcho : Announcer::Supersede::Nothing;
    announcer_->Say(Wide(step_.Take(*this)), supersede);
}

bool Form1::LireOption() const { return behaviour::IsLireOption(*this, ChosenOption()); }

void Form1::Beep() { beep_(); }

// The balloon is for the eyes; the step's sentence says the failure, by the one route every
// sentence takes.
void Form1::ReportFailure(Failure failure)
{
    beep_();
    balloon_->Show(txtDisplay, Wide(FailureMessage(failure)), Dpi());
    if (step_.NoteFailure(failure)) PostMessageW(window_, kStepOverMessage, 0, 0);
}

void Form1::Copy(behaviour::CopyFrom from)
{
    const std::wstring conversion = WindowText(TxtDisplay1);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(TxtDisplay1, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring selected = start < end && end <= conversion.size() ? conversion.substr(start, end - start) : L"";
    SetClipboardText(window_, behaviour::CopiedText(from, GetFocus() == TxtDisplay1, entry_.Shown(), conversion, selected));
}

void Form1::Paste()
{
    const std::optional<std::wstring> text = ClipboardText(window_, behaviour::kPasteReadLimit);
    behaviour::Paste(calculator_, *this, text ? std::optional<std::string>(Utf8(*text)) : std::nullopt);
}

}  // namespace abaquino::win32
