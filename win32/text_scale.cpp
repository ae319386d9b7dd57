#include "win32/text_scale.h"

#include <algorithm>

#include <windows.h>

namespace abaquino::win32 {

int TextScalePercent()
{
    DWORD percent = 100;
    DWORD size = sizeof(percent);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Accessibility", L"TextScaleFactor", RRF_RT_REG_DWORD,
                     nullptr, &percent, &size) != ERROR_SUCCESS) {
        return 100;
    }
    return std::clamp(static_cast<int>(percent), 100, 225);
}

}  // namespace abaquino::win32
