#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

namespace abaquino::ui {

// The program's loaded windows in the order they were loaded; the main window comes first.
// Unloading goes through here so that a window asked to unload while it is already unloading
// is left alone.
class LoadedWindows {
public:
    void Load(QWidget* window);
    // Called by a window once it has finished unloading (or is destroyed).
    void Forget(const QWidget* window);

    int Count() const { return static_cast<int>(windows_.size()); }
    QWidget* At(int position) const;

    // Asks the window to close, unless it is unloading already.
    void Unload(QWidget* window);
    // Marks the start of an unloading however it began; false if it had begun already.
    bool BeginUnload(const QWidget* window);

private:
    struct Entry {
        QPointer<QWidget> window;
        bool unloading = false;
    };
    Entry* Find(const QWidget* window);

    std::vector<Entry> windows_;
};

}  // namespace abaquino::ui
