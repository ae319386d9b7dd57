#pragma once

// Numbers live as text in the displays and become numbers only for a moment. Everything here
// writes the Italian way (comma for decimals, full stop for thousands) and never consults the
// process locale, which Qt sets to the user's.

#include "calc/decimal.h"
#include "calc/outcome.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace abaquino {

// The entry display keeps at most this many characters.
inline constexpr std::size_t kEntryLimit = 15;
// What it keeps of a longer text written to it: the first characters, as a text box with that
// maximum length keeps them.
constexpr std::string_view KeptByEntry(std::string_view text) { return text.substr(0, kEntryLimit); }

// The currency patterns, as the program stores them.
inline constexpr std::string_view kTwoDecimalPattern = "###,###,###,###,##0.00";
inline constexpr std::string_view kWholeLirePattern = "###,###,###,###,###,###";

// An entry text taken apart: [-]digits[,digits][E[+|-]digits].
struct NumberText {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool hasExponent = false;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

// A number's text split into sign, digits and exponent; nothing when the text is no number
// ("", "-", ",", "1E", ...).
std::optional<NumberText> ScanNumber(std::string_view text);

// The entry text as a double: NotANumber, or TooLarge beyond the double's range.
// Magnitudes too small for a double read as zero.
Outcome<double> ReadNumber(std::string_view text);

// The decimal digits of a small integer: the text of a digit key.
std::string FormatDigit(std::int16_t index);

// The general form of a result: up to 15 significant digits, exponent form below 1E-04 and from
// 1E+15, "," before decimals only when there are some.
std::string FormatGeneral(double value);

// What a result looks like in the 15-character entry display: the general form, cut to the
// limit when only decimals are lost, else the exponent form with as many digits as fit.
std::string FormatForEntry(double value);

// A value laid out by a pattern of "#" (optional digit), "0" (required digit), "," (group
// thousands, written ".") and "." (decimal position, written ","); rounded to the pattern's
// last place, halves away from zero. A value that rounds to zero has no minus sign.
std::string FormatPattern(const Decimal& value, std::string_view pattern);
std::string FormatPattern(double value, std::string_view pattern);

// How many decimal places a pattern rounds to.
int PatternPlaces(std::string_view pattern);

}  // namespace abaquino
