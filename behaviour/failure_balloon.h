#pragma once

// The failure's message, as every face shows it, each in its own units: it hangs from the middle
// of the entry's lower edge (centred there; on Windows the balloon's stem points there), wraps
// at the width below, and stays until the next key or click anywhere in the program, a new text
// in either display, the window's deactivation, minimising or hiding, or the time below.

#include <string_view>

namespace abaquino::behaviour {

inline constexpr std::string_view kFailureBalloonUnder = "txtDisplay";
inline constexpr int kFailureBalloonMaxWidth = 6000;  // twips: 400 pixels at 96 dpi
inline constexpr int kFailureShownMilliseconds = 4000;

}  // namespace abaquino::behaviour
