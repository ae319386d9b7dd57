#include "calc/number_text.h"

#include "calc/float_text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace abaquino {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TakeDigits(std::string_view text, std::size_t& position)
{
    const std::size_t start = position;
    while (position < text.size() && IsDigit(text[position])) ++position;
    return text.substr(start, position - start);
}

// The exponent's value, held back from overflowing: beyond a million it makes no difference.
long SaturatedExponent(const NumberText& number)
{
    constexpr long kCeiling = 1'000'000;
    long exponent = 0;
    for (const char digit : number.exponentDigits) {
        exponent = std::min(kCeiling, exponent * 10 + (digit - '0'));
    }
    return number.exponentNegative ? -exponent : exponent;
}

// The power of ten of the leading significant digit, or nothing for zero.
std::optional<long> LeadingPower(const NumberText& number)
{
    const std::string digits = std::string(number.integerDigits) + std::string(number.fractionDigits);
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return std::nullopt;
    return static_cast<long>(number.integerDigits.size()) - static_cast<long>(first) - 1 +
           SaturatedExponent(number);
}

}  // namespace

std::optional<NumberText> ScanNumber(std::string_view text)
{
    NumberText number;
    std::size_t position = 0;
    if (position < text.size() && text[position] == '-') {
        number.negative = true;
        ++position;
    }
    number.integerDigits = TakeDigits(text, position);
    if (position < text.size() && text[position] == ',') {
        ++position;
        number.fractionDigits = TakeDigits(text, position);
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty()) return std::nullopt;

    if (position < text.size() && text[position] == 'E') {
        ++position;
        number.hasExponent = true;
        if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
            number.exponentNegative = text[position] == '-';
            ++position;
        }
        number.exponentDigits = TakeDigits(text, position);
        if (number.exponentDigits.empty()) return std::nullopt;
    }
    if (position != text.size()) return std::nullopt;
    return number;
}

Outcome<double> ReadNumber(std::string_view text)
{
    const auto number = ScanNumber(text);
    if (!number) return Failure::NotANumber;

    // Read in the C form, with a full stop, never by the locale.
    std::string plain;
    plain.reserve(text.size() + 2);
    if (number->negative) plain += '-';
    plain += number->integerDigits.empty() ? std::string_view("0") : number->integerDigits;
    plain += '.';
    plain += number->fractionDigits;
    if (number->hasExponent) {
        plain += 'e';
        if (number->exponentNegative) plain += '-';
        plain += number->exponentDigits;
    }

    double value = 0;
    const std::errc error = ReadDouble(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        const auto power = LeadingPower(*number);
        if (power && *power > 0) return Failure::TooLarge;
        return number->negative ? -0.0 : 0.0;
    }
    if (error != std::errc()) return Failure::NotANumber;
    return value;
}

}  // namespace abaquino
