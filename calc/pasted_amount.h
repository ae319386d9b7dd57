#pragma once

#include "calc/outcome.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace abaquino {

// Nobody copies an amount longer than this (UTF-8 bytes); anything longer is not read at all,
// so a front end need not read more of a clipboard than one byte beyond it.
inline constexpr std::size_t kLongestPastedText = 64;

// An amount as people copy it from documents, bank statements and spreadsheets ("1.234,56",
// "1,234.56", "€ 12,50", "290.441 lire", " -12\n"), read into the entry text that keying it in
// would give ("1234,56"). Ambiguous text is read the Italian way: "1.234" is a thousand and more,
// "1,234" a little more than one.
// NotANumber for anything but one amount; TooLong for one that the entry display cannot hold
// whole, since cutting it would show a different amount.
Outcome<std::string> ReadPastedAmount(std::string_view text);

}  // namespace abaquino
