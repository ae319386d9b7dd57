#pragma once

// The identifiers the main window's commands and timer arrive with: the menu's entries, the
// entry display's context menu, and the controls, which are numbered by their place in the design.

#include <cstddef>

#include <windows.h>

namespace abaquino::win32 {

enum CommandId : int {
    kFirstMenuCommand = 1,  // the menu bar's entries, in the design's order
    kInformazioniCommand = kFirstMenuCommand + 1,
    kCopyEntryCommand = 3,
    kPasteEntryCommand = 4,
    kFirstControlId = 1000,  // the control at place 0 of its window's design
};

enum TimerId : UINT_PTR {
    kFailureTimer = 1,  // the failure balloon's time is up
};

// Posted by the main window to itself: the step of the user's that made the calculator report
// is over, and its one sentence is to be said.
constexpr UINT kStepOverMessage = WM_APP + 1;

// The command identifier of the control at a place of its table.
constexpr int ControlId(std::size_t place) { return kFirstControlId + static_cast<int>(place); }

}  // namespace abaquino::win32
