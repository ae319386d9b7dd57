#pragma once

// Random user actions for the randomized test and the fuzzer: one decoder from bytes to actions,
// and the invariants that must hold after each action.

#include "support/plain_calculator.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace abaquino::testing {

struct Action {
    enum class Kind : std::uint8_t {
        Digit, Decimal, Sign, Backspace, Operator, Equals, Percent, Clear, ClearEntry,
        EuroOption, LireOption, Refresh, KeyPress, KeyUp, GotFocus, Paste,
    };
    Kind kind = Kind::Digit;
    std::int16_t value = 0;  // the digit, operator code, character code or key code; a paste's length
    std::optional<std::string> clipboard = std::nullopt;  // a paste's text, or nothing when the clipboard holds none
};

// Takes one action from the front of the bytes (one or two of them, and for a paste the clipboard's
// bytes after them, as many as the second says); nothing when they are used up.
std::optional<Action> TakeAction(std::span<const std::uint8_t>& bytes);

void Perform(PlainCalculator& calculator, const Action& action);

std::string Describe(const Action& action);

// What can be seen of the calculator between two actions.
struct Snapshot {
    CalculatorState state;
    std::string entry;
    std::size_t caret = 0;
    std::string conversion;
    std::size_t failures = 0;

    static Snapshot Of(const PlainCalculator& calculator);
    // failures: how many failures the view has reported so far.
    static Snapshot Of(const Calculator& calculator, const CalculatorView& view, std::size_t failures);
};

// The first rule that the action broke, or nothing.
std::optional<std::string> BrokenRule(const Snapshot& before, const Snapshot& after,
                                      const Action& action);

}  // namespace abaquino::testing
