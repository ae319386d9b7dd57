#pragma once

// The program's loaded windows in the order they were loaded; the main window comes first.
// Unloading goes through here so that a window asked to unload while it is already unloading is
// left alone, and no window that is gone stays in the list.
//
// A toolkit's seam names its windows and two things only it can do:
//   using Window = ...;                           // kept in the list, compared with ==
//   static bool Exists(const Window&);            // false once the window is gone
//   static void AskToClose(const Window&);        // its close handler calls BeginUnload

#include <algorithm>
#include <cstdint>
#include <vector>

namespace abaquino::behaviour {

template <class Toolkit>
class LoadedWindows {
public:
    using Window = typename Toolkit::Window;

    void Load(const Window& window)
    {
        if (!Find(window)) windows_.push_back({window, false});
    }

    // Called by a window once it has finished unloading, or is destroyed.
    void Forget(const Window& window)
    {
        std::erase_if(windows_, [&](const Entry& e) { return e.window == window || !Toolkit::Exists(e.window); });
    }

    int Count() const { return static_cast<int>(windows_.size()); }
    // Nothing (a default Window) outside the list.
    Window At(int position) const
    {
        return position >= 0 && position < Count() ? windows_[static_cast<std::size_t>(position)].window : Window{};
    }

    // Asks the window to close, unless it is unloading already.
    void Unload(const Window& window)
    {
        const Entry* entry = Find(window);
        if (entry && !entry->unloading && Toolkit::Exists(window)) Toolkit::AskToClose(window);
    }

    // Marks the start of an unloading however it began; false if it had begun already.
    bool BeginUnload(const Window& window)
    {
        Entry* entry = Find(window);
        if (!entry || entry->unloading) return false;
        entry->unloading = true;
        return true;
    }

    // Every way of closing a secondary window ends here: false, and nothing done, if it was
    // unloading already. Its formUnload(Cancel) runs, which never cancels; then `leave` does the
    // toolkit's part before the window leaves the list (its owner enabled, the close accepted).
    template <class FormUnload, class Leave>
    bool RunUnload(const Window& window, FormUnload formUnload, Leave leave)
    {
        if (!BeginUnload(window)) return false;
        std::int16_t cancel = 0;
        formUnload(cancel);
        leave();
        Forget(window);
        return true;
    }

    // Unloads every secondary window, last loaded first; position 0, the main window, stays.
    void UnloadSecondary()
    {
        for (int position = Count() - 1; position >= 1; --position) Unload(At(position));
    }

private:
    struct Entry {
        Window window;
        bool unloading = false;
    };

    Entry* Find(const Window& window)
    {
        const auto found = std::find_if(windows_.begin(), windows_.end(), [&](const Entry& e) { return e.window == window; });
        return found == windows_.end() ? nullptr : &*found;
    }

    std::vector<Entry> windows_;
};

}  // namespace abaquino::behaviour
