#pragma once

#include "calc/calculator.h"
#include "support/plain_view.h"

namespace abaquino {

// The calculator on plain values, wired as the window wires it: every write of the entry text
// runs txtDisplay_Change.
class PlainCalculator {
public:
    PlainCalculator() { view.OnEntryChange([this] { calculator.txtDisplay_Change(); }); }
    PlainCalculator(const PlainCalculator&) = delete;
    PlainCalculator& operator=(const PlainCalculator&) = delete;

    PlainView view;
    Calculator calculator{view};
};

}  // namespace abaquino
