#include "calc/number_text.h"

#include <string>
#include <utility>

namespace abaquino {

namespace {

struct PatternShape {
    int requiredIntegerDigits = 0;  // "0" before the decimal position
    bool grouped = false;           // "," before the decimal position
    int requiredPlaces = 0;         // "0" after it
    int places = 0;                 // "0" and "#" after it
};

PatternShape ShapeOf(std::string_view pattern)
{
    PatternShape shape;
    const auto point = pattern.find('.');
    const auto integerPart = pattern.substr(0, point);
    for (const char c : integerPart) {
        if (c == '0') ++shape.requiredIntegerDigits;
        if (c == ',') shape.grouped = true;
    }
    if (point != std::string_view::npos) {
        for (const char c : pattern.substr(point + 1)) {
            if (c == '0') ++shape.requiredPlaces;
            if (c == '0' || c == '#') ++shape.places;
        }
    }
    return shape;
}

std::string GroupedInThrees(const std::string& digits)
{
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) grouped += '.';
        grouped += digits[i];
    }
    return grouped;
}

// The digits before and after the decimal point; the exponent is at least -places by now.
std::pair<std::string, std::string> SplitAtDecimalPoint(const Decimal& rounded)
{
    std::string digits = WideDigits(rounded.coefficient);
    if (rounded.exponent >= 0) return {digits + std::string(static_cast<std::size_t>(rounded.exponent), '0'), ""};
    const auto fractionLength = static_cast<std::size_t>(-rounded.exponent);
    if (digits.size() <= fractionLength) digits.insert(0, fractionLength + 1 - digits.size(), '0');
    return {digits.substr(0, digits.size() - fractionLength), digits.substr(digits.size() - fractionLength)};
}

}  // namespace

int PatternPlaces(std::string_view pattern) { return ShapeOf(pattern).places; }

std::string FormatPattern(const Decimal& value, std::string_view pattern)
{
    const PatternShape shape = ShapeOf(pattern);
    const Decimal rounded = RoundToPlaces(value, shape.places);
    auto [integerDigits, fractionDigits] = SplitAtDecimalPoint(rounded);
    fractionDigits.resize(static_cast<std::size_t>(shape.places), '0');
    while (static_cast<int>(fractionDigits.size()) > shape.requiredPlaces && fractionDigits.back() == '0') {
        fractionDigits.pop_back();
    }

    const auto firstSignificant = integerDigits.find_first_not_of('0');
    integerDigits.erase(0, std::min(firstSignificant, integerDigits.size()));
    if (static_cast<int>(integerDigits.size()) < shape.requiredIntegerDigits) {
        integerDigits.insert(0, shape.requiredIntegerDigits - integerDigits.size(), '0');
    }

    std::string text;
    if (rounded.negative && rounded.coefficient != 0) text += '-';
    text += shape.grouped ? GroupedInThrees(integerDigits) : integerDigits;
    if (!fractionDigits.empty()) text += ',' + fractionDigits;
    return text;
}

std::string FormatPattern(double value, std::string_view pattern)
{
    return FormatPattern(DecimalFromDouble(value), pattern);
}

}  // namespace abaquino
