// The Windows windows as designed: each control from its row of the table, placed for the
// monitor's resolution, and placed again when the window moves to a monitor with another.

#include "support/form1_pixels.h"
#include "window_test_support.h"

#include "designs/about_design.h"
#include "designs/form1_design.h"

#include <utility>
#include <vector>

namespace abaquino::win32::testing {
namespace {

using namespace designs;

RECT ClientRect(HWND control)
{
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

// The font's height in pixels at 96 or 192 dpi: 9.75 pt is 13 or 26 pixels, 12 pt 16 or 32.
int ExpectedFontPixels(double points, int dpi) { return (points == 12 ? 16 : 13) * dpi / 96; }

void ExpectBuiltFromTheDesign(const Form1& form, int dpi)
{
    ASSERT_EQ(abaquino::testing::kForm1Pixels.size(), kForm1Controls.size());
    for (std::size_t place = 0; place < kForm1Controls.size(); ++place) {
        const ControlDesign& design = kForm1Controls[place];
        const abaquino::testing::ExpectedControl& expected = abaquino::testing::kForm1Pixels[place];
        const std::string name = std::string(expected.name) + "(" + std::to_string(expected.index) + ") at " + std::to_string(dpi);
        ASSERT_EQ(design.name, expected.name);
        const HWND control = GetDlgItem(form.Hwnd(), ControlId(place));
        ASSERT_TRUE(control) << name;
        const abaquino::testing::PixelBox& box = dpi == 96 ? expected.at96 : expected.at192;
        const RECT built = ClientRect(control);
        EXPECT_EQ(built.left, box.x) << name;
        EXPECT_EQ(built.top, box.y) << name;
        if (!(design.settings & kSizedToText)) {  // labels size themselves to their text
            EXPECT_EQ(built.right - built.left, box.width) << name;
            EXPECT_EQ(built.bottom - built.top, box.height) << name;
        }
        EXPECT_EQ(Utf8(WindowText(control)), expected.caption) << name;
        EXPECT_EQ(ReadAloudOf(control).name, expected.spoken) << name;
        const bool tabStop = GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP;
        // Of a group of options, only the chosen one is a stop, as Windows keeps it.
        const bool stop = design.kind == ControlKind::OptionButton
                              ? SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED
                              : designs::TakesTab(design);
        EXPECT_EQ(tabStop, stop) << name;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
        EXPECT_EQ(Utf8(font.lfFaceName), "Times New Roman") << name;
        EXPECT_EQ(-font.lfHeight, ExpectedFontPixels(expected.points, dpi)) << name;
        EXPECT_EQ(font.lfWeight >= FW_BOLD, expected.bold) << name;
    }
    RECT client{};
    GetClientRect(form.Hwnd(), &client);
    EXPECT_GE(client.right, 225 * dpi / 96);  // 3375 x 3600 twips
    EXPECT_GE(client.bottom, 240 * dpi / 96);
}

// The tool tips the window's tip control holds, by the control they belong to.
std::vector<std::pair<HWND, std::string>> ToolTips(const Form1& form)
{
    std::vector<std::pair<HWND, std::string>> tips;
    for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr));) {
        if (GetWindow(tip, GW_OWNER) != form.Hwnd()) continue;
        const auto count = static_cast<UINT>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
        for (UINT i = 0; i < count; ++i) {
            wchar_t text[80]{};
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.lpszText = text;
            if (SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)) && tool.uFlags & TTF_SUBCLASS) {
                tips.emplace_back(reinterpret_cast<HWND>(tool.uId), Utf8(text));
            }
        }
    }
    return tips;
}

TEST(Form1Layout, EveryControlIsBuiltFromItsDesignAtEveryResolution)
{
    ShownForm shown;
    const int dpi = shown.form.Dpi();
    ASSERT_EQ(dpi, 96);  // the tables know 96 and 192
    ExpectBuiltFromTheDesign(shown.form, dpi);
    EXPECT_EQ(GetFocus(), shown.form.txtDisplay);
    EXPECT_TRUE(shown.Checked(shown.form.OptBEuro));
    EXPECT_EQ(Utf8(WindowText(shown.form.Hwnd())), kForm1.caption);
    const std::vector<std::pair<HWND, std::string>> tips{{shown.form.txtDisplay, "Inserisci le cifre"}};
    EXPECT_EQ(ToolTips(shown.form), tips);

    RECT frame{};
    GetWindowRect(shown.form.Hwnd(), &frame);
    frame.right = frame.left + (frame.right - frame.left) * 2;
    frame.bottom = frame.top + (frame.bottom - frame.top) * 2;
    SendMessageW(shown.form.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi * 2, dpi * 2), reinterpret_cast<LPARAM>(&frame));
    EXPECT_EQ(shown.form.Dpi(), dpi * 2);
    ExpectBuiltFromTheDesign(shown.form, dpi * 2);

    // The caption's icon drawn at its size for the new scale, and the failure balloon as wide.
    for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        ICONINFO icon{};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(shown.form.Hwnd(), WM_GETICON, which, 0)), &icon));
        BITMAP bitmap{};
        GetObjectW(icon.hbmColor, sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi * 2))) << which;
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
    shown.Type("1/0\r");
    EXPECT_EQ(shown.form.failureBalloon().MaxWidth(), designs::Pixels(behaviour::kFailureBalloonMaxWidth, dpi * 2));
}

