#pragma once

#include "win32/colours.h"
#include "win32/control_table.h"
#include "win32/loaded_windows.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

namespace abaquino::win32 {

class MessagePump;

// The About window's client area at a resolution: the designed place, measured from the top-left
// corner of the work area of the owner's monitor, so that it opens where the calculator is.
RECT AboutClientRect(const RECT& ownerWorkArea, int dpi);

// The About window: title, version, credits, date and the terms of distribution. Built afresh
// each time it is shown, modal over its owner, with no task-bar button of its own; every way of
// closing it is an unloading that runs Form_Unload.
class frmAbout {
public:
    static constexpr wchar_t kClassName[] = L"AbaquinofrmAbout";

    frmAbout(HWND owner, LoadedWindows& windows, HINSTANCE instance, HighContrast highContrast);
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // Disables the owner and runs the pump until this window has unloaded. Does nothing when the
    // window could not be made (a hook's veto, no window objects left): the owner stays usable.
    void ShowModal(MessagePump& pump);

    void cmdOK_Click();
    void Form_Unload(std::int16_t& Cancel);

    HWND Hwnd() const { return window_; }
    HWND cmdOK = nullptr;

private:
    template <class Window>
    friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColours(HDC dc, HWND control);
    void OnColoursChanged();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void LayOutFor(int dpi);
    void Close();
    void Paint();
    void DrawPicture(const DRAWITEMSTRUCT& item) const;

    HWND owner_;
    LoadedWindows& windows_;
    HighContrast highContrast_;
    Palette palette_;
    HWND window_ = nullptr;
    std::unique_ptr<Fonts> fonts_;
    std::vector<HWND> controls_;
    std::string windowFontFamily_;  // the fonts refer to it
};

}  // namespace abaquino::win32
