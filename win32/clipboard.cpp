#include "win32/clipboard.h"

#include <algorithm>

namespace abaquino::win32 {

namespace {

bool OpenPatiently(HWND owner)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

}  // namespace

void SetClipboardText(HWND owner, const std::wstring& text)
{
    if (text.empty() || !OpenPatiently(owner)) return;
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (auto* characters = static_cast<wchar_t*>(GlobalLock(memory))) {
            std::copy_n(text.c_str(), text.size() + 1, characters);
            GlobalUnlock(memory);
            EmptyClipboard();
            if (SetClipboardData(CF_UNICODETEXT, memory)) memory = nullptr;  // the clipboard's now
        }
        if (memory) GlobalFree(memory);
    }
    CloseClipboard();
}

std::optional<std::wstring> ClipboardText(HWND owner, std::size_t most)
{
    if (!OpenPatiently(owner)) return std::nullopt;
    std::optional<std::wstring> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* characters = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Bounded by the memory block too, in case the text lacks its terminator.
            const std::size_t length = std::min(GlobalSize(data) / sizeof(wchar_t), most);
            text.emplace(characters, std::find(characters, characters + length, L'\0'));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace abaquino::win32
