#pragma once

// Doubles as C-form text ("2.5e-07"), at a given precision, and read back: std::to_chars and
// std::from_chars where the standard library has them for floating point, else the C library's
// printf and strtod, which the standard defines them by.

#include <system_error>

namespace abaquino {

// As printf's %.*e and %.*g: the written text ends at the returned pointer. `last - first` must
// hold the longest such text (32 characters are enough for a precision up to 16).
char* WriteScientific(char* first, char* last, double value, int precision);
char* WriteGeneral(char* first, char* last, double value, int precision);

// Reads a whole C-form decimal number of `text` into `value`. result_out_of_range when it is
// too large for a double, or too small to be anything but zero; invalid_argument when any of the
// text is not read.
std::errc ReadDouble(const char* first, const char* last, double& value);

}  // namespace abaquino
