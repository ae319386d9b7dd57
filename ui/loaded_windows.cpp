#include "ui/loaded_windows.h"

#include <algorithm>

namespace abaquino::ui {

void LoadedWindows::Load(QWidget* window)
{
    if (!Find(window)) windows_.push_back({window, false});
}

void LoadedWindows::Forget(const QWidget* window)
{
    std::erase_if(windows_, [window](const Entry& e) { return e.window == window || !e.window; });
}

QWidget* LoadedWindows::At(int position) const
{
    return position >= 0 && position < Count() ? windows_[static_cast<std::size_t>(position)].window.data()
                                               : nullptr;
}

void LoadedWindows::Unload(QWidget* window)
{
    if (!window) return;
    Entry* entry = Find(window);
    if (!entry || entry->unloading) return;
    window->close();  // the window's close handler calls BeginUnload
}

bool LoadedWindows::BeginUnload(const QWidget* window)
{
    Entry* entry = Find(window);
    if (!entry || entry->unloading) return false;
    entry->unloading = true;
    return true;
}

LoadedWindows::Entry* LoadedWindows::Find(const QWidget* window)
{
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [window](const Entry& e) { return e.window == window; });
    return found == windows_.end() ? nullptr : &*found;
}

}  // namespace abaquino::ui
