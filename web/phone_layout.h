#pragma once

// The main window on a phone's screen, or in any viewport too small for its designed size: it
// fills the screen, width and height, with no scrolling. Plain CSS that every engine applies: the
// scale is a length (one designed pixel, stretched), multiplied and divided by plain numbers only.

#include <string>

namespace abaquino::web {

std::string PhoneCss();

}  // namespace abaquino::web
