// The About window opened and closed every way: modal over a disabled owner, no task-bar button,
// and unloaded through the list of loaded windows each time.

#include "window_test_support.h"

#include "designs/about_design.h"
#include "designs/legibility.h"
#include "win32/about_window.h"

namespace abaquino::win32::testing {
namespace {

struct Way {
    const char* name;
    std::function<void(ShownForm&)> open;
    std::function<void(HWND about)> close;
};

HWND OkOf(HWND about) { return GetDlgItem(about, IDOK); }

TEST(AboutWindow, OpensModallyAndClosesEveryWay)
{
    const auto byMenu = [](ShownForm& s) { PostMessageW(s.form.Hwnd(), WM_COMMAND, kInformazioniCommand, 0); };
    // The other ways of closing it are shared scenarios.
    const Way ways[] = {
        {"menu, OK clicked", byMenu, [](HWND about) { SendMessageW(OkOf(about), BM_CLICK, 0, 0); }},
        {"menu, Alt+F4", byMenu, [](HWND about) { PostKey(about, VK_F4, true); }},
    };
    for (const Way& way : ways) {
        ShownForm shown;
        Form1& f = shown.form;
        shown.Type("12");
        bool checked = false;
        const HWND about = WithAboutOpen(shown, [&] { way.open(shown); }, [&](HWND window) {
            checked = true;
            EXPECT_FALSE(IsWindowEnabled(f.Hwnd())) << way.name;
            EXPECT_EQ(GetWindow(window, GW_OWNER), f.Hwnd()) << way.name;
            EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW) << way.name;
            EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME) << way.name;
            EXPECT_EQ(Utf8(WindowText(window)), "Informazioni su Abaquino Euro") << way.name;
            EXPECT_EQ(GetFocus(), OkOf(window)) << way.name;
            EXPECT_EQ(f.loadedWindows().Count(), 2) << way.name;
            way.close(window);
        });
        ASSERT_NE(about, nullptr) << way.name;
        EXPECT_TRUE(checked);
        EXPECT_FALSE(IsWindow(about)) << way.name;
        EXPECT_TRUE(IsWindowEnabled(f.Hwnd())) << way.name;
        EXPECT_EQ(f.loadedWindows().Count(), 1) << way.name;
        EXPECT_EQ(GetFocus(), f.txtDisplay) << way.name;  // back where it was
        shown.Type("3");
        EXPECT_EQ(shown.Entry(), "123") << way.name;  // no key was lost or handled twice
    }
}

// Another program closes the main window while About is open: About unloads first, through the
// list, then the program ends.
TEST(AboutWindow, UnloadsFirstWhenTheMainWindowIsClosedFromOutside)
{
    const struct { const char* name; UINT message; WPARAM wParam; } closes[] = {
        {"taskkill", WM_CLOSE, 0},
        {"shutdown", WM_ENDSESSION, TRUE},
    };
    for (const auto& close : closes) {
        ShownForm shown;
        const HWND window = shown.form.Hwnd();
        EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
        const HWND about = WithAboutOpen(shown, [&] { PostMessageW(window, WM_COMMAND, kInformazioniCommand, 0); },
                                         [&](HWND) { PostMessageW(window, close.message, close.wParam, 0); });
        ASSERT_NE(about, nullptr) << close.name;
        shown.Pump();
        EXPECT_FALSE(IsWindow(about)) << close.name;
        EXPECT_FALSE(IsWindow(window)) << close.name;
        EXPECT_EQ(shown.form.loadedWindows().Count(), 0) << close.name;
        MSG quit{};
        EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << close.name;
    }
}

TEST(AboutWindow, ShowsItsDesignAndUnloadsOnlyOnce)
{
    ShownForm shown;
    WithAboutOpen(shown, [&] { PostMessageW(shown.form.Hwnd(), WM_COMMAND, kInformazioniCommand, 0); },
                  [&](HWND about) {
                      int labels = 0;
                      for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                          wchar_t kind[16]{};
                          GetClassNameW(child, kind, 16);
                          if (lstrcmpiW(kind, L"Static") != 0 || GetWindowTextLengthW(child) == 0) continue;
                          ++labels;
                          EXPECT_GE(InkContrast(child), designs::kReadableContrast) << Utf8(WindowText(child));
                      }
                      EXPECT_EQ(labels, 7);  // every label with its text; the picture has none
                      std::vector<HWND> controls;
                      for (std::size_t place = 0; place < designs::kAboutControls.size(); ++place) {
                          controls.push_back(place == 0 ? OkOf(about) : GetDlgItem(about, ControlId(place)));
                      }
                      ExpectDesignedNames(designs::kAboutControls, controls);
                      EXPECT_EQ(ReadAloudOf(about).description, designs::AboutFactsText());  // said as it opens
                      // A second request while it unloads is left alone.
                      LoadedWindows& windows = shown.form.loadedWindows();
                      EXPECT_TRUE(windows.BeginUnload(about));
                      windows.Unload(about);
                      EXPECT_TRUE(IsWindow(about));
                      DestroyWindow(about);
                      windows.Forget(about);
                      EnableWindow(shown.form.Hwnd(), TRUE);
                  });
    EXPECT_EQ(shown.form.loadedWindows().Count(), 1);
}

// It opens at its designed offset from the work area of the calculator's monitor, not of the first.
TEST(AboutWindow, OpensOnTheCalculatorsMonitor)
{
    struct Row {
        RECT workArea;
        int dpi;
        POINT expected;
    };
    const Row rows[] = {
        {{0, 0, 1920, 1040}, 96, {254, 171}},         // 3810 and 2565 twips
        {{1920, 0, 3840, 1040}, 96, {2174, 171}},     // a second monitor on the right
        {{-1280, 200, 0, 1224}, 96, {-1026, 371}},    // on the left, lower down
        {{2560, 40, 5120, 1440}, 192, {3068, 382}},   // at twice the scale, under a top task bar
    };
    for (const Row& row : rows) {
        const RECT client = AboutClientRect(row.workArea, row.dpi);
        EXPECT_EQ(client.left, row.expected.x) << row.workArea.left;
        EXPECT_EQ(client.top, row.expected.y) << row.workArea.left;
    }
}

// A hook that vetoes the window's making (as when no window objects are left): the calculator
// beeps, stays enabled and lists no window it does not have.
HHOOK veto = nullptr;
LRESULT CALLBACK VetoAbout(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        const wchar_t* name = create->lpcs->lpszClass;
        if (!IS_INTRESOURCE(name) && lstrcmpW(name, frmAbout::kClassName) == 0) return 1;
    }
    return CallNextHookEx(veto, code, wParam, lParam);
}

TEST(AboutWindow, ThatCannotBeMadeLeavesTheCalculatorUsable)
{
    ShownForm shown;
    veto = SetWindowsHookExW(WH_CBT, VetoAbout, nullptr, GetCurrentThreadId());
    shown.form.Informazioni_Click();
    UnhookWindowsHookEx(veto);
    EXPECT_TRUE(IsWindowEnabled(shown.form.Hwnd()));
    EXPECT_EQ(shown.form.loadedWindows().Count(), 1);
    EXPECT_EQ(shown.beeps, 1);
}

}  // namespace
}  // namespace abaquino::win32::testing
