#pragma once

// The main window shown for a test, driven with real messages: clicks are BM_CLICK, keys are
// posted to the control that has the focus and go through the window's own message pump, so
// the key preview and the translation into characters run as they do for a user.

#include "designs/form1_design.h"
#include "win32/command_ids.h"
#include "win32/form1.h"
#include "win32/wide_text.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>
#include <string_view>

namespace abaquino::win32::testing {

// Whatever the window posted last (its WM_QUIT above all) must not reach the next test.
struct EmptiedQueue {
    ~EmptiedQueue()
    {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {}
    }
};

struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false;  // the Windows key
};

class ShownForm {
public:
    explicit ShownForm(UiaFunctions uia = UiaFunctions::FromSystem());

    void Pump() { form.pump().DeliverPending(); }
    std::string Entry() const { return Utf8(WindowText(form.txtDisplay)); }
    std::string Conversion() const { return Utf8(WindowText(form.TxtDisplay1)); }
    std::size_t Caret() const;
    bool Checked(HWND option) const { return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    void Click(HWND control);
    // A real click (SendInput) at a point of the screen: it reaches whatever window the desktop
    // finds there, as a user's does. Returns once the window has handled the release.
    void ClickAt(POINT at);
    void KeyDown(WORD key, Modifiers held = {});
    void KeyUp(WORD key, Modifiers held = {});
    void Key(WORD key, Modifiers held = {});
    // Each character as the keys that type it on the current layout, or else as a WM_CHAR.
    void Type(std::string_view characters);

    EmptiedQueue emptied;
    int beeps = 0;
    bool highContrast = false;
    Form1 form;
};

// A control of the main window by its designed name, as the window knows it: by its place.
inline HWND Control(const Form1& form, std::string_view name, int index = designs::kNotInArray)
{
    for (std::size_t place = 0; place < designs::kForm1Controls.size(); ++place) {
        const designs::ControlDesign& design = designs::kForm1Controls[place];
        if (design.name == name && design.index == index) return GetDlgItem(form.Hwnd(), ControlId(place));
    }
    return nullptr;
}

// A key pressed and released on a window of the modal loop that is running (the About window's),
// posted for that loop to deliver.
void PostKey(HWND target, WORD key, bool alt = false);

// The clipboard as another program sets and reads it.
void PutOnClipboard(HWND owner, const wchar_t* text);
void PutPictureOnClipboard(HWND owner);  // a PNG, as a browser copies a picture: no text
std::string FromClipboard(HWND owner);

// What a screen reader reads of a control through its accessible object: name, description and
// help text, or "(none)" where the object has nothing to say.
struct ReadAloud {
    std::string name, description, help;
};
ReadAloud ReadAloudOf(HWND control);

// The controls of a window made from `table` say what the design says: its name, or else the
// caption, and its description, also as the help text.
void ExpectDesignedNames(std::span<const designs::ControlDesign> table, const std::vector<HWND>& controls);

// Runs `inside` from within the modal loop of the About window that `open` opens; `inside`
// must close it. Gives the About window it saw, or null when none opened.
HWND WithAboutOpen(ShownForm& shown, const std::function<void()>& open,
                   const std::function<void(HWND about)>& inside);

// How far a control's inkiest pixel, as its window shows it, stands out from its face (the
// commonest colour): WCAG's contrast ratio.
double InkContrast(HWND control);

}  // namespace abaquino::win32::testing
