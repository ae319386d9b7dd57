#include "support/key_script.h"

#include <stdexcept>
#include <string>

namespace abaquino::testing {

namespace {

void PressKey(PlainCalculator& p, std::string_view key)
{
    Calculator& c = p.calculator;
    if (key == ",") return c.cmdDecimal_Click();
    if (key == "+/-") return c.cmdPlusMinus_Click();
    if (key == "+") return c.CmdOperator_Click(1);
    if (key == "-") return c.CmdOperator_Click(2);
    if (key == "x") return c.CmdOperator_Click(3);
    if (key == "/") return c.CmdOperator_Click(4);
    if (key == "=") return c.cmdEquals_Click();
    if (key == "%") return c.CmdPercent_Click();
    if (key == "C") return c.cmdClear_Click();
    if (key == "CE") return c.cmdClearEntry_Click();
    if (key == "BS") return c.BackspaceEntry();
    if (key == "EUR") {
        p.view.SetLireOption(false);
        return c.OptBEuro_Click();
    }
    if (key == "LIT") {
        p.view.SetLireOption(true);
        return c.OptBLire_Click();
    }
    if (key.size() != 1 || key[0] < '0' || key[0] > '9') {
        throw std::invalid_argument("unknown key: " + std::string(key));
    }
    c.cmdNumber_Click(static_cast<std::int16_t>(key[0] - '0'));
}

}  // namespace

void ForEachKey(std::string_view script, const std::function<void(std::string_view key)>& press)
{
    while (!script.empty()) {
        const auto end = script.find(' ');
        const auto key = script.substr(0, end);
        const bool number = !key.empty() && key.find_first_not_of("0123456789") == std::string_view::npos;
        if (number) {
            for (std::size_t digit = 0; digit < key.size(); ++digit) press(key.substr(digit, 1));
        } else if (!key.empty()) {
            press(key);
        }
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    }
}

void Press(PlainCalculator& calculator, std::string_view script)
{
    ForEachKey(script, [&calculator](std::string_view key) { PressKey(calculator, key); });
}

void Type(PlainCalculator& calculator, std::string_view characters)
{
    for (const char character : characters) {
        std::int16_t code = static_cast<unsigned char>(character);
        calculator.calculator.Form_KeyPress(code);
    }
}

}  // namespace abaquino::testing
