#pragma once

// Which handler a click on a control of the main window runs, by the control's design.

#include "calc/calculator.h"
#include "designs/control_design.h"

namespace abaquino::behaviour {

// Runs the click handler of a keypad key or a currency option; other controls have none.
// False when the control has no click handler.
bool Click(Calculator& calculator, const designs::ControlDesign& control);

}  // namespace abaquino::behaviour
