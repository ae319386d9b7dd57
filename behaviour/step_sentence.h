#pragma once

// What a screen reader hears for one step of the user's (a key, a click, a paste): at most one
// sentence, made from what the step showed, whichever toolkit speaks it. The calculator reports a
// failure, and the amounts once it shows a result or a new currency; one step can do both, as a
// result whose conversion failed. The window notes each report as it comes and says the sentence
// once the step is over, so that no reader hears the failure twice, nor one that a second
// announcement replaced.

#include "calc/calculator_view.h"
#include "calc/currency_conversion.h"
#include "calc/failure.h"

#include <optional>
#include <string>

namespace abaquino::behaviour {

// The currency the conversion display shows.
Currency ShownCurrency(const CalculatorView& window);

class StepSentence {
public:
    // Each is true when it is the step's first report: the window then arranges for Take once
    // the step is over.
    bool NoteFailure(Failure failure);
    bool NoteAmountsShown();

    // The sentence of the step that is over, "" when it has none, read from the window as the
    // step left it: the failure alone, the amounts, or the amount with the failure in place of
    // the conversion it could not make. The next step starts afresh.
    std::string Take(const CalculatorView& window);

private:
    bool Pending() const { return failure_ || amountsShown_; }

    std::optional<Failure> failure_;
    bool amountsShown_ = false;
};

}  // namespace abaquino::behaviour
