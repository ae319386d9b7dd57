// The main window's key preview: every key meets the window before the control that has the
// focus, and reaches the keyboard map once.

#include "win32/form1.h"

#include "designs/tab_order.h"

namespace abaquino::win32 {

namespace {

bool IsDown(int key) { return GetKeyState(key) < 0; }

bool IsArrow(WPARAM key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

bool Navigates(WPARAM key) { return IsArrow(key) || key == VK_HOME || key == VK_END || key == VK_PRIOR || key == VK_NEXT; }

std::int16_t ShiftState()
{
    return static_cast<std::int16_t>((IsDown(VK_SHIFT) ? 1 : 0) | (IsDown(VK_CONTROL) ? 2 : 0) |
                                     (IsDown(VK_MENU) ? 4 : 0));
}

}  // namespace

bool Form1::PreviewMessage(MSG& message)
{
    switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        balloon_->Hide();
        return false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        balloon_->Hide();
        break;
    default: break;
    }
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return KeyDown(message);
    case WM_CHAR: {
        // Ctrl with a letter makes a control character; it types nothing. AltGr (Ctrl+Alt) does.
        if (IsDown(VK_CONTROL) && !IsDown(VK_MENU)) return true;
        std::int16_t code = message.wParam > 0x7fff ? std::int16_t{0x7fff} : static_cast<std::int16_t>(message.wParam);
        calculator_.Form_KeyPress(code);
        return true;  // no character reaches a control
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        std::int16_t code = static_cast<std::int16_t>(message.wParam);
        calculator_.Form_KeyUp(code, ShiftState());
        return false;  // buttons need Space's release to click
    }
    default: return false;
    }
}

// What a pressed key does before any control sees it. Keys that type a character are translated
// here and go no further: the character comes back as WM_CHAR.
bool Form1::KeyDown(const MSG& message)
{
    const WPARAM key = message.wParam;
    const bool control = IsDown(VK_CONTROL);
    const bool alt = message.message == WM_SYSKEYDOWN || IsDown(VK_MENU);
    const bool shift = IsDown(VK_SHIFT);
    if (!alt && ((control && key == 'C') || (control && !shift && key == VK_INSERT))) {
        Copy(false);
        return true;
    }
    if (!alt && ((control && key == 'V') || (shift && !control && key == VK_INSERT))) {
        Paste();
        return true;
    }
    if (alt) return false;  // the menu's access keys, Alt+F4, the system menu
    const HWND focus = GetFocus();
    if (key == VK_TAB && !control) {
        MoveFocus(!shift);
        return true;
    }
    const bool onOption = focus == OptBLire || focus == OptBEuro;
    if (onOption && Navigates(key) && !IsArrow(key)) return true;  // only the arrows choose
    if (onOption && IsArrow(key)) {
        const HWND other = focus == OptBLire ? OptBEuro : OptBLire;
        movingToOption_ = true;  // a Windows that clicks on focus anyway must not choose twice
        SetFocus(other);
        movingToOption_ = false;
        SendMessageW(other, BM_CLICK, 0, 0);
        return true;
    }
    if (Navigates(key)) return focus != TxtDisplay1;  // only the conversion can be selected
    // The keypad's decimal key is the decimal comma, whatever character the layout gives it.
    if (key == VK_DECIMAL) {
        std::int16_t comma = '.';
        calculator_.Form_KeyPress(comma);
        return true;
    }
    // A button is pressed by Space as usual; the pump translates the key once, as for the others.
    const bool onButton = focus && focus != txtDisplay && focus != TxtDisplay1;
    if (key == VK_SPACE && !control && onButton) return false;
    TranslateMessage(&message);
    return true;
}

// Tab walks the designed order, in which the two options are one stop at the place of the
// first; the stop is the chosen option, so Tab from the entry reaches the currency in use.
void Form1::MoveFocus(bool forward)
{
    std::vector<HWND> stops;
    for (HWND control : controls_) {
        if (control == OptBLire || control == OptBEuro) {
            control = ChosenOption();
        } else if (!(GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP)) {
            continue;
        }
        designs::AddTabStop(stops, control);
    }
    HWND focus = GetFocus();
    if (focus == OptBLire || focus == OptBEuro) focus = ChosenOption();
    SetFocus(designs::NextTabStop(stops, focus, forward));
}

}  // namespace abaquino::win32
