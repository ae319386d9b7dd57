// The main window's key preview: every key meets the window before the control that has the
// focus, and reaches the keyboard map once. What a key does is the window's key rules' answer.

#include "win32/form1.h"

#include "behaviour/form1_controls.h"


namespace abaquino::win32 {

namespace {

using behaviour::Key;
using behaviour::KeyAnswer;

bool IsDown(int key) { return GetKeyState(key) < 0; }

Key KeyOf(WPARAM key)
{
    switch (key) {
    case VK_TAB: return Key::Tab;
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    case VK_HOME: return Key::Home;
    case VK_END: return Key::End;
    case VK_PRIOR: return Key::PageUp;
    case VK_NEXT: return Key::PageDown;
    case VK_INSERT: return Key::Insert;
    case VK_SPACE: return Key::Space;
    case VK_BACK: return Key::Backspace;
    case VK_DELETE: return Key::Delete;
    case VK_DECIMAL: return Key::KeypadDecimal;
    case 'C': return Key::C;
    case 'V': return Key::V;
    default: return Key::Other;
    }
}

// A system key (WM_SYSKEYDOWN) comes with Alt, or with none of the window's menu: F10.
behaviour::Modifiers Held(bool systemKey = false)
{
    return {.shift = IsDown(VK_SHIFT), .control = IsDown(VK_CONTROL), .alt = systemKey || IsDown(VK_MENU),
            .meta = IsDown(VK_LWIN) || IsDown(VK_RWIN)};
}

// NVDA echoes these keys in an editable field itself, once the caret has moved (editableText.py:
// script_caret_newLine says the line up to the caret, _backspaceScriptHelper the character deleted,
// _deleteScriptHelper the one at the caret).
bool ReaderEchoes(WPARAM key) { return key == VK_RETURN || key == VK_BACK || key == VK_DELETE; }

bool IsUserInput(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return true;
    default: return false;
    }
}

}  // namespace

bool Form1::PreviewMessage(MSG& message)
{
    if (IsUserInput(message.message)) {
        balloon_->Hide();  // anywhere, even in another window
        readerEchoesStep_ = message.message == WM_KEYDOWN && message.hwnd == txtDisplay && ReaderEchoes(message.wParam);
    }
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return KeyDown(message);
    case WM_CHAR: return CharacterTyped(message.wParam);
    case WM_KEYUP:
    case WM_SYSKEYUP: KeyReleased(message.wParam); return false;  // buttons need Space's release to click
    default: return false;
    }
}

// True when the key goes no further. Keys that type a character are translated here, and the
// character comes back as WM_CHAR; the keys left to a control or the menu are translated by the
// pump, once, as for the others.
bool Form1::KeyDown(const MSG& message)
{
    switch (behaviour::AnswerKeyDown(KeyOf(message.wParam), Held(message.message == WM_SYSKEYDOWN),
                                       behaviour::KindOf(designs::kForm1Controls, controls_, GetFocus()))) {
    case KeyAnswer::CopyFocusedDisplay: Copy(behaviour::CopyFrom::FocusedDisplay); return true;
    case KeyAnswer::Paste: Paste(); return true;
    case KeyAnswer::NextTabStop: MoveFocus(true); return true;
    case KeyAnswer::PreviousTabStop: MoveFocus(false); return true;
    case KeyAnswer::ChooseOtherOption: ChooseOtherOption(); return true;
    case KeyAnswer::ToControl:
    case KeyAnswer::ToMenu:
    case KeyAnswer::ToSystem: return false;
    case KeyAnswer::KeyPress: TranslateMessage(&message); return true;
    case KeyAnswer::DecimalComma: behaviour::TypeDecimalComma(calculator_); return true;
    case KeyAnswer::Swallow: return true;
    }
    return true;
}

bool Form1::CharacterTyped(WPARAM character)
{
    if (auto code = behaviour::TypedCode(static_cast<char32_t>(character), Held())) calculator_.Form_KeyPress(*code);
    return true;  // no character reaches a control
}

void Form1::KeyReleased(WPARAM key)
{
    behaviour::Release release = behaviour::Released(KeyOf(key), Held());
    calculator_.Form_KeyUp(release.code, release.shift);
}

void Form1::ChooseOtherOption()
{
    const HWND other = behaviour::OtherOption(*this, GetFocus());
    SetFocus(other);
    SendMessageW(other, BM_CLICK, 0, 0);
}

void Form1::MoveFocus(bool forward)
{
    const auto takesTab = [](HWND control) { return (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0; };
    SetFocus(behaviour::NextInTabWalk(controls_, GetFocus(), forward, behaviour::OptionsOf(*this), ChosenOption(), takesTab));
}

}  // namespace abaquino::win32
