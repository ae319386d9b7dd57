#pragma once

#include <string>

#include <windows.h>

namespace abaquino::win32 {

// The entry display over an EDIT control: it shows the number being typed with its caret always
// at the end, and only the calculator changes it. Typing reaches the calculator through the
// window's key preview; the context menu's "Copia" and "Incolla" are sent to the window as the
// commands below. Every other way in is closed: typed characters, paste, cut, clear, undo,
// input methods, dragging the caret. Should an edit slip through anyway, the window puts back
// what was shown when the control reports the change.
class EntryDisplay {
public:

    EntryDisplay() = default;
    EntryDisplay(const EntryDisplay&) = delete;
    EntryDisplay& operator=(const EntryDisplay&) = delete;
    ~EntryDisplay();

    // Takes over the control.
    void Attach(HWND edit);
    HWND Hwnd() const { return edit_; }

    // Writes the text, cut to the limit; the control reports the change before this returns.
    void Show(std::wstring text);
    const std::wstring& Shown() const { return shown_; }
    // True when the control's text is not what was shown; it has been put back.
    bool RestoreIfEdited();

    std::size_t Caret() const;
    void SetCaret(std::size_t position);

private:
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void ShowContextMenu(LPARAM where);

    HWND edit_ = nullptr;
    std::wstring shown_;
};

}  // namespace abaquino::win32
