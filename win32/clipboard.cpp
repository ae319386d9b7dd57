#include "win32/clipboard.h"

#include <algorithm>

namespace abaquino::win32 {

void SetClipboardText(HWND owner, const std::wstring& text)
{
    if (text.empty() || !OpenClipboard(owner)) return;
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
        EmptyClipboard();
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

std::wstring ClipboardText(HWND owner)
{
    std::wstring text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* characters = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Bounded by the memory block, in case the text lacks its terminator.
            const std::size_t most = GlobalSize(data) / sizeof(wchar_t);
            text.assign(characters, std::find(characters, characters + most, L'\0'));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace abaquino::win32
