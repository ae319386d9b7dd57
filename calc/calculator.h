#pragma once

// The calculator of the main window: an immediate-execution machine with one accumulator and one
// pending operator, plus a live converter between euro and lire.
//
// The number being typed is stored nowhere but in the entry display; every key edits that text
// and every operation reads its operand back from it. The handlers are named after the control
// events that run them and call one another directly, as the keypad and the keyboard map do.
// The window is reached only through CalculatorView, so all of this runs on plain values too.
//
// No handler throws: a failure is reported to the view, and the operation stops where it failed
// with the state as it was.

#include "calc/calculator_view.h"
#include "calc/outcome.h"

#include <cstdint>

namespace abaquino {

// The key codes the keyboard map acts on when a key is released.
inline constexpr std::int16_t kBackspaceKeyCode = 8;
inline constexpr std::int16_t kDeleteKeyCode = 46;

struct CalculatorState {
    double Accumulator = 0;              // the running result, or the first operand
    std::int16_t PendingOperator = 0;    // waiting for its second operand; 0 for none
    bool NewEntry = false;               // the next digit, comma or sign starts a new entry

    bool operator==(const CalculatorState&) const = default;
};

class Calculator {
public:
    explicit Calculator(CalculatorView& window) : window_(window) {}

    const CalculatorState& State() const { return state_; }

    // Engine
    void cmdEquals_Click();
    void CmdOperator_Click(std::int16_t Index);
    void CmdPercent_Click();
    void cmdClear_Click();
    void cmdClearEntry_Click();

    // Entry editing
    void cmdNumber_Click(std::int16_t Index);
    void cmdDecimal_Click();
    void cmdPlusMinus_Click();
    void BackspaceEntry();
    // Text from the clipboard, keyed in as a new entry when it reads as an amount.
    void PasteAmount(std::string_view text);

    // Live conversion
    void RefreshConversion();
    void OptBEuro_Click();
    void OptBLire_Click();

    // Keyboard
    void txtDisplay_KeyPress(std::int16_t& KeyAscii);
    void txtDisplay_KeyUp(std::int16_t& KeyCode, std::int16_t Shift);
    void Form_KeyPress(std::int16_t& KeyAscii);
    void Form_KeyUp(std::int16_t& KeyCode, std::int16_t Shift);
    void txtDisplay_Change();
    void txtDisplay_GotFocus();

private:
    using CompletionRule = Outcome<double> (*)(double accumulator, std::int16_t pendingOperator,
                                               double operand);
    Outcome<double> Operand() const;
    // Completes the pending operation by the rule; false when it failed and nothing changed.
    bool CompleteWith(CompletionRule rule);
    void ShowResult(double result);
    void ShowConversion(bool intoLire, std::string_view pattern);

    CalculatorView& window_;
    CalculatorState state_;
};

}  // namespace abaquino
