#pragma once

// The main window's controls by their designed names, and the rules of its Tab walk and copy,
// for any toolkit's controls.

#include "behaviour/window_keys.h"
#include "designs/form1_design.h"
#include "designs/tab_order.h"

#include <span>
#include <type_traits>
#include <utility>
#include <vector>

namespace abaquino::behaviour {

// Hands each control to the window's field of its designed name: take(place, field) sets the
// field to the control built at that place of the design.
template <class Window, class Take>
void TakeForm1Controls(Window& window, Take take)
{
    using designs::PlaceOf;
    constexpr std::span<const designs::ControlDesign> table = designs::kForm1Controls;
    take(PlaceOf(table, "txtDisplay"), window.txtDisplay);
    take(PlaceOf(table, "TxtDisplay1"), window.TxtDisplay1);
    take(PlaceOf(table, "OptBLire"), window.OptBLire);
    take(PlaceOf(table, "OptBEuro"), window.OptBEuro);
    constexpr auto digits = designs::PlacesOf<10>(table, "cmdNumber", 0);
    for (std::size_t digit = 0; digit < digits.size(); ++digit) take(digits[digit], window.cmdNumber[digit]);
    constexpr auto operators = designs::PlacesOf<4>(table, "CmdOperator", 1);
    for (std::size_t i = 0; i < operators.size(); ++i) take(operators[i], window.CmdOperator[i + 1]);
    take(PlaceOf(table, "cmdEquals"), window.cmdEquals);
    take(PlaceOf(table, "CmdPercent"), window.CmdPercent);
    take(PlaceOf(table, "cmdClear"), window.cmdClear);
    take(PlaceOf(table, "cmdClearEntry"), window.cmdClearEntry);
    take(PlaceOf(table, "cmdDecimal"), window.cmdDecimal);
    take(PlaceOf(table, "cmdPlusMinus"), window.cmdPlusMinus);
    take(PlaceOf(table, "Label1"), window.Label1);
    take(PlaceOf(table, "Label2"), window.Label2);
    take(PlaceOf(table, "Label3"), window.Label3);
}

// Where Tab (or Shift+Tab) moves the focus: the designed order of `controls`, in which the two
// options are one stop at the place of the first, standing for the chosen one, so Tab from the
// entry reaches the currency in use. isStop says whether another control takes Tab's focus.
template <class Control, class IsStop>
Control NextInTabWalk(const std::vector<Control>& controls, std::type_identity_t<Control> focus, bool forward,
                      const std::pair<Control, Control>& options, std::type_identity_t<Control> chosen, IsStop isStop)
{
    const auto isOption = [&](const Control& control) { return control == options.first || control == options.second; };
    std::vector<Control> stops;
    for (Control control : controls) {
        if (isOption(control)) {
            control = chosen;
        } else if (!isStop(control)) {
            continue;
        }
        designs::AddTabStop(stops, control);
    }
    return designs::NextTabStop(stops, isOption(focus) ? chosen : focus, forward);
}

// What a copy puts on the clipboard: the conversion, or its selected part, when it is the display
// that has the focus and the keys copy; else the entry.
template <class Text>
Text CopiedText(CopyFrom from, bool conversionHasFocus, const Text& entry, const Text& conversion, const Text& selected)
{
    if (from != CopyFrom::FocusedDisplay || !conversionHasFocus) return entry;
    return selected.size() == 0 ? conversion : selected;
}

}  // namespace abaquino::behaviour
