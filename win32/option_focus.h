#pragma once

#include <windows.h>

namespace abaquino::win32 {

// An option button without a caption draws its focus rectangle around its (empty) text, that
// is nowhere; this one draws it around its box, whenever it has the focus and its window shows
// focus cues. And Windows clicks a radio button that takes the focus while unchecked unless told
// not to (BM_SETDONTCLICK), which wine 10 does not heed: `takingFocus` is true while the focus
// arrives, so that its window takes no click from it.
void PrepareOption(HWND option, bool& takingFocus);

}  // namespace abaquino::win32
