#include "calc/number_text.h"

#include "calc/float_text.h"

#include <charconv>
#include <cmath>

namespace abaquino {

namespace {

// The C form of a number ("2.5e-07") written the program's way ("2,5E-07").
std::string Italianised(const char* begin, const char* end)
{
    std::string text(begin, end);
    for (char& c : text) {
        if (c == '.') c = ',';
        if (c == 'e') c = 'E';
    }
    return text;
}

// Exponent form rounded to the given number of significant digits, trailing zeros dropped.
std::string ExponentForm(double value, int digits)
{
    char text[48];
    const char* const end = WriteScientific(text, text + sizeof text, value, digits - 1);
    std::string form = Italianised(text, end);
    const auto exponent = form.find('E');
    std::string mantissa = form.substr(0, exponent);
    if (mantissa.find(',') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == ',') mantissa.pop_back();
    }
    return mantissa + form.substr(exponent);
}

}  // namespace

std::string FormatDigit(std::int16_t index)
{
    char text[8];
    const auto end = std::to_chars(text, text + sizeof text, index).ptr;
    return std::string(text, end);
}

std::string FormatGeneral(double value)
{
    if (value == 0) return "0";  // also for -0
    char text[48];
    const char* const end = WriteGeneral(text, text + sizeof text, value, 15);
    return Italianised(text, end);
}

std::string FormatForEntry(double value)
{
    std::string general = FormatGeneral(value);
    if (general.size() <= kEntryLimit) return general;

    // Cutting away decimals only makes the shown value a little less precise...
    const auto comma = general.find(',');
    if (general.find('E') == std::string::npos && comma != std::string::npos &&
        comma <= kEntryLimit) {
        general.resize(kEntryLimit);
        return general;
    }
    // ...cutting integer digits or the exponent would show a different number.
    int digits = 15;
    std::string form = ExponentForm(value, digits);
    while (form.size() > kEntryLimit && digits > 1) form = ExponentForm(value, --digits);
    return form;
}

}  // namespace abaquino
