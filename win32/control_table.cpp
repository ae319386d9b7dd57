#include "win32/control_table.h"

#include "win32/designed_label.h"
#include "win32/wide_text.h"

#include <cmath>

namespace abaquino::win32 {

using designs::ControlKind;
using designs::Pixels;

namespace {

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind KindOf(const ControlDesign& design)
{
    const DWORD tabStop = designs::TakesTab(design) ? WS_TABSTOP : 0;
    const DWORD right = (design.settings & designs::kRightAligned) ? ES_RIGHT : ES_LEFT;
    switch (design.kind) {
    case ControlKind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL | ES_READONLY | right | tabStop, WS_EX_CLIENTEDGE};
    case ControlKind::EntryBox: return {L"EDIT", ES_AUTOHSCROLL | right | tabStop, WS_EX_CLIENTEDGE};
    // Chosen by the window, which keeps the two options exclusive and runs their handlers.
    case ControlKind::OptionButton: return {L"BUTTON", BS_RADIOBUTTON | tabStop, 0};
    case ControlKind::PushButton: {
        const bool isDefault = design.settings & designs::kDefaultButton;
        return {L"BUTTON", (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | tabStop, 0};
    }
    case ControlKind::Label: {
        const bool wraps = design.settings & designs::kWordWrap;
        return {L"STATIC", static_cast<DWORD>((wraps ? SS_LEFT : SS_LEFTNOWORDWRAP) | SS_NOPREFIX), 0};
    }
    case ControlKind::Picture: return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
    }
    return {L"STATIC", 0, 0};
}

SIZE TextSize(HWND control, HFONT font)
{
    const std::wstring text = WindowText(control);
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

bool operator==(const FontDesign& a, const FontDesign& b)
{
    return a.family == b.family && a.points == b.points && a.bold == b.bold && a.italic == b.italic;
}

}  // namespace

Fonts::~Fonts()
{
    for (const auto& [design, font] : made_) DeleteObject(font);
}

HFONT Fonts::Get(const FontDesign& design)
{
    for (const auto& [made, font] : made_) {
        if (made == design) return font;
    }
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(design.points * dpi_ / 72.0));
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = design.italic;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring family = Wide(design.family);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    HFONT handle = CreateFontIndirectW(&font);
    made_.emplace_back(design, handle);
    return handle;
}

std::optional<Rgb> TextColourOf(std::span<const ControlDesign> table, HWND control)
{
    const auto place = static_cast<std::size_t>(GetDlgCtrlID(control) - ControlId(0));
    return place < table.size() ? table[place].textColour : std::nullopt;
}

RECT PixelRect(int left, int top, int width, int height, int dpi)
{
    const int x = Pixels(left, dpi);
    const int y = Pixels(top, dpi);
    return {x, y, x + Pixels(width, dpi), y + Pixels(height, dpi)};
}

std::vector<HWND> BuildControls(std::span<const ControlDesign> table, HWND parent)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    std::vector<HWND> controls;
    controls.reserve(table.size());
    for (std::size_t place = 0; place < table.size(); ++place) {
        const ControlDesign& design = table[place];
        const WindowKind kind = KindOf(design);
        controls.push_back(CreateWindowExW(
            kind.extendedStyle, kind.className, Wide(design.caption).c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(place))), instance, nullptr));
        if (design.kind == ControlKind::Label) PrepareLabel(controls.back());
    }
    return controls;
}

void LayOut(std::span<const ControlDesign> table, std::span<const HWND> controls,
            const FontDesign& windowFont, Fonts& fonts)
{
    const int dpi = fonts.Dpi();
    for (std::size_t place = 0; place < table.size(); ++place) {
        const ControlDesign& design = table[place];
        HFONT font = fonts.Get(design.font.value_or(windowFont));
        SendMessageW(controls[place], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        RECT box = PixelRect(design.left, design.top, design.width, design.height, dpi);
        if (design.settings & designs::kSizedToText) {
            const SIZE text = TextSize(controls[place], font);
            box.right = box.left + text.cx;
            box.bottom = box.top + text.cy;
        }
        MoveWindow(controls[place], box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
    }
}

}  // namespace abaquino::win32
