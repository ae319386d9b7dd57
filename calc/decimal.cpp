#include "calc/decimal.h"

#include "calc/float_text.h"

#include <charconv>
#include <cmath>

namespace abaquino {

namespace {
constexpr int kMaxPowerOfTen = 38;  // the largest power of ten below 2^128
}

Wide PowerOfTen(int power)
{
    Wide result = 1;
    for (int i = 0; i < power; ++i) result *= 10;
    return result;
}

Wide DivideRounded(Wide numerator, Wide denominator)
{
    const Wide quotient = numerator / denominator;
    const Wide remainder = numerator % denominator;
    return remainder >= denominator - remainder ? quotient + 1 : quotient;
}

std::string WideDigits(Wide value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

Decimal DecimalFromDouble(double value)
{
    Decimal result;
    result.negative = std::signbit(value);
    if (value == 0) return result;

    // d.dddddddddddddde±x: fifteen significant digits, correctly rounded.
    char text[32];
    const char* const end = WriteScientific(text, text + sizeof text, std::fabs(value), 14);
    const char* cursor = text;
    for (; cursor != end && *cursor != 'e'; ++cursor) {
        if (*cursor != '.') result.coefficient = result.coefficient * 10 + (*cursor - '0');
    }
    int exponent = 0;
    const char* exponentStart = cursor + 1;
    if (*exponentStart == '+') ++exponentStart;
    std::from_chars(exponentStart, end, exponent);
    result.exponent = exponent - 14;
    return result;
}

Decimal RoundToPlaces(Decimal value, int places)
{
    if (value.exponent >= -places) return value;
    const int dropped = -places - value.exponent;
    // Every coefficient is below half of 10^39, so dropping more digits than that gives zero.
    value.coefficient = dropped > kMaxPowerOfTen
                            ? 0
                            : DivideRounded(value.coefficient, PowerOfTen(dropped));
    value.exponent = -places;
    return value;
}

}  // namespace abaquino
