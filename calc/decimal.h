#pragma once

#include <string>

namespace abaquino {

// GCC and Clang have 128-bit integers; __extension__ keeps -Wpedantic quiet about them.
__extension__ typedef unsigned __int128 Wide;

// A base-10 number: (negative ? -1 : 1) × coefficient × 10^exponent.
// Amounts pass through it so that they are rounded on decimal places, as money is.
struct Decimal {
    bool negative = false;
    Wide coefficient = 0;
    int exponent = 0;
};

// The double to 15 significant digits (the precision a double can be trusted to).
// The value must be finite.
Decimal DecimalFromDouble(double value);

// Rounded to the given number of decimal places, halves away from zero (as euro amounts are
// rounded). The result has an exponent of at least -places.
Decimal RoundToPlaces(Decimal value, int places);

// numerator / denominator rounded to a whole number, halves away from zero. Denominator > 0.
Wide DivideRounded(Wide numerator, Wide denominator);

// 10^power, for power 0 to 38.
Wide PowerOfTen(int power);

// The decimal digits of a wide integer.
std::string WideDigits(Wide value);

}  // namespace abaquino
