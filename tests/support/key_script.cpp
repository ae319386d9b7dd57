#include "support/key_script.h"

#include "behaviour/form1_clicks.h"
#include "designs/form1_design.h"

#include <stdexcept>
#include <string>

namespace abaquino::testing {

constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

std::optional<ScriptKey> ScriptKeyOf(std::string_view key)
{
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
        const int digit = key[0] - '0';
        return ScriptKey{kDigits[digit], "cmdNumber", digit, kDigits[digit]};
    }
    for (const ScriptKey& known : kScriptKeys) {
        if (known.key == key) return known;
    }
    return std::nullopt;
}

void PressKey(PlainCalculator& p, std::string_view key)
{
    if (key == "BS") return p.calculator.BackspaceEntry();
    const std::optional<ScriptKey> known = ScriptKeyOf(key);
    if (!known) throw std::invalid_argument("unknown key: " + std::string(key));
    if (known->control.starts_with("OptB")) p.view.SetLireOption(known->control == "OptBLire");
    for (const designs::ControlDesign& design : designs::kForm1Controls) {
        if (design.name == known->control && design.index == known->index) behaviour::Click(p.calculator, design);
    }
}

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
