#include "behaviour/form1_clicks.h"

#include <array>
#include <string_view>

namespace abaquino::behaviour {

namespace {

using Handler = void (Calculator::*)();

struct Binding {
    std::string_view control;
    Handler handler;
};

constexpr std::array<Binding, 8> kHandlers = {{
    {"cmdEquals", &Calculator::cmdEquals_Click},
    {"CmdPercent", &Calculator::CmdPercent_Click},
    {"cmdClear", &Calculator::cmdClear_Click},
    {"cmdClearEntry", &Calculator::cmdClearEntry_Click},
    {"cmdDecimal", &Calculator::cmdDecimal_Click},
    {"cmdPlusMinus", &Calculator::cmdPlusMinus_Click},
    {"OptBEuro", &Calculator::OptBEuro_Click},
    {"OptBLire", &Calculator::OptBLire_Click},
}};

}  // namespace

bool Click(Calculator& calculator, const designs::ControlDesign& control)
{
    const auto index = static_cast<std::int16_t>(control.index);
    if (control.name == "cmdNumber") {
        calculator.cmdNumber_Click(index);
        return true;
    }
    if (control.name == "CmdOperator") {
        calculator.CmdOperator_Click(index);
        return true;
    }
    for (const Binding& binding : kHandlers) {
        if (binding.control != control.name) continue;
        (calculator.*binding.handler)();
        return true;
    }
    return false;
}

}  // namespace abaquino::behaviour
