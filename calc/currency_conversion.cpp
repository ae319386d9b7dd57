#include "calc/currency_conversion.h"

#include "calc/number_text.h"

#include <cmath>
#include <optional>

namespace abaquino {

namespace {

// The rate as a fraction.
constexpr Wide kLireNumerator = kLireHundredthsPerEuro;
constexpr Wide kLireDenominator = 100;

// Beyond this the wide integers below could overflow; such entries take the double route.
constexpr std::size_t kExactDigitLimit = 19;

// The decimal range the euro amount must fit: magnitudes below 2^96.
constexpr double kDecimalLimit = 79228162514264337593543950336.0;

// digits × 10^-scale × rate, rounded to the given places, computed in integers.
std::optional<Decimal> ExactConversion(const NumberText& number, Currency target, int places)
{
    if (number.hasExponent) return std::nullopt;
    std::string digits = std::string(number.integerDigits) + std::string(number.fractionDigits);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    const std::size_t scale = number.fractionDigits.size();
    if (digits.size() > kExactDigitLimit || scale > kExactDigitLimit) return std::nullopt;

    Wide coefficient = 0;
    for (const char digit : digits) coefficient = coefficient * 10 + static_cast<Wide>(digit - '0');

    const bool toLire = target == Currency::Lire;
    const Wide numerator = coefficient * (toLire ? kLireNumerator : kLireDenominator) *
                           PowerOfTen(places);
    const Wide denominator = (toLire ? kLireDenominator : kLireNumerator) *
                             PowerOfTen(static_cast<int>(scale));
    return Decimal{number.negative, DivideRounded(numerator, denominator), -places};
}

}  // namespace

Outcome<std::string> ConvertEntry(std::string_view entry, Currency target, std::string_view pattern)
{
    const auto number = ScanNumber(entry);
    if (!number) return Failure::NotANumber;
    if (const auto exact = ExactConversion(*number, target, PatternPlaces(pattern))) {
        return FormatPattern(*exact, pattern);
    }

    const auto amount = ReadNumber(entry);
    if (!amount) return amount.failure();
    const double converted =
        target == Currency::Lire ? *amount * kLirePerEuro : *amount / kLirePerEuro;
    if (!std::isfinite(converted)) return Failure::TooLarge;
    if (target == Currency::Euro && std::fabs(converted) >= kDecimalLimit) {
        return Failure::BeyondConversion;
    }
    return FormatPattern(converted, pattern);
}

}  // namespace abaquino
