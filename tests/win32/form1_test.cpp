// What only the Windows main window has, beyond the shared scenarios: what Windows does and wine
// does not, screen readers' objects, the failure balloon's click-through, high contrast, the
// focus cue, the busy clipboard and the closed entry.

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

// Beyond the shared scenarios: a held key, as Windows repeats it, and input methods.
TEST(Form1, AHeldKeyActsOnceAndNoInputMethodComposes)
{
    ShownForm shown;
    Form1& f = shown.form;
    shown.Type("1234");
    shown.KeyDown(VK_DELETE);
    shown.KeyDown(VK_DELETE);  // held: one character all the same
    EXPECT_EQ(shown.Entry(), "1234");
    shown.KeyUp(VK_DELETE);
    EXPECT_EQ(shown.Entry(), "123");

    // No input method composes on any control or the window itself (keys reach it while the
    // focus is nowhere), so none ends a composition with an Enter either.
    EXPECT_EQ(ImmGetContext(f.Hwnd()), nullptr);
    for (HWND control = GetWindow(f.Hwnd(), GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        EXPECT_EQ(ImmGetContext(control), nullptr) << GetDlgCtrlID(control);
    }
}

// How many colours the control shows along its top edge, where a focus cue goes, once painted
// again: all of it, or its left half only and then counted on the right half.
std::size_t ColoursAlongTheEdge(HWND control, bool leftHalfRepainted = false)
{
    RECT client{};
    GetClientRect(control, &client);
    RECT repainted = client;
    if (leftHalfRepainted) repainted.right /= 2;
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RedrawWindow(control, &repainted, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const HDC dc = GetDC(control);
    std::vector<COLORREF> seen;
    for (int x = leftHalfRepainted ? repainted.right : 0; x < client.right; ++x) seen.push_back(GetPixel(dc, x, 0));
    ReleaseDC(control, dc);
    std::sort(seen.begin(), seen.end());
    return static_cast<std::size_t>(std::unique(seen.begin(), seen.end()) - seen.begin());
}

// The options draw no focus cue of their own on Windows; the window draws one around the box.
TEST(Form1, TheOptionThatHasTheFocusShowsIt)
{
    ShownForm shown;
    Form1& f = shown.form;
    EXPECT_EQ(ColoursAlongTheEdge(f.OptBEuro), 1u);
    shown.Key(VK_TAB);
    ASSERT_EQ(GetFocus(), f.OptBEuro);
    EXPECT_GT(ColoursAlongTheEdge(f.OptBEuro), 1u);
    EXPECT_GT(ColoursAlongTheEdge(f.OptBEuro, true), 1u);  // a partial repaint leaves it whole
}

// What Windows does: a radio button that gets the focus while unchecked sends BN_CLICKED, unless
// the program sent it BM_SETDONTCLICK, which wine 10 does not heed. The hook records what the
// window asks of its options, and puts beneath the window's own handling of each option a
// stand-in that sends the extra notification from inside the button, as wine 10 does.
std::vector<std::pair<HWND, WPARAM>> dontClickSent;
LRESULT CALLBACK ClickOnFocus(HWND option, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_SETFOCUS && SendMessageW(option, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        SendMessageW(GetParent(option), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option), BN_CLICKED),
                     reinterpret_cast<LPARAM>(option));
    }
    return DefSubclassProc(option, message, wParam, lParam);
}
LRESULT CALLBACK IgnoreDontClick(int code, WPARAM wParam, LPARAM lParam)
{
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call.message == BM_SETDONTCLICK) {
        dontClickSent.emplace_back(call.hwnd, call.wParam);
        SetWindowSubclass(call.hwnd, ClickOnFocus, 1, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Form1, EachChoiceOfCurrencyRunsItsHandlerOnce)
{
    dontClickSent.clear();
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, IgnoreDontClick, nullptr, GetCurrentThreadId());
    ShownForm shown;
    UnhookWindowsHookEx(hook);
    Form1& f = shown.form;
    for (const HWND option : {f.OptBEuro, f.OptBLire}) {
        EXPECT_NE(std::find(dontClickSent.begin(), dontClickSent.end(), std::pair{option, WPARAM{TRUE}}),
                  dontClickSent.end());
    }
    shown.Click(Control(f, "cmdPlusMinus"));  // an entry of "-": each run of a handler beeps once
    ASSERT_EQ(shown.Entry(), "-");
    SetFocus(f.OptBLire);  // the focus alone (a screen reader's, say) chooses nothing
    EXPECT_EQ(shown.beeps, 0);
    EXPECT_TRUE(shown.Checked(f.OptBEuro));
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
    for (int wait = 0; wait < 30; ++wait, Sleep(10)) shown.Pump();
    UnhookWinEvent(hook);
    // No alert of the balloon's besides: the step's sentence, by the announcer's route, says it;
    // under wine, whose notifications reach no one, the live region.
    EXPECT_EQ(alerted, nullptr);
    EXPECT_EQ(f.announcer().LastRoute(), Announcer::Route::LiveRegion);
    EXPECT_EQ(ReadAloudOf(f.TxtDisplay1).name, FailureMessage(Failure::DivisionByZero));
}

