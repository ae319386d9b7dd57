#pragma once

// Tab and Shift+Tab through a window's designed order, for any front end's controls.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace abaquino::designs {

// Adds a control to the stops of Tab, unless it is one already (the options of a group are
// one stop).
template <class Control>
void AddTabStop(std::vector<Control>& stops, const Control& control)
{
    if (std::find(stops.begin(), stops.end(), control) == stops.end()) stops.push_back(control);
}

// The stop after (or before) the focus. From a control that is not a stop, Tab goes to the
// first stop and Shift+Tab to the last. `stops` must not be empty.
template <class Control>
Control NextTabStop(const std::vector<Control>& stops, const Control& focus, bool forward)
{
    const auto found = std::find(stops.begin(), stops.end(), focus);
    const std::size_t count = stops.size();
    const std::size_t place = found == stops.end() ? (forward ? count - 1 : 0)
                                                   : static_cast<std::size_t>(found - stops.begin());
    return stops[(place + (forward ? 1 : count - 1)) % count];
}

}  // namespace abaquino::designs
