#include "behaviour/spoken_amounts.h"

namespace abaquino::behaviour {

namespace {

std::string_view InCurrency(Currency shown) { return shown == Currency::Lire ? ", in lire" : ", in euro"; }

}  // namespace

std::string SpokenAmounts(std::string_view entry, Currency shown, std::string_view converted,
                          std::string_view failure)
{
    std::string said(entry);
    if (entry.empty()) return said;
    if (!failure.empty()) return said.append(", ").append(failure);
    if (converted.empty()) return said;
    return said.append(InCurrency(shown)).append(" ").append(converted);
}

std::string ConversionDescription(std::string_view designed, Currency shown)
{
    return std::string(designed).append(InCurrency(shown));
}

}  // namespace abaquino::behaviour
