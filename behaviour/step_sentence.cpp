#include "behaviour/step_sentence.h"

#include "behaviour/spoken_amounts.h"

namespace abaquino::behaviour {

Currency ShownCurrency(const CalculatorView& window) { return window.LireOption() ? Currency::Lire : Currency::Euro; }

bool StepSentence::NoteFailure(Failure failure)
{
    const bool first = !Pending();
    failure_ = failure;
    return first;
}

bool StepSentence::NoteAmountsShown()
{
    const bool first = !Pending();
    amountsShown_ = true;
    return first;
}

std::string StepSentence::Take(const CalculatorView& window)
{
    const std::string_view failure = failure_ ? FailureMessage(*failure_) : std::string_view{};
    std::string sentence = amountsShown_ ? SpokenAmounts(window.EntryText(), ShownCurrency(window), window.ConversionText(), failure)
                                         : std::string(failure);
    failure_.reset();
    amountsShown_ = false;
    return sentence;
}

}  // namespace abaquino::behaviour
