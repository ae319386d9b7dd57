#include "win32/designed_label.h"

#include "designs/legibility.h"
#include "win32/colours.h"
#include "win32/wide_text.h"

#include <commctrl.h>

#include <algorithm>

namespace abaquino::win32 {

namespace {

designs::Rgb RgbOf(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

// The outlined text, in the font and place the static control itself would use.
void PaintOutlined(HWND label, HDC dc, HBRUSH face, const designs::Rgb& outline)
{
    RECT area{};
    GetClientRect(label, &area);
    FillRect(dc, &area, face);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const COLORREF text = GetTextColor(dc);
    SetBkMode(dc, TRANSPARENT);
    const bool wraps = (GetWindowLongPtrW(label, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT;
    const UINT format = DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : DT_SINGLELINE);
    std::wstring caption = WindowText(label);
    SetTextColor(dc, ColourRef(outline));
    const int scale = std::max(1, MulDiv(1, static_cast<int>(GetDpiForWindow(label)), 96));  // as thick at 200%
    for (const designs::Offset offset : designs::kOutlineOffsets) {
        RECT moved = area;
        OffsetRect(&moved, offset.x * scale, offset.y * scale);
        DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &moved, format);
    }
    SetTextColor(dc, text);
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &area, format);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK LabelSubclass(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCDESTROY) RemoveWindowSubclass(label, &LabelSubclass, 0);
    if (message != WM_PAINT || wParam) return DefSubclassProc(label, message, wParam, lParam);
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(label, &paint);
    // The window sets the label's colours into the DC, as it does for the system's own painting.
    auto face = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(label)));
    if (!face) face = GetSysColorBrush(COLOR_BTNFACE);
    if (const auto outline = designs::OutlineFor(RgbOf(GetTextColor(dc)), RgbOf(GetBkColor(dc)))) {
        PaintOutlined(label, dc, face, *outline);
    } else {
        DefSubclassProc(label, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
    EndPaint(label, &paint);
    return 0;
}

}  // namespace

void PrepareLabel(HWND label) { SetWindowSubclass(label, &LabelSubclass, 0, 0); }

}  // namespace abaquino::win32
