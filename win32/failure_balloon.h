#pragma once

#include "behaviour/failure_balloon.h"

#include <string>

#include <windows.h>
#include <commctrl.h>

namespace abaquino::win32 {

// The message of a failed operation: a balloon pointing at the entry display. The window hides
// it on the next key or click, on any write to either display, when it is deactivated or
// minimised, and when its timer kFailureTimer, set on the window, fires after kShownMilliseconds.
// Clicks go through it to whatever lies under it.
class FailureBalloon {
public:
    static constexpr UINT kShownMilliseconds = behaviour::kFailureShownMilliseconds;

    explicit FailureBalloon(HWND window);
    ~FailureBalloon();
    FailureBalloon(const FailureBalloon&) = delete;
    FailureBalloon& operator=(const FailureBalloon&) = delete;

    // At the window's resolution, which may differ from the one it was made at.
    void Show(HWND under, const std::wstring& message, int dpi);
    void Hide();
    bool IsShown() const { return shown_; }
    const std::wstring& Text() const { return text_; }
    HWND Hwnd() const { return tip_; }
    int MaxWidth() const { return static_cast<int>(SendMessageW(tip_, TTM_GETMAXTIPWIDTH, 0, 0)); }

private:
    TTTOOLINFOW Tool();

    HWND window_;
    HWND tip_;
    std::wstring text_;
    bool shown_ = false;
};

}  // namespace abaquino::win32
