#pragma once

#include "behaviour/loaded_windows.h"

#include <QPointer>
#include <QWidget>

namespace abaquino::ui {

// Qt's side of the list of loaded windows: a window is gone once its QPointer is null, and is
// asked to close as a user would.
struct QtWindows {
    using Window = QPointer<QWidget>;
    static bool Exists(const Window& window) { return !window.isNull(); }
    static void AskToClose(const Window& window) { window->close(); }
};

using LoadedWindows = behaviour::LoadedWindows<QtWindows>;

}  // namespace abaquino::ui
