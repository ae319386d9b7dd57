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

// Hands the displays and the options, which the window uses by name, to its fields of their
// designed names: take(place, field) sets the field to the control built at that place of the
// design. Every other control is known by its place alone.
template <class Window, class Take>
void TakeForm1Controls(Window& window, Take take)
{
    using designs::PlaceOf;
    constexpr std::span<const designs::ControlDesign> table = designs::kForm1Controls;
    take(PlaceOf(table, "txtDisplay"), window.txtDisplay);
    take(PlaceOf(table, "TxtDisplay1"), window.TxtDisplay1);
    take(PlaceOf(table, "OptBLire"), window.OptBLire);
    take(PlaceOf(table, "OptBEuro"), window.OptBEuro);
}

// The currency options' rules, for any toolkit's window with the two option fields: the pair the
// Tab walk takes as one stop, the option chosen at start, the chosen one (isChecked asks the
// toolkit), whether it converts into lire, and the other of the one that has the focus.
template <class Window>
auto OptionsOf(const Window& window)
{
    return std::pair{window.OptBLire, window.OptBEuro};
}
template <class Window>
auto StartingOption(const Window& window)
{
    return window.OptBEuro;
}
template <class Window, class IsChecked>
auto ChosenOptionOf(const Window& window, IsChecked isChecked)
{
    return isChecked(window.OptBLire) ? window.OptBLire : window.OptBEuro;
}
template <class Window, class Control>
bool IsLireOption(const Window& window, const Control& option)
{
    return option == window.OptBLire;
}
template <class Window, class Control>
auto OtherOption(const Window& window, const Control& focus)
{
    return focus == window.OptBLire ? window.OptBEuro : window.OptBLire;
}

// Where Tab (or Shift+Tab) moves the focus: the designed order of `controls`, in which the two
// options are one stop at the place of the first, standing for the chosen one, so Tab from the
// entry reaches the currency in use. isStop says whether another control takes Tab's focus.
template <class Control, class IsStop>
Control NextInTabWalk(const std::vector<Control>& controls, std::type_identity_t<Control> focus, bool forward,
                      const std::type_identity_t<std::pair<Control, Control>>& options,
                      std::type_identity_t<Control> chosen, IsStop isStop)
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
// that has the focus and the keys copy; the whole conversion when asked for; else the entry. An
// empty text leaves the clipboard as it was: each front end copies only a text that is not empty.
template <class Text>
Text CopiedText(CopyFrom from, bool conversionHasFocus, const Text& entry, const Text& conversion, const Text& selected)
{
    if (from == CopyFrom::Conversion) return conversion;
    if (from != CopyFrom::FocusedDisplay || !conversionHasFocus) return entry;
    return selected.size() == 0 ? conversion : selected;
}

}  // namespace abaquino::behaviour
