#pragma once

// What a screen reader hears of each control: the system's own accessible object, with the name
// and the description from the window's design. NVDA and JAWS read these objects directly;
// Narrator through UI Automation, which shows the description as the help text too.

#include "designs/control_design.h"

#include <span>
#include <string>

#include <windows.h>

namespace abaquino::win32 {

// Each control of `controls`, made from `table`, answers WM_GETOBJECT with its designed name and
// description where the design has them, until it is destroyed.
void GiveDesignedNames(std::span<const designs::ControlDesign> table, std::span<const HWND> controls);

// The window answers a screen reader as a dialog that says `description` as it opens.
void DescribeDialog(HWND window, const std::wstring& description);

// The name a control given its designed name answers with from now on; an empty one gives the
// designed name back. A live region is spoken by its name.
void SetSpokenName(HWND control, const std::wstring& name);

// The description a control given its designed description answers with from now on, and says
// it changed; an empty one gives the designed description back.
void SetDescription(HWND control, const std::wstring& description);

}  // namespace abaquino::win32
