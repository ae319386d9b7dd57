#pragma once

#include <vector>

#include <windows.h>

namespace abaquino::win32 {

// The program's loaded windows in the order they were loaded; the main window comes first.
// Unloading goes through here so that a window asked to unload while it is already unloading
// is left alone.
class LoadedWindows {
public:
    void Load(HWND window);
    // Called by a window once it has finished unloading.
    void Forget(HWND window);

    int Count() const { return static_cast<int>(windows_.size()); }
    HWND At(int position) const;

    // Asks the window to close, unless it is unloading already.
    void Unload(HWND window);
    // Marks the start of an unloading however it began; false if it had begun already.
    bool BeginUnload(HWND window);

private:
    struct Entry {
        HWND window;
        bool unloading = false;
    };
    Entry* Find(HWND window);

    std::vector<Entry> windows_;
};

}  // namespace abaquino::win32
