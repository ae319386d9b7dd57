#pragma once

#include "calc/outcome.h"

#include <cstdint>

namespace abaquino {

// Operator codes, which are also the indices of the operator buttons.
enum Operator : std::int16_t { kNoOperator = 0, kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4 };

// accumulator <operator> operand, as equals completes it. A floating-point fault (division by
// zero, 0 / 0, overflow) is a failure instead of a value.
Outcome<double> Complete(double accumulator, std::int16_t pendingOperator, double operand);

// The operand taken as a percentage of the accumulator, as the percent key completes it.
Outcome<double> CompleteAsPercentage(double accumulator, std::int16_t pendingOperator,
                                     double percentage);

}  // namespace abaquino
