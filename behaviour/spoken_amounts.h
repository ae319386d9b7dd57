#pragma once

// What a screen reader says once the displays show new amounts, whichever toolkit speaks it.

#include "calc/currency_conversion.h"

#include <string>
#include <string_view>

namespace abaquino::behaviour {

// "15, in euro 0,01": the entry and its conversion. A conversion that failed in the same step is
// said in place of the amount it left on the display, which belongs to an earlier entry. Nothing
// when the entry is empty.
std::string SpokenAmounts(std::string_view entry, Currency shown, std::string_view converted,
                          std::string_view failure = {});

// The conversion display's description, for a screen reader reviewing the window: the designed one
// with the currency it shows, "L'importo nella valuta scelta, in euro".
std::string ConversionDescription(std::string_view designed, Currency shown);

}  // namespace abaquino::behaviour
