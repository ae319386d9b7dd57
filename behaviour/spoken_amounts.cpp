#include "behaviour/spoken_amounts.h"

namespace abaquino::behaviour {

std::string SpokenAmounts(std::string_view entry, Currency shown, std::string_view converted,
                          std::string_view failure)
{
    std::string said(entry);
    if (entry.empty()) return said;
    if (!failure.empty()) return said.append(", ").append(failure);
    if (converted.empty()) return said;
    return said.append(shown == Currency::Lire ? ", in lire " : ", in euro ").append(converted);
}

}  // namespace abaquino::behaviour
