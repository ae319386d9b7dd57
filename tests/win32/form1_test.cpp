// The Windows main window driven with real messages: every handler by click and by key, each
// key handled once wherever the focus is, failures, the clipboard, Tab, and the closed entry.

#include "support/key_script.h"
#include "support/key_script_tables.h"
#include "window_test_support.h"

#include "calc/failure.h"
#include "designs/form1_design.h"

#include <algorithm>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include <commctrl.h>
#include <imm.h>

namespace abaquino::win32::testing {
namespace {

using abaquino::testing::ForEachKey;

// Beyond the shared tables: the two options.
constexpr std::string_view kOptionScripts[] = {"12 + 3 = LIT EUR", "LIT 1000 BS , 5 +/- =", "1000 LIT LIT"};

// Every script of the tables, which between them reach every handler.
std::vector<std::string> AllScripts()
{
    std::vector<std::string> scripts(std::begin(kOptionScripts), std::end(kOptionScripts));
    for (const auto& script : abaquino::testing::kEngineScripts) scripts.emplace_back(script.keys);
    for (const auto& edit : abaquino::testing::kEditingScripts) scripts.emplace_back(edit.keys);
    for (const auto& failing : abaquino::testing::kFailingScripts) {
        scripts.push_back(std::string(failing.setup) + " " + failing.failingKey);
    }
    return scripts;
}

struct Seen {
    std::string entry, conversion;
    CalculatorState state;
    int failures;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* out)
{
    *out << '"' << s.entry << "\" / \"" << s.conversion << "\" acc " << s.state.Accumulator << " op "
         << s.state.PendingOperator << " failures " << s.failures;
}

Seen OnPlainValues(std::string_view script)
{
    PlainCalculator p;
    abaquino::testing::Press(p, script);
    return {p.view.EntryText(), p.view.ConversionText(), p.calculator.State(),
            static_cast<int>(p.view.Failures().size())};
}

Seen OnTheWindow(std::string_view script, bool byKey)
{
    ShownForm shown;
    ForEachKey(script, [&](std::string_view key) { byKey ? shown.PressByKey(key) : shown.PressByClick(key); });
    EXPECT_EQ(shown.Caret(), shown.Entry().size()) << script;
    return {shown.Entry(), shown.Conversion(), shown.form.calculator().State(), shown.beeps};
}

TEST(Form1, EveryHandlerByClickAndByKeyDoesWhatTheLogicDoes)
{
    for (const std::string& script : AllScripts()) {
        const Seen expected = OnPlainValues(script);
        EXPECT_EQ(OnTheWindow(script, false), expected) << "clicked: " << script;
        EXPECT_EQ(OnTheWindow(script, true), expected) << "typed: " << script;
    }
}

TEST(Form1, TypedKeysAreHandledOnceWhereverTheFocusIs)
{
    for (const char* name : {"txtDisplay", "cmdNumber(5)", "TxtDisplay1", "OptBLire", "window"}) {
        ShownForm shown;
        Form1& f = shown.form;
        const std::string focus = name;
        SetFocus(focus == "txtDisplay" ? f.txtDisplay : focus == "TxtDisplay1" ? f.TxtDisplay1
                 : focus == "OptBLire" ? f.OptBLire : focus == "window" ? f.Hwnd() : f.cmdNumber[5]);
        shown.Type("12+3\r");
        EXPECT_EQ(shown.Entry(), "15") << name;
        EXPECT_EQ(shown.Conversion(), "0,01") << name;
        shown.Type("a.");
        EXPECT_EQ(shown.Entry(), ",") << name;
        EXPECT_EQ(shown.Conversion(), "0,01") << name;  // nothing typed into it
        EXPECT_EQ(shown.Caret(), 1u) << name;
    }
}

TEST(Form1, KeysWithTheirOwnRules)
{
    ShownForm shown;
    Form1& f = shown.form;
    shown.Type("12345");
    shown.KeyDown(VK_BACK);
    EXPECT_EQ(shown.Entry(), "12345");  // on release
    shown.KeyUp(VK_BACK);
    EXPECT_EQ(shown.Entry(), "1234");
    shown.KeyDown(VK_DELETE);
    shown.KeyDown(VK_DELETE);  // held: one character all the same
    EXPECT_EQ(shown.Entry(), "1234");
    shown.KeyUp(VK_DELETE);
    EXPECT_EQ(shown.Entry(), "123");
    shown.Key(VK_DECIMAL);
    EXPECT_EQ(shown.Entry(), "123,");
    shown.Type(",");  // the main keys' comma does nothing
    EXPECT_EQ(shown.Entry(), "123,");
    shown.Key('M', {.control = true});  // Ctrl+M makes a carriage return, but types nothing
    EXPECT_EQ(shown.Entry(), "123,");

    SetFocus(f.cmdNumber[7]);
    shown.Key(VK_SPACE);
    EXPECT_EQ(shown.Entry(), "123,7");  // the focused button, once
    SetFocus(f.txtDisplay);
    shown.Key(VK_SPACE);
    EXPECT_EQ(shown.Entry(), "123,7");

    shown.Key(VK_MENU);  // a lone Alt leaves the keys to the calculator
    shown.Type("+1\r");
    EXPECT_EQ(shown.Entry(), "124,7");
    EXPECT_EQ(GetFocus(), f.txtDisplay);

    // No input method composes on any control, so none ends a composition with an Enter either.
    for (HWND control = GetWindow(f.Hwnd(), GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        EXPECT_EQ(ImmGetContext(control), nullptr) << GetDlgCtrlID(control);
    }
}

// How many colours the control shows along its top edge, where a focus cue goes.
std::size_t ColoursAlongTheEdge(HWND control)
{
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(control, &client);
    const HDC dc = GetDC(control);
    std::vector<COLORREF> seen;
    for (int x = 0; x < client.right; ++x) seen.push_back(GetPixel(dc, x, 0));
    ReleaseDC(control, dc);
    std::sort(seen.begin(), seen.end());
    return static_cast<std::size_t>(std::unique(seen.begin(), seen.end()) - seen.begin());
}

TEST(Form1, TabWalksTheDesignWithTheOptionsAsOneStopAndArrowsChoose)
{
    ShownForm shown;
    Form1& f = shown.form;
    shown.Type("1000");
    EXPECT_EQ(ColoursAlongTheEdge(f.OptBEuro), 1u);
    shown.Key(VK_TAB);
    EXPECT_EQ(GetFocus(), f.OptBEuro);  // the chosen option stands at the group's place
    EXPECT_GT(ColoursAlongTheEdge(f.OptBEuro), 1u);  // and shows that it has the focus
    shown.Key(VK_RIGHT);
    EXPECT_EQ(GetFocus(), f.OptBLire);
    EXPECT_TRUE(shown.Checked(f.OptBLire));
    EXPECT_FALSE(shown.Checked(f.OptBEuro));
    EXPECT_EQ(shown.Conversion(), "1.936.270");
    for (const WORD notArrow : {VK_HOME, VK_END, VK_PRIOR, VK_NEXT}) {
        shown.Key(notArrow);  // only the four arrows choose
        EXPECT_EQ(GetFocus(), f.OptBLire) << notArrow;
        EXPECT_TRUE(shown.Checked(f.OptBLire)) << notArrow;
    }
    shown.Key(VK_TAB);
    EXPECT_EQ(GetFocus(), f.cmdNumber[1]);
    shown.Key(VK_TAB, {.shift = true});
    shown.Key(VK_TAB, {.shift = true});
    EXPECT_EQ(GetFocus(), f.txtDisplay);  // the conversion display is skipped
    shown.Key(VK_TAB, {.shift = true});
    EXPECT_EQ(GetFocus(), f.CmdPercent);  // and round
    shown.Click(f.OptBLire);  // the chosen option clicked again runs its handler once
    EXPECT_EQ(shown.Conversion(), "1.936.270");
}

// What Windows does and wine does not: a radio button that gets the focus while unchecked sends
// BN_CLICKED, unless the program sent it BM_SETDONTCLICK. The hook records what the window asks
// of its options; the stand-in sends the extra notification, as a Windows that ignored the
// request would.
std::vector<std::pair<HWND, WPARAM>> dontClickSent;
LRESULT CALLBACK RecordDontClick(int code, WPARAM wParam, LPARAM lParam)
{
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call.message == BM_SETDONTCLICK) dontClickSent.emplace_back(call.hwnd, call.wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
LRESULT CALLBACK ClickOnFocus(HWND option, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_SETFOCUS && SendMessageW(option, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        SendMessageW(GetParent(option), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option), BN_CLICKED),
                     reinterpret_cast<LPARAM>(option));
    }
    return DefSubclassProc(option, message, wParam, lParam);
}

TEST(Form1, EachChoiceOfCurrencyRunsItsHandlerOnce)
{
    dontClickSent.clear();
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordDontClick, nullptr, GetCurrentThreadId());
    ShownForm shown;
    UnhookWindowsHookEx(hook);
    Form1& f = shown.form;
    for (const HWND option : {f.OptBEuro, f.OptBLire}) {
        EXPECT_NE(std::find(dontClickSent.begin(), dontClickSent.end(), std::pair{option, WPARAM{TRUE}}),
                  dontClickSent.end());
    }
    for (const HWND option : {f.OptBEuro, f.OptBLire}) SetWindowSubclass(option, ClickOnFocus, 1, 0);
    shown.Click(f.cmdPlusMinus);  // an entry of "-": each run of a handler beeps once
    ASSERT_EQ(shown.Entry(), "-");
    SetFocus(f.OptBEuro);
    for (const WORD arrow : {VK_RIGHT, VK_LEFT, VK_DOWN}) {
        const int before = shown.beeps;
        shown.Key(arrow);
        EXPECT_EQ(shown.beeps, before + 1) << "arrow " << arrow;
    }
    EXPECT_TRUE(shown.Checked(f.OptBLire));
    for (const HWND option : {f.OptBEuro, f.OptBLire}) RemoveWindowSubclass(option, ClickOnFocus, 1);
}

// What the screen reader hears, and the alert it speaks when an operation fails.
HWND alerted = nullptr;
void CALLBACK RecordAlert(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) { alerted = window; }

TEST(Form1, ScreenReadersHearTheDesignAndTheFailure)
{
    ShownForm shown;
    Form1& f = shown.form;
    std::vector<HWND> controls;
    for (std::size_t place = 0; place < designs::kForm1Controls.size(); ++place) {
        controls.push_back(GetDlgItem(f.Hwnd(), ControlId(place)));
    }
    ExpectDesignedNames(designs::kForm1Controls, controls);

    alerted = nullptr;
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, RecordAlert,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    shown.Type("1/0\r");
    for (int wait = 0; wait < 100 && !alerted; ++wait) {
        Sleep(10);
        shown.Pump();
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(alerted, f.failureBalloon().Hwnd());
    EXPECT_EQ(ReadAloudOf(f.failureBalloon().Hwnd()).name, FailureMessage(Failure::DivisionByZero));
}

TEST(Form1, AFailureBeepsShowsItsMessageChangesNothingAndGoesOnTheNextKeyOrClick)
{
    ShownForm shown;
    Form1& f = shown.form;
    shown.Type("7/0");
    const CalculatorState before = f.calculator().State();
    shown.Type("\r");
    EXPECT_EQ(shown.beeps, 1);
    EXPECT_TRUE(f.failureBalloon().IsShown());
    EXPECT_EQ(Utf8(f.failureBalloon().Text()), FailureMessage(Failure::DivisionByZero));
    EXPECT_TRUE(IsWindowVisible(f.failureBalloon().Hwnd()));
    EXPECT_EQ(f.calculator().State(), before);
    EXPECT_EQ(shown.Entry(), "0");
    shown.Key(VK_SHIFT);
    EXPECT_FALSE(f.failureBalloon().IsShown());

    shown.Type("\r");
    ASSERT_TRUE(f.failureBalloon().IsShown());
    PostMessageW(f.cmdNumber[3], WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageW(f.cmdNumber[3], WM_LBUTTONUP, 0, 0);
    shown.Pump();
    EXPECT_FALSE(f.failureBalloon().IsShown());
    EXPECT_EQ(shown.Entry(), "03");  // the click went on to its button

    shown.Type("/0\r");
    ASSERT_TRUE(f.failureBalloon().IsShown());
    SendMessageW(f.Hwnd(), WM_TIMER, kFailureTimer, 0);  // its time is up
    EXPECT_FALSE(f.failureBalloon().IsShown());

    // Nor is it left over another program, or over nothing.
    const struct { const char* name; std::function<void()> away, back; } leavings[] = {
        {"deactivated", [&] { SendMessageW(f.Hwnd(), WM_ACTIVATE, WA_INACTIVE, 0); }, [] {}},
        {"minimised", [&] { ShowWindow(f.Hwnd(), SW_MINIMIZE); }, [&] { ShowWindow(f.Hwnd(), SW_RESTORE); }},
    };
    for (const auto& leaving : leavings) {
        shown.Type("\r");
        ASSERT_TRUE(f.failureBalloon().IsShown()) << leaving.name;
        leaving.away();
        EXPECT_FALSE(f.failureBalloon().IsShown()) << leaving.name;
        leaving.back();
    }
}

// A real click where the balloon lies reaches the option under it: the currency the user
// chooses is the one the next result is converted into.
TEST(Form1, AClickThroughTheFailureReachesTheControlUnderIt)
{
    ShownForm shown;
    Form1& f = shown.form;
    SetForegroundWindow(f.Hwnd());
    shown.Type("7/0\r");
    ASSERT_TRUE(f.failureBalloon().IsShown());
    const HWND balloon = f.failureBalloon().Hwnd();
    RECT lire{};
    GetWindowRect(f.OptBLire, &lire);
    const POINT at{(lire.left + lire.right) / 2, (lire.top + lire.bottom) / 2};
    RECT tip{};
    GetWindowRect(balloon, &tip);
    SetWindowPos(balloon, HWND_TOPMOST, at.x - (tip.right - tip.left) / 2, at.y - (tip.bottom - tip.top) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    GetWindowRect(balloon, &tip);
    ASSERT_TRUE(PtInRect(&tip, at));
    Sleep(100);  // the desktop has the balloon where it now is, as when a user clicks
    shown.Pump();
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    for (INPUT& input : click) {  // at the point itself, wherever the pointer was
        input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    click[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    for (int wait = 0; wait < 500 && !shown.Checked(f.OptBLire); ++wait) {
        Sleep(10);
        shown.Pump();
    }
    EXPECT_TRUE(shown.Checked(f.OptBLire));
    EXPECT_TRUE(f.LireOption());
    EXPECT_FALSE(f.failureBalloon().IsShown());
}

// The text and face colours a window gives a label or option of its own.
std::pair<COLORREF, COLORREF> ColoursOf(HWND window, HWND control)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const std::pair colours{GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return colours;
}

// High contrast on, in a black scheme: the designed grey, blue, black and yellow give way to the
// scheme's colours in both windows, and come back when it goes off.
TEST(Form1, HighContrastPaintsBothWindowsInTheSchemesColours)
{
    ShownForm shown;
    Form1& f = shown.form;
    const std::pair designed{RGB(0, 0, 255), RGB(192, 192, 192)};
    EXPECT_EQ(ColoursOf(f.Hwnd(), f.Label1), designed);
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF scheme[] = {RGB(0, 0, 0), RGB(255, 255, 0)};
    COLORREF saved[std::size(elements)];
    for (std::size_t i = 0; i < std::size(elements); ++i) saved[i] = GetSysColor(elements[i]);
    const std::pair readable{scheme[1], scheme[0]};

    ASSERT_TRUE(SetSysColors(2, elements, scheme));
    shown.highContrast = true;
    SendMessageW(f.Hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    for (const HWND control : {f.Label1, f.Label2, f.Label3, f.OptBLire, f.OptBEuro}) {
        EXPECT_EQ(ColoursOf(f.Hwnd(), control), readable) << GetDlgCtrlID(control);
    }
    WithAboutOpen(shown, [&] { PostMessageW(f.Hwnd(), WM_COMMAND, kInformazioniCommand, 0); },
                  [&](HWND about) {
                      for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                          if (child == GetDlgItem(about, IDOK)) continue;
                          EXPECT_EQ(ColoursOf(about, child), readable) << Utf8(WindowText(child));
                      }
                      SendMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
                  });

    shown.highContrast = false;
    SetSysColors(2, elements, saved);
    SendMessageW(f.Hwnd(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(ColoursOf(f.Hwnd(), f.Label1), designed);
}

TEST(Form1, NoEditBypassesTheCalculator)
{
    ShownForm shown;
    const HWND entry = shown.form.txtDisplay;
    shown.Type("42");
    SendMessageW(entry, WM_CHAR, L'9', 0);
    SendMessageW(entry, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"77"));
    SendMessageW(entry, WM_CUT, 0, 0);
    SendMessageW(entry, WM_CLEAR, 0, 0);
    SendMessageW(entry, WM_UNDO, 0, 0);
    SendMessageW(entry, WM_KEYDOWN, VK_DELETE, 0);
    SendMessageW(entry, WM_IME_CHAR, L'5', 0);
    EXPECT_EQ(shown.Entry(), "42");
    SetWindowTextW(entry, L"1234567");  // past every guard: the window puts the number back
    EXPECT_EQ(shown.Entry(), "42");
    EXPECT_EQ(shown.Caret(), 2u);
    shown.Type("3");
    EXPECT_EQ(shown.Entry(), "423");
}

TEST(Form1, CopyAndPasteAnAmount)
{
    ShownForm shown;
    Form1& f = shown.form;
    const struct { const wchar_t* clipboard; const char* entry; int beeps; } pastes[] = {
        {L"1.234,56 €", "1234,56", 0},
        {L"  -12,5 ", "-12,5", 0},
        {L"dodici", "-12,5", 1},                  // refused, nothing changes
        {L"12345678901234567", "-12,5", 2},     // too long to hold whole
        {L"1234567890123456789012345678901234567890123456789012345678901234567890", "-12,5", 3},  // read in part
    };
    for (const auto& paste : pastes) {
        PutOnClipboard(f.Hwnd(), paste.clipboard);
        shown.Key('V', {.control = true});
        EXPECT_EQ(shown.Entry(), paste.entry);
        EXPECT_EQ(shown.beeps, paste.beeps);
    }
    shown.Key(VK_INSERT, {.shift = true});
    EXPECT_EQ(shown.beeps, 4);

    shown.Type("C7");
    shown.Key('C', {.control = true});
    EXPECT_EQ(FromClipboard(f.Hwnd()), "7");
    SetFocus(f.TxtDisplay1);
    shown.Key(VK_INSERT, {.control = true});
    EXPECT_EQ(FromClipboard(f.Hwnd()), "0,00");  // the focused display
    EXPECT_EQ(shown.Entry(), "7");
    SendMessageW(f.Hwnd(), WM_COMMAND, kCopyEntryCommand, 0);  // the entry's menu
    EXPECT_EQ(FromClipboard(f.Hwnd()), "7");

    // Another program holding the clipboard: a beep, and not a word about the amount.
    const HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        const bool open = OpenClipboard(nullptr);
        SetEvent(held);
        WaitForSingleObject(release, INFINITE);
        if (open) CloseClipboard();
    });
    WaitForSingleObject(held, INFINITE);
    const int beeps = shown.beeps;
    shown.Key('V', {.control = true});
    EXPECT_EQ(shown.beeps, beeps + 1);
    EXPECT_FALSE(f.failureBalloon().IsShown());
    EXPECT_EQ(shown.Entry(), "7");
    SetEvent(release);
    holder.join();
    CloseHandle(held);
    CloseHandle(release);
}

TEST(Form1, EsciAndTheCloseBoxEndTheProgram)
{
    for (const bool closeBox : {false, true}) {
        ShownForm shown;
        const HWND window = shown.form.Hwnd();
        if (closeBox) {
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            PostMessageW(window, WM_COMMAND, kEsciCommand, 0);  // the menu entry
        }
        shown.Pump();
        EXPECT_FALSE(IsWindow(window)) << closeBox;
        MSG quit{};
        EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << closeBox;
    }
    ShownForm shown;
    shown.Key('E', {.alt = true});  // its access key
    EXPECT_FALSE(IsWindow(shown.form.Hwnd()));
}

}  // namespace
}  // namespace abaquino::win32::testing