// The notification route's functions, faked: each row takes one away or makes it fail.
struct FakeUia {
    static inline BOOL listening = TRUE;
    static inline HRESULT result = S_OK;
    static inline int raised = 0;
    static inline int disconnected = 0;
    static inline int liveChanges = 0;
    static LRESULT WINAPI Return(HWND, WPARAM, LPARAM, IRawElementProviderSimple*) { return 0; }
    static HRESULT WINAPI Host(HWND, IRawElementProviderSimple** host) { *host = nullptr; return S_OK; }
    static BOOL WINAPI Listening() { return listening; }
    static inline int processing = 0;
    static HRESULT WINAPI Raise(IRawElementProviderSimple*, int, int how, BSTR, BSTR)
    {
        ++raised;
        processing = how;
        return result;
    }
    static HRESULT WINAPI Disconnect(IRawElementProviderSimple*) { ++disconnected; return S_OK; }
    static void CALLBACK LiveChange(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) { ++liveChanges; }
    static bool Unheard() { return true; }
};

// A missing export, no listening client or a failed call each leave the sentence to the live
// region, whose name it then is; otherwise the notification alone carries it. Never both.
TEST(Form1, EachAnswerTakesExactlyOneRoute)
{
    using Route = Announcer::Route;
    struct Row {
        const char* name;
        bool exported;
        BOOL listening;
        HRESULT result;
        Route route;
        int raised;
        bool unheard = false;  // JAWS or Dolphin hooked into the program, or wine
    };
    const Row rows[] = {
        {"no export", false, TRUE, S_OK, Route::LiveRegion, 0},
        {"nobody listens", true, FALSE, S_OK, Route::LiveRegion, 0},
        {"the call fails", true, TRUE, E_FAIL, Route::LiveRegion, 1},
        {"a client listens", true, TRUE, S_OK, Route::Notification, 1},
        {"notifications that go unheard", true, TRUE, S_OK, Route::LiveRegion, 0, true},
    };
    ShownForm shown;
    for (const Row& row : rows) {
        FakeUia::listening = row.listening;
        FakeUia::result = row.result;
        FakeUia::raised = FakeUia::disconnected = FakeUia::liveChanges = 0;
        const UiaFunctions uia{&FakeUia::Return, &FakeUia::Host, &FakeUia::Listening,
                               row.exported ? &FakeUia::Raise : nullptr, &FakeUia::Disconnect,
                               row.unheard ? &FakeUia::Unheard : nullptr};
        {
            Announcer announcer(shown.form.Hwnd(), shown.form.TxtDisplay1, uia);
            const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED,
                                                       nullptr, &FakeUia::LiveChange, GetCurrentProcessId(), 0,
                                                       WINEVENT_OUTOFCONTEXT);
            announcer.Say(L"15, in euro 0,01");
            for (int wait = 0; wait < 20; ++wait, Sleep(10)) shown.Pump();
            UnhookWinEvent(hook);
            EXPECT_EQ(announcer.LastRoute(), row.route) << row.name;
            EXPECT_EQ(FakeUia::raised, row.raised) << row.name;
            EXPECT_EQ(FakeUia::liveChanges, row.route == Route::LiveRegion ? 1 : 0) << row.name;
            if (row.route == Route::LiveRegion) {
                EXPECT_EQ(ReadAloudOf(shown.form.TxtDisplay1).name, "15, in euro 0,01") << row.name;
            }
            announcer.DisplayChanged();
        }
        EXPECT_EQ(FakeUia::disconnected, 1) << row.name;  // when its window goes
    }
}

