#pragma once

#include <string_view>

namespace abaquino {

// Why an operation could not be completed. The window beeps and shows the message.
enum class Failure {
    NotANumber,        // the entry text does not read as a number
    DivisionByZero,    // a non-zero number divided by zero
    Undefined,         // 0 / 0 and other invalid operations
    TooLarge,          // beyond the range of a double
    BeyondConversion,  // a euro amount too large for the decimal used by the conversion
    TooLong,           // a pasted amount that the entry display cannot hold whole
};

// The program's own Italian message for a failure (UTF-8).
std::string_view FailureMessage(Failure failure);

}  // namespace abaquino
