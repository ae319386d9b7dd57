#include "calc/arithmetic.h"

#include <cmath>

namespace abaquino {

namespace {

Outcome<double> Checked(double result, bool dividedByZero)
{
    if (std::isnan(result)) return Failure::Undefined;
    if (std::isinf(result)) return dividedByZero ? Failure::DivisionByZero : Failure::TooLarge;
    return result;
}

}  // namespace

Outcome<double> Complete(double accumulator, std::int16_t pendingOperator, double operand)
{
    switch (pendingOperator) {
    case kNoOperator: return operand;
    case kAdd: return Checked(operand + accumulator, false);
    case kSubtract: return Checked(accumulator - operand, false);
    case kMultiply: return Checked(operand * accumulator, false);
    case kDivide: return Checked(accumulator / operand, operand == 0);
    default: return accumulator;  // no such operator: nothing to complete
    }
}

Outcome<double> CompleteAsPercentage(double accumulator, std::int16_t pendingOperator,
                                     double percentage)
{
    // The product comes first: it is what can overflow.
    const auto share = [&] { return accumulator * percentage / 100; };
    switch (pendingOperator) {
    case kNoOperator:
    case kDivide: return percentage;
    case kSubtract: return Checked(accumulator - share(), false);
    case kAdd:
    case kMultiply: return Checked(accumulator + share(), false);
    default: return accumulator;
    }
}

}  // namespace abaquino
