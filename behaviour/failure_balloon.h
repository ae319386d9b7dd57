#pragma once

// How long a failure's message stays under the entry when nothing closes it sooner.

namespace abaquino::behaviour {

inline constexpr int kFailureShownMilliseconds = 4000;

}  // namespace abaquino::behaviour
