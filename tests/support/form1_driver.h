#pragma once

// The main window as a scenario drives it, whichever toolkit built it. Each window test program
// implements it over its own window with real events (offscreen Qt, or real messages under wine),
// and the shared scenarios (form1_scenarios.cpp) run on both.

#include "behaviour/window_keys.h"
#include "calc/calculator.h"
#include "designs/control_design.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace abaquino::testing {

enum class AboutClose { ClickOk, Enter, Escape, Space, CloseBox };

class Form1Driver {
public:
    virtual ~Form1Driver() = default;

    // Keys, as the platform delivers them to whichever control has the focus.
    virtual void Type(std::string_view characters) = 0;
    virtual void Press(behaviour::Key key, behaviour::Modifiers held = {}) = 0;  // down, then up
    virtual void KeyDown(behaviour::Key key) = 0;
    virtual void KeyUp(behaviour::Key key) = 0;
    virtual void Chord(char capitalLetter, behaviour::Modifiers held) = 0;  // Ctrl+C, Alt+E
    virtual void LoneAlt() = 0;

    // Controls are named as in the design; "" is the window itself.
    virtual void Click(std::string_view name, int index = designs::kNotInArray) = 0;
    virtual void Focus(std::string_view name, int index = designs::kNotInArray) = 0;
    virtual std::string Focused() const = 0;  // "txtDisplay", "cmdNumber(5)"
    // The first control that is gone or not where the design puts it (form1_pixels.h), or "".
    virtual std::string MisplacedControl() const = 0;

    virtual std::string Entry() const = 0;
    virtual std::string Conversion() const = 0;
    virtual std::string Description(std::string_view name) const = 0;  // what a screen reader reads
    virtual std::size_t Caret() const = 0;
    virtual bool Chosen(std::string_view option) const = 0;
    virtual Calculator& calculator() = 0;

    virtual void SetClipboard(std::string_view text) = 0;
    virtual void SetClipboardPicture() = 0;  // a clipboard that holds no text
    virtual std::string Clipboard() const = 0;
    virtual void ChooseFromEntryMenu(std::string_view entry) = 0;  // "Copia", "Incolla"

    virtual int Beeps() const = 0;
    virtual std::string FailureShown() const = 0;  // its message, or "" when none shows
    // Every sentence said for a screen reader since the window opened, in order, once the steps
    // so far are over.
    virtual std::vector<std::string> Heard() = 0;
    virtual void Deactivate() = 0;                 // another program becomes active
    virtual void Minimise() = 0;
    virtual void Restore() = 0;
    virtual void LetTheFailureTimeOut() = 0;

    // Opens About with Alt+I and runs `whileOpen` in its modal loop; `whileOpen` closes it.
    // False when it never opened.
    virtual bool WithAbout(const std::function<void()>& whileOpen) = 0;
    virtual void CloseAbout(AboutClose way) = 0;
    virtual int LoadedWindowCount() const = 0;
    virtual bool HasCloseBox() const { return true; }  // a page's is the browser's
    virtual void CloseBox() = 0;
    virtual bool Ended() const = 0;  // the window is gone and the program told to end
};

// The test program's own main window, shown and active as at start, its beeps counted.
std::unique_ptr<Form1Driver> ShowForm1();

}  // namespace abaquino::testing
