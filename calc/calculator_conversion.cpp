// The live conversion display: the entry's amount in the other currency.

#include "calc/calculator.h"
#include "calc/currency_conversion.h"
#include "calc/number_text.h"

namespace abaquino {

// A failure here stays here: the conversion keeps its text and the caller goes on.
void Calculator::ShowConversion(bool intoLire, std::string_view pattern)
{
    const auto text =
        ConvertEntry(window_.EntryText(), intoLire ? Currency::Lire : Currency::Euro, pattern);
    if (!text) {
        window_.ReportFailure(text.failure());
        return;
    }
    window_.SetConversionText(*text);
}

void Calculator::RefreshConversion() { ShowConversion(window_.LireOption(), kTwoDecimalPattern); }

void Calculator::OptBEuro_Click()
{
    if (window_.EntryText().empty()) return;
    ShowConversion(false, kTwoDecimalPattern);
    window_.AmountsShown();
}

// Only a click on the lire option shows whole lire; every later refresh shows cents again.
void Calculator::OptBLire_Click()
{
    if (window_.EntryText().empty()) return;
    ShowConversion(true, kWholeLirePattern);
    window_.AmountsShown();
}

}  // namespace abaquino
