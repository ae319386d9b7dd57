#pragma once

#include "calc/outcome.h"

#include <string>
#include <string_view>

namespace abaquino {

// The fixed rate: 1936.27 lire for one euro, kept exact in hundredths of a lira for the
// conversions done in integers.
inline constexpr long long kLireHundredthsPerEuro = 193627;
inline constexpr double kLirePerEuro = kLireHundredthsPerEuro / 100.0;

enum class Currency { Euro, Lire };

// The entry text converted into the target currency (the entry is in the other one) and laid
// out by the pattern. Entries as typed are converted exactly, in decimal; results in exponent
// form go through the double product or quotient, taken to 15 significant digits.
Outcome<std::string> ConvertEntry(std::string_view entry, Currency target, std::string_view pattern);

}  // namespace abaquino
