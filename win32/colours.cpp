#include "win32/colours.h"

namespace abaquino::win32 {

bool SystemHighContrast()
{
    HIGHCONTRASTW state{};
    state.cbSize = sizeof(state);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(state), &state, 0) && (state.dwFlags & HCF_HIGHCONTRASTON);
}

void RepaintAll(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace abaquino::win32
