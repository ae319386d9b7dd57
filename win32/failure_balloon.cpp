#include "win32/failure_balloon.h"

#include "designs/control_design.h"
#include "win32/command_ids.h"

#include <commctrl.h>

namespace abaquino::win32 {

FailureBalloon::FailureBalloon(HWND window)
    : window_(window),
      tip_(CreateWindowExW(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr))
{
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // Layered and transparent, it is skipped when the desktop looks for the window under a click:
    // a click where it lies reaches the control under it (and closes it, as any click does), so it
    // never keeps the user from choosing the other currency. Fully opaque all the same.
    SetLayeredWindowAttributes(tip_, 0, 255, LWA_ALPHA);
}

FailureBalloon::~FailureBalloon() { DestroyWindow(tip_); }

TTTOOLINFOW FailureBalloon::Tool()
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    tool.lpszText = text_.data();
    return tool;
}

void FailureBalloon::Show(HWND under, const std::wstring& message, int dpi)
{
    text_ = message;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, designs::Pixels(behaviour::kFailureBalloonMaxWidth, dpi));
    RECT box{};
    GetWindowRect(under, &box);
    SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM((box.left + box.right) / 2, box.bottom));
    // No alert of its own: a reader speaks an alert only from an object whose role is alert (a
    // tool tip's is not), and the step's one sentence says the failure already.
    SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    shown_ = true;
    SetTimer(window_, kFailureTimer, kShownMilliseconds, nullptr);
}

void FailureBalloon::Hide()
{
    if (!shown_) return;
    shown_ = false;
    KillTimer(window_, kFailureTimer);
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    text_.clear();
}

}  // namespace abaquino::win32
