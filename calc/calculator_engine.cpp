// The arithmetic keys: equals, the operators, percent, clear and clear entry.

#include "calc/arithmetic.h"
#include "calc/calculator.h"
#include "calc/number_text.h"

namespace abaquino {

// The second operand is never stored: it is whatever the entry display shows now.
Outcome<double> Calculator::Operand() const
{
    const std::string entry = window_.EntryText();
    if (entry.empty()) return 0.0;
    return ReadNumber(entry);
}

// Operand, the pending operation completed by the rule, and the result shown; on a failure
// only the report, with everything as it was.
bool Calculator::CompleteWith(CompletionRule rule)
{
    const auto operand = Operand();
    const auto result = operand ? rule(state_.Accumulator, state_.PendingOperator, *operand) : operand;
    if (!result) {
        window_.ReportFailure(result.failure());
        return false;
    }
    ShowResult(*result);
    return true;
}

void Calculator::ShowResult(double result)
{
    state_.Accumulator = result;
    state_.PendingOperator = kNoOperator;
    state_.NewEntry = true;
    window_.SetEntryText(FormatForEntry(result));
    RefreshConversion();
    window_.AmountsShown();
}

void Calculator::cmdEquals_Click() { CompleteWith(Complete); }

// Left to right, no precedence: an operator first completes what is pending, so 5 + + shows 10.
void Calculator::CmdOperator_Click(std::int16_t Index)
{
    if (!CompleteWith(Complete)) return;
    state_.NewEntry = true;
    state_.PendingOperator = Index;
}

void Calculator::CmdPercent_Click() { CompleteWith(CompleteAsPercentage); }

// Only the displays: a pending operation survives, so 2 + 5 CE 3 = shows 5.
void Calculator::cmdClearEntry_Click()
{
    window_.SetEntryText("");
    window_.SetConversionText("");
}

void Calculator::cmdClear_Click()
{
    cmdClearEntry_Click();
    state_.Accumulator = 0;
    state_.PendingOperator = kNoOperator;
}

}  // namespace abaquino
