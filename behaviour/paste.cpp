#include "behaviour/paste.h"

#include "calc/pasted_amount.h"

namespace abaquino::behaviour {

void Paste(Calculator& calculator, CalculatorView& view, std::optional<std::string_view> clipboard)
{
    if (!clipboard) return view.Beep();
    calculator.PasteAmount(clipboard->substr(0, kPasteReadLimit));
}

}  // namespace abaquino::behaviour