// After Enter, Backspace or Delete in an editable field NVDA says something itself once the caret
// has moved (editableText.py): the line up to the caret, the character deleted, the one at the
// caret. A result's sentence then supersedes that echo (MostRecent: NVDA cancels its speech,
// NVDAObjects/UIA, event_UIA_notification), and an edit has none of its own: one sentence a step.
// After any other step the reader first finishes what it is saying.
TEST(Form1, TheSentenceAfterAnEditingKeyInTheEntrySupersedesTheReadersEcho)
{
    constexpr int kNone = 0, kMostRecent = 3, kCurrentThenMostRecent = 4;
    const struct {
        const char* name;
        WORD key;
        int processing;
    } rows[] = {{"Enter", VK_RETURN, kMostRecent}, {"Backspace", VK_BACK, kNone}, {"Delete", VK_DELETE, kNone},
                {"=", VK_OEM_PLUS, kCurrentThenMostRecent}};
    FakeUia::listening = TRUE;
    FakeUia::result = S_OK;
    ShownForm shown(UiaFunctions{&FakeUia::Return, &FakeUia::Host, &FakeUia::Listening, &FakeUia::Raise, &FakeUia::Disconnect});
    for (const auto& row : rows) {
        shown.Type("12+34");
        FakeUia::processing = 0;
        shown.Key(row.key);
        EXPECT_EQ(FakeUia::processing, row.processing) << row.name;
    }
    shown.Click(GetDlgItem(shown.form.Hwnd(), ControlId(designs::PlaceOf(designs::kForm1Controls, "cmdEquals"))));
    EXPECT_EQ(FakeUia::processing, kCurrentThenMostRecent) << "a click on =";
}

// A real click where the longest balloon lies, on the Lire option, reaches the option: the currency
// the user chooses is the one the next result is converted into.
TEST(Form1, AClickThroughTheFailureReachesTheControlUnderIt)
{
    ShownForm shown;
    Form1& f = shown.form;
    SetForegroundWindow(f.Hwnd());
    shown.Type("100000000000000***");
    ASSERT_TRUE(f.failureBalloon().IsShown());
    RECT lire{};
    GetWindowRect(f.OptBLire, &lire);
    const POINT at{(lire.left + lire.right) / 2, (lire.top + lire.bottom) / 2};
    RECT tip{};
    GetWindowRect(f.failureBalloon().Hwnd(), &tip);
    ASSERT_TRUE(PtInRect(&tip, at) && PtInRect(&lire, at)) << "the click must land on the balloon";
    Sleep(100);  // the desktop shows the balloon, as when a user clicks
    shown.Pump();
    shown.ClickAt(at);
    EXPECT_TRUE(shown.Checked(f.OptBLire));
    EXPECT_TRUE(f.LireOption());
    EXPECT_FALSE(f.failureBalloon().IsShown());
    // A quick second click, which Windows reports as a double click, is a click all the same.
    shown.Type("c1000");
    shown.ClickAt(at);
    EXPECT_EQ(shown.Conversion(), "1.936.270");
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
    EXPECT_EQ(ColoursOf(f.Hwnd(), Control(f, "Label1")), designed);
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF scheme[] = {RGB(0, 0, 0), RGB(255, 255, 0)};
    COLORREF saved[std::size(elements)];
    for (std::size_t i = 0; i < std::size(elements); ++i) saved[i] = GetSysColor(elements[i]);
    const std::pair readable{scheme[1], scheme[0]};

    ASSERT_TRUE(SetSysColors(2, elements, scheme));
    shown.highContrast = true;
    SendMessageW(f.Hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    for (const HWND control : {Control(f, "Label1"), Control(f, "Label2"), Control(f, "Label3"), f.OptBLire, f.OptBEuro}) {
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
    EXPECT_EQ(ColoursOf(f.Hwnd(), Control(f, "Label1")), designed);
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

// Another program holding the clipboard: a beep, and not a word about the amount.
TEST(Form1, ABusyClipboardOnlyBeeps)
{
    ShownForm shown;
    Form1& f = shown.form;
    shown.Type("7");
    const HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        const bool open = OpenClipboard(nullptr);
        SetEvent(held);
        WaitForSingleObject(release, INFINITE);
        if (open) CloseClipboard();
    });
    WaitForSingleObject(held, INFINITE);
    shown.Key('V', {.control = true});
    EXPECT_EQ(shown.beeps, 1);
    EXPECT_FALSE(f.failureBalloon().IsShown());
    EXPECT_EQ(shown.Entry(), "7");
    SetEvent(release);
    holder.join();
    CloseHandle(held);
    CloseHandle(release);
}

}  // namespace
}  // namespace abaquino::win32::testing
