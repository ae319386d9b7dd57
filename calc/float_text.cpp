#include "calc/float_text.h"

#include <charconv>

#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#endif

namespace abaquino {

#if defined(__cpp_lib_to_chars)

char* WriteScientific(char* first, char* last, double value, int precision)
{
    return std::to_chars(first, last, value, std::chars_format::scientific, precision).ptr;
}

char* WriteGeneral(char* first, char* last, double value, int precision)
{
    return std::to_chars(first, last, value, std::chars_format::general, precision).ptr;
}

std::errc ReadDouble(const char* first, const char* last, double& value)
{
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc() && end != last) return std::errc::invalid_argument;
    return error;
}

#else

// Only for a C library without locales, as WebAssembly's is: there printf and strtod always use
// the full stop, and both are exact at any precision.
namespace {

char* Printed(char* first, char* last, const char* format, double value, int precision)
{
    const int written = std::snprintf(first, static_cast<std::size_t>(last - first), format, precision, value);
    return written < 0 || written >= last - first ? first : first + written;
}

}  // namespace

char* WriteScientific(char* first, char* last, double value, int precision)
{
    return Printed(first, last, "%.*e", value, precision);
}

char* WriteGeneral(char* first, char* last, double value, int precision)
{
    return Printed(first, last, "%.*g", value, precision);
}

std::errc ReadDouble(const char* first, const char* last, double& value)
{
    const std::string text(first, last);  // strtod wants the end marked
    // strtod would also take spaces, a plus sign, hexadecimal, "inf" and "nan"; from_chars not.
    if (text.empty() || (text[0] != '-' && (text[0] < '0' || text[0] > '9'))) return std::errc::invalid_argument;
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return std::errc::invalid_argument;
    // strtod reports ERANGE also for a tiny number it could keep; from_chars only for one lost.
    if (errno == ERANGE && (std::isinf(read) || read == 0)) return std::errc::result_out_of_range;
    value = read;
    return std::errc();
}

#endif

}  // namespace abaquino
