#include "win32/loaded_windows.h"

#include <algorithm>

namespace abaquino::win32 {

void LoadedWindows::Load(HWND window)
{
    if (!Find(window)) windows_.push_back({window, false});
}

void LoadedWindows::Forget(HWND window)
{
    std::erase_if(windows_, [window](const Entry& e) { return e.window == window; });
}

HWND LoadedWindows::At(int position) const
{
    return position >= 0 && position < Count() ? windows_[static_cast<std::size_t>(position)].window : nullptr;
}

void LoadedWindows::Unload(HWND window)
{
    const Entry* entry = Find(window);
    if (!entry || entry->unloading) return;
    SendMessageW(window, WM_CLOSE, 0, 0);  // the window's close handler calls BeginUnload
}

bool LoadedWindows::BeginUnload(HWND window)
{
    Entry* entry = Find(window);
    if (!entry || entry->unloading) return false;
    entry->unloading = true;
    return true;
}

LoadedWindows::Entry* LoadedWindows::Find(HWND window)
{
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [window](const Entry& e) { return e.window == window; });
    return found == windows_.end() ? nullptr : &*found;
}

}  // namespace abaquino::win32
