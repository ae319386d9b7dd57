#pragma once

// Which handler a click on a control of the main window runs, by the control's design.

#include "calc/calculator.h"
#include "designs/control_design.h"
#include "designs/form1_design.h"

#include <cstdint>

namespace abaquino::behaviour {

// Runs the click handler of a keypad key or a currency option; other controls have none.
// False when the control has no click handler.
bool Click(Calculator& calculator, const designs::ControlDesign& control);

// Runs the handler of an entry of the main window's menu bar: Esci with its index in its array.
template <class Form>
void ChooseMenuEntry(Form& form, const designs::MenuEntryDesign& entry)
{
    if (entry.name == "Esci") return form.Esci_Click(static_cast<std::int16_t>(entry.index));
    form.Informazioni_Click();
}

}  // namespace abaquino::behaviour
