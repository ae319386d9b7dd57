#include "win32/entry_display.h"

#include "calc/number_text.h"
#include "designs/form1_design.h"
#include "win32/command_ids.h"
#include "win32/wide_text.h"

#include <commctrl.h>

namespace abaquino::win32 {

EntryDisplay::~EntryDisplay()
{
    if (edit_) RemoveWindowSubclass(edit_, &EntryDisplay::Procedure, 0);
}

void EntryDisplay::Attach(HWND edit)
{
    edit_ = edit;
    SetWindowSubclass(edit_, &EntryDisplay::Procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

void EntryDisplay::Show(std::wstring text)
{
    shown_ = std::move(text);
    SetWindowTextW(edit_, shown_.c_str());
}

bool EntryDisplay::RestoreIfEdited()
{
    if (WindowText(edit_) == shown_) return false;
    SetWindowTextW(edit_, shown_.c_str());
    return true;
}

std::size_t EntryDisplay::Caret() const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end;
}

void EntryDisplay::SetCaret(std::size_t position)
{
    SendMessageW(edit_, EM_SETSEL, position, static_cast<LPARAM>(position));
}

void EntryDisplay::ShowContextMenu(LPARAM where)
{
    POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (at.x == -1 && at.y == -1) {  // from the keyboard: under the control
        RECT box{};
        GetWindowRect(edit_, &box);
        at = {box.left, box.bottom};
    }
    HMENU menu = CreatePopupMenu();
    for (const designs::MenuEntryDesign& item : designs::kEntryMenu) {
        const bool copy = item.name == "Copia";
        const UINT greyed = designs::GreyedWhileEmpty(item) && shown_.empty() ? MF_GRAYED : 0;
        AppendMenuW(menu, MF_STRING | greyed, copy ? kCopyEntryCommand : kPasteEntryCommand,
                    (Wide(item.caption) + (copy ? L"\tCtrl+C" : L"\tCtrl+V")).c_str());
    }
    const auto command = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit_, nullptr));
    DestroyMenu(menu);
    if (command) SendMessageW(GetParent(edit_), WM_COMMAND, MAKEWPARAM(command, 0), reinterpret_cast<LPARAM>(edit_));
}

LRESULT CALLBACK EntryDisplay::Procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR data)
{
    auto* self = reinterpret_cast<EntryDisplay*>(data);
    switch (message) {
    case WM_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_CHAR:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetFocus(edit);  // the caret stays at the end
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE || wParam == VK_BACK || wParam == VK_INSERT) return 0;
        break;
    case WM_CONTEXTMENU:
        self->ShowContextMenu(lParam);
        return 0;
    default: break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace abaquino::win32
