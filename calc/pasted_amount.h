#pragma once

#include "calc/outcome.h"

#include <string>
#include <string_view>

namespace abaquino {

// An amount as people copy it from documents, bank statements and spreadsheets ("1.234,56",
// "1,234.56", "€ 12,50", "290.441 lire", " -12\n"), read into the entry text that keying it in
// would give ("1234,56"). Ambiguous text is read the Italian way: "1.234" is a thousand and more,
// "1,234" a little more than one.
// NotANumber for anything but one amount; TooLong for one that the entry display cannot hold
// whole, since cutting it would show a different amount.
Outcome<std::string> ReadPastedAmount(std::string_view text);

}  // namespace abaquino
