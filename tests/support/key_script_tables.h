#pragma once

// Key scripts with what they must show, as tables: the logic's tests check them on plain values,
// and each window's tests press them on its real controls.

#include "calc/failure.h"

#include <ostream>

namespace abaquino::testing {

// Keys as a user presses them, the entry and the conversion (into euro) that result.
struct Script {
    const char* keys;
    const char* entry;
    const char* conversion;
};

inline constexpr Script kEngineScripts[] = {
    Script{"=", "0", "0,00"},
    Script{"2 + 3 =", "5", "0,00"},
    Script{"2 + 3 x", "5", "0,00"},
    Script{"2 + 3 x 4 =", "20", "0,01"},
    Script{"7 - =", "0", "0,00"},
    Script{"12 = =", "12", "0,01"},
    Script{"5 + +", "10", "0,01"},
    Script{"200 + 10 %", "220", "0,11"},
    Script{"200 - 10 %", "180", "0,09"},
    Script{"200 x 10 %", "220", "0,11"},
    Script{"200 / 10 %", "10", "0,01"},
    Script{"10 %", "10", "0,01"},
    Script{"10 / 4 =", "2,5", "0,00"},
    Script{"1 / 3 =", "0,3333333333333", "0,00"},
    Script{"123456789 x 987654321 =", "1,219326311E+17", "62.972.948.555.728,30"},
    Script{"0 - 999999999999999 =", "-1E+15", "-516.456.899.089,49"},
    Script{"1 / 300000 =", "3,333333333E-06", "0,00"},
    Script{"2 + 5 CE 3 =", "5", "0,00"},
    Script{"2 + 5 C 3 =", "3", "0,00"},
    Script{"2 + 5 C", "", ""},
    Script{"0 x 5 +/- =", "0", "0,00"},
    Script{"3 +/- x 0 =", "0", "0,00"}
};

// Keys that edit the entry, and the entry that results.
struct Edit {
    const char* keys;
    const char* entry;
};

inline constexpr Edit kEditingScripts[] = {
    Edit{"5 , 2", "5,2"},
    Edit{"0 0 7", "007"},
    Edit{"+ , 5", ",5"},                   // new entry starts with the comma
    Edit{"12 = 3", "3"},
    Edit{"123 = BS 3", "3"},               // backspace keeps the entry marked new
    Edit{"12 +/-", "-12"},
    Edit{"12 +/- +/-", "12"},
    Edit{"1 , 25 +/-", "-1,25"},
    Edit{"= +/- 4", "-4"},                 // sign on a new entry gives a lone minus
    Edit{"+/-", "-"},
    Edit{"123 BS", "12"},
    Edit{"5 BS", ""},
    Edit{"5 +/- BS", ""},
    Edit{"12 +/- BS", "-1"},
    Edit{"5 , BS", "5"},
    Edit{"BS", ""},
    Edit{"123456789012345 6", "123456789012345"},   // the sixteenth character is dropped
    Edit{"123456789012345 ,", "123456789012345"},
    Edit{"123456789012345 +/-", "-12345678901234"}
};

// A failed equals or percent (or operator) changes nothing and reports why.
struct FailingScript {
    const char* setup;
    const char* failingKey;
    Failure failure;
};

inline constexpr FailingScript kFailingScripts[] = {
    FailingScript{"1 / 0", "=", Failure::DivisionByZero},
    FailingScript{"0 / 0", "=", Failure::Undefined},
    FailingScript{"5 / 0", "+", Failure::DivisionByZero},     // the operator changes nothing more
    FailingScript{"+/-", "=", Failure::NotANumber},
    FailingScript{"+/-", "%", Failure::NotANumber},
    FailingScript{",", "x", Failure::NotANumber},
    // Squaring by repeated operators reaches 1E+256; one more product overflows.
    FailingScript{"LIT 99999999 x x x x x x", "=", Failure::TooLarge},
    FailingScript{"LIT 99999999 x x x x x x", "%", Failure::TooLarge}
};

inline void PrintTo(const Script& script, std::ostream* out) { *out << '"' << script.keys << '"'; }
inline void PrintTo(const Edit& edit, std::ostream* out) { *out << '"' << edit.keys << '"'; }
inline void PrintTo(const FailingScript& script, std::ostream* out)
{
    *out << '"' << script.setup << "\" then \"" << script.failingKey << '"';
}

}  // namespace abaquino::testing
