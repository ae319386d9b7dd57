// The keys that edit the number being typed: digits, comma, sign and backspace.

#include "calc/calculator.h"
#include "calc/number_text.h"
#include "calc/pasted_amount.h"

namespace abaquino {

void Calculator::cmdNumber_Click(std::int16_t Index)
{
    if (state_.NewEntry) {
        window_.SetEntryText(FormatDigit(Index));
        state_.NewEntry = false;
    } else {
        window_.SetEntryText(window_.EntryText() + FormatDigit(Index));
    }
    RefreshConversion();
}

// The comma test comes first: right after a result such as 2,5 the comma beeps instead of
// starting a new entry.
void Calculator::cmdDecimal_Click()
{
    const std::string entry = window_.EntryText();
    if (entry.find(',') != std::string::npos) {
        window_.Beep();
    } else if (state_.NewEntry) {
        window_.SetEntryText(",");
        state_.NewEntry = false;
    } else {
        window_.SetEntryText(entry + ",");
    }
}

// The conversion is left as it was until the next digit, result or backspace.
void Calculator::cmdPlusMinus_Click()
{
    const std::string entry = window_.EntryText();
    if (state_.NewEntry) {
        window_.SetEntryText("-");
        state_.NewEntry = false;
    } else if (entry.starts_with('-')) {
        window_.SetEntryText(std::string_view(entry).substr(1));
    } else {
        window_.SetEntryText("-" + entry);
    }
}

// A lone digit, or a minus and one digit, leaves the empty entry; the conversion then keeps
// showing the last amount.
void Calculator::BackspaceEntry()
{
    const std::string entry = window_.EntryText();
    const std::size_t shortest = entry.starts_with('-') ? 2 : 1;
    if (entry.size() > shortest) {
        window_.SetEntryText(std::string_view(entry).substr(0, entry.size() - 1));
        RefreshConversion();
    } else {
        window_.SetEntryText("");
    }
}

// Exactly as if the amount's sign, digits and comma were keyed after an operator: the entry is
// replaced and every digit refreshes the conversion.
void Calculator::PasteAmount(std::string_view text)
{
    const auto entry = ReadPastedAmount(text);
    if (!entry) {
        window_.ReportFailure(entry.failure());
        return;
    }
    state_.NewEntry = true;
    for (const char key : *entry) {
        if (key == '-') {
            cmdPlusMinus_Click();
        } else if (key == ',') {
            cmdDecimal_Click();
        } else {
            cmdNumber_Click(static_cast<std::int16_t>(key - '0'));
        }
    }
}

}  // namespace abaquino
