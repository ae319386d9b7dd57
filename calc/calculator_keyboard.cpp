// The keyboard map: every typed character becomes a keypad operation and goes no further.

#include "calc/arithmetic.h"
#include "calc/calculator.h"

namespace abaquino {

namespace {
constexpr std::int16_t kCarriageReturn = 13;
}  // namespace

// "-" always subtracts (only the sign button negates), "C" clears the entry only, "." is the
// decimal comma and "," itself does nothing.
void Calculator::txtDisplay_KeyPress(std::int16_t& KeyAscii)
{
    const std::int16_t key = KeyAscii;
    if (key >= '0' && key <= '9') {
        cmdNumber_Click(static_cast<std::int16_t>(key - '0'));
    } else {
        switch (key) {
        case '+': CmdOperator_Click(kAdd); break;
        case '-': CmdOperator_Click(kSubtract); break;
        case '*':
        case 'x':
        case 'X': CmdOperator_Click(kMultiply); break;
        case '/': CmdOperator_Click(kDivide); break;
        case '=':
        case kCarriageReturn: cmdEquals_Click(); break;
        case '.': cmdDecimal_Click(); break;
        case '%': CmdPercent_Click(); break;
        case 'C':
        case 'c': cmdClearEntry_Click(); break;
        default: break;
        }
    }
    KeyAscii = 0;
}

// On release, so holding the key removes one character.
void Calculator::txtDisplay_KeyUp(std::int16_t& KeyCode, std::int16_t /*Shift*/)
{
    if (KeyCode == kBackspaceKeyCode || KeyCode == kDeleteKeyCode) BackspaceEntry();
    KeyCode = 0;
}

void Calculator::Form_KeyPress(std::int16_t& KeyAscii) { txtDisplay_KeyPress(KeyAscii); }

void Calculator::Form_KeyUp(std::int16_t& KeyCode, std::int16_t Shift)
{
    txtDisplay_KeyUp(KeyCode, Shift);
}

// The caret always stands after the last character.
void Calculator::txtDisplay_Change() { window_.SetEntryCaret(window_.EntryText().size()); }

void Calculator::txtDisplay_GotFocus() { txtDisplay_Change(); }

}  // namespace abaquino
