#include "behaviour/form1_clicks.h"

namespace abaquino::behaviour {

bool Click(Calculator& calculator, const designs::ControlDesign& control)
{
    using designs::Command;
    const auto index = static_cast<std::int16_t>(control.index);
    switch (control.command) {
    case Command::None: return false;
    case Command::Digit: calculator.cmdNumber_Click(index); break;
    case Command::Operator: calculator.CmdOperator_Click(index); break;
    case Command::Equals: calculator.cmdEquals_Click(); break;
    case Command::Percent: calculator.CmdPercent_Click(); break;
    case Command::Clear: calculator.cmdClear_Click(); break;
    case Command::ClearEntry: calculator.cmdClearEntry_Click(); break;
    case Command::Decimal: calculator.cmdDecimal_Click(); break;
    case Command::PlusMinus: calculator.cmdPlusMinus_Click(); break;
    case Command::Euro: calculator.OptBEuro_Click(); break;
    case Command::Lire: calculator.OptBLire_Click(); break;
    }
    return true;
}

}  // namespace abaquino::behaviour