// Windows' text size at 200% lays the window out as a monitor of twice the resolution would, and
// at 100% again as designed.
TEST(Form1Layout, FollowsWindowsTextSize)
{
    ShownForm shown;
    const auto textSize = [&](const wchar_t* percent) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Accessibility", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        if (percent) {
            const DWORD value = static_cast<DWORD>(_wtoi(percent));
            RegSetValueExW(key, L"TextScaleFactor", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
        } else {
            RegDeleteValueW(key, L"TextScaleFactor");
        }
        RegCloseKey(key);
        SendMessageW(shown.form.Hwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"WindowMetrics"));
    };
    textSize(L"200");
    ExpectBuiltFromTheDesign(shown.form, 192);
    RECT client{};
    GetClientRect(shown.form.Hwnd(), &client);
    EXPECT_GE(client.right, Pixels(kForm1.clientWidth, 192));
    EXPECT_GE(client.bottom, Pixels(kForm1.clientHeight, 192));
    textSize(nullptr);
    ExpectBuiltFromTheDesign(shown.form, 96);
    GetClientRect(shown.form.Hwnd(), &client);
    EXPECT_EQ(client.right, Pixels(kForm1.clientWidth, 96));
}

// Under the largest menu font "Esci" and "Informazioni" wrap onto two rows: every control stays in
// the client area all the same. The font is the desktop's, which a fresh process reads.
TEST(Form1Layout, EveryControlStaysInsideUnderALargeMenuFont)
{
    if (GetEnvironmentVariableW(L"ABAQUINO_LARGE_MENU_FONT", nullptr, 0)) {  // the fresh process
        ShownForm shown;
        RECT client{};
        GetClientRect(shown.form.Hwnd(), &client);
        for (HWND control = GetWindow(shown.form.Hwnd(), GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            const RECT box = ClientRect(control);
            EXPECT_TRUE(box.right <= client.right && box.bottom <= client.bottom) << Utf8(WindowText(control));
        }
        return;
    }
    NONCLIENTMETRICSW usual{};
    usual.cbSize = sizeof(usual);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(usual), &usual, 0));
    NONCLIENTMETRICSW large = usual;
    large.lfMenuFont.lfHeight = -27;
    large.iMenuHeight = 36;
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(large), &large, SPIF_UPDATEINIFILE));
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=Form1Layout.EveryControlStaysInside*";
    SetEnvironmentVariableW(L"ABAQUINO_LARGE_MENU_FONT", L"1");
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    PROCESS_INFORMATION child{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &child);
    SetEnvironmentVariableW(L"ABAQUINO_LARGE_MENU_FONT", nullptr);
    DWORD status = 1;
    if (started) {
        WaitForSingleObject(child.hProcess, 60000);
        GetExitCodeProcess(child.hProcess, &status);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(usual), &usual, SPIF_UPDATEINIFILE);
    ASSERT_TRUE(started);
    EXPECT_EQ(status, 0u) << "a control lies outside the client area";
}

int FontHeight(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return -font.lfHeight;
}

TEST(AboutLayout, TakesTheScaleOfItsMonitorAndFollowsAMove)
{
    ShownForm shown;
    WithAboutOpen(shown, [&] { PostMessageW(shown.form.Hwnd(), WM_COMMAND, kInformazioniCommand, 0); },
                  [&](HWND about) {
                      const int dpi = static_cast<int>(GetDpiForWindow(about));
                      ASSERT_EQ(dpi, 96);
                      const HWND button = GetDlgItem(about, IDOK);
                      // 1800, 2880; 1260 x 345 twips.
                      const auto expectOkAt = [&](int at) {
                          const RECT expected = at == 96 ? RECT{120, 192, 204, 215} : RECT{240, 384, 408, 430};
                          const RECT built = ClientRect(button);
                          EXPECT_EQ(std::pair(built.left, built.top), std::pair(expected.left, expected.top)) << at;
                          EXPECT_EQ(std::pair(built.right, built.bottom), std::pair(expected.right, expected.bottom)) << at;
                      };
                      expectOkAt(dpi);
                      const int height = FontHeight(button);
                      RECT frame{};
                      GetWindowRect(about, &frame);
                      frame.right = frame.left + (frame.right - frame.left) * 2;
                      frame.bottom = frame.top + (frame.bottom - frame.top) * 2;
                      SendMessageW(about, WM_DPICHANGED, MAKEWPARAM(dpi * 2, dpi * 2), reinterpret_cast<LPARAM>(&frame));
                      expectOkAt(dpi * 2);
                      EXPECT_NEAR(FontHeight(button), height * 2, 1);
                      SendMessageW(button, BM_CLICK, 0, 0);
                  });
}

}  // namespace
}  // namespace abaquino::win32::testing
