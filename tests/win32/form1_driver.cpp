// The Windows main window driven for the shared scenarios under wine: keys are posted to the
// control that has the focus and go through the window's own message pump, clicks are the mouse
// messages a user's click sends, so the key preview and the controls act as they do for a user.

#include "support/form1_driver.h"
#include "support/form1_pixels.h"

#include "designs/form1_design.h"
#include "window_test_support.h"

#include <string>
#include <vector>

namespace abaquino::win32::testing {
namespace {

using behaviour::Key;
using abaquino::testing::AboutClose;

WORD VirtualKey(Key key)
{
    switch (key) {
    case Key::Tab: return VK_TAB;
    case Key::Left: return VK_LEFT;
    case Key::Right: return VK_RIGHT;
    case Key::Up: return VK_UP;
    case Key::Down: return VK_DOWN;
    case Key::Home: return VK_HOME;
    case Key::End: return VK_END;
    case Key::PageUp: return VK_PRIOR;
    case Key::PageDown: return VK_NEXT;
    case Key::Insert: return VK_INSERT;
    case Key::Space: return VK_SPACE;
    case Key::Backspace: return VK_BACK;
    case Key::Delete: return VK_DELETE;
    case Key::KeypadDecimal: return VK_DECIMAL;
    case Key::C: return 'C';
    case Key::V: return 'V';
    case Key::Copy:
    case Key::Paste:
    case Key::Other: break;
    }
    return 0;
}

Modifiers Held(behaviour::Modifiers held)
{
    return {.shift = held.shift, .control = held.control, .alt = held.alt, .meta = held.meta};
}

class Win32Form1 final : public abaquino::testing::Form1Driver {
public:
    void Type(std::string_view characters) override { shown_.Type(characters); }
    void Press(Key key, behaviour::Modifiers held) override { shown_.Key(VirtualKey(key), Held(held)); }
    void KeyDown(Key key) override { shown_.KeyDown(VirtualKey(key)); }
    void KeyUp(Key key) override { shown_.KeyUp(VirtualKey(key)); }
    void Chord(char letter, behaviour::Modifiers held) override { shown_.Key(static_cast<WORD>(letter), Held(held)); }
    void LoneAlt() override { shown_.Key(VK_MENU); }

    // A press and a release at the control's corner, through the pump as a user's click; on an
    // option a real click at its centre, so that a quick second one is a double click.
    void Click(std::string_view name, int index) override
    {
        const HWND control = Control(name, index);
        if (name.starts_with("OptB")) {
            RECT box{};
            GetWindowRect(control, &box);
            return shown_.ClickAt({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
        }
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        shown_.Pump();
    }
    void Focus(std::string_view name, int index) override { SetFocus(name.empty() ? Window() : Control(name, index)); }
    std::string Focused() const override
    {
        const int id = GetDlgCtrlID(GetFocus());
        if (GetParent(GetFocus()) != shown_.form.Hwnd() || id < kFirstControlId) return "";
        const designs::ControlDesign& design = designs::kForm1Controls.at(static_cast<std::size_t>(id - kFirstControlId));
        const std::string name(design.name);
        return design.index == designs::kNotInArray ? name : name + "(" + std::to_string(design.index) + ")";
    }

    std::string MisplacedControl() const override
    {
        for (std::size_t place = 0; place < abaquino::testing::kForm1Pixels.size(); ++place) {
            const abaquino::testing::ExpectedControl& expected = abaquino::testing::kForm1Pixels[place];
            const HWND control = placed_[place];
            RECT box{};
            GetWindowRect(control, &box);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&box), 2);
            if (!IsWindowVisible(control) || box.left != expected.at96.x || box.top != expected.at96.y) return expected.name;
        }
        return "";
    }

    std::string Entry() const override { return shown_.Entry(); }
    std::string Conversion() const override { return shown_.Conversion(); }
    std::size_t Caret() const override { return shown_.Caret(); }
    bool Chosen(std::string_view option) const override { return shown_.Checked(Control(option, designs::kNotInArray)); }
    Calculator& calculator() override { return shown_.form.calculator(); }

    void SetClipboard(std::string_view text) override { PutOnClipboard(Window(), Wide(text).c_str()); }
    void SetClipboardPicture() override { PutPictureOnClipboard(Window()); }
    std::string Description(std::string_view name) const override
    {
        return ReadAloudOf(Control(name, designs::kNotInArray)).description;
    }
    std::string Clipboard() const override { return FromClipboard(Window()); }
    void ChooseFromEntryMenu(std::string_view entry) override
    {
        SendMessageW(Window(), WM_COMMAND, entry == "Copia" ? kCopyEntryCommand : kPasteEntryCommand, 0);
    }

    int Beeps() const override { return shown_.beeps; }
    std::vector<std::string> Heard() override
    {
        shown_.Pump();  // a step's sentence is said once its messages are handled
        std::vector<std::string> heard;
        for (const std::wstring& sentence : shown_.form.announcer().Said()) heard.push_back(Utf8(sentence));
        return heard;
    }
    std::string FailureShown() const override
    {
        const FailureBalloon& balloon = shown_.form.failureBalloon();
        return balloon.IsShown() ? Utf8(balloon.Text()) : "";
    }
    void Deactivate() override { SendMessageW(Window(), WM_ACTIVATE, WA_INACTIVE, 0); }
    void Minimise() override { ShowWindow(Window(), SW_MINIMIZE); }
    void Restore() override { ShowWindow(Window(), SW_RESTORE); }
    void LetTheFailureTimeOut() override { SendMessageW(Window(), WM_TIMER, kFailureTimer, 0); }

    bool WithAbout(const std::function<void()>& whileOpen) override
    {
        const HWND about = WithAboutOpen(shown_, [&] { shown_.KeyDown('I', {.alt = true}); }, [&](HWND window) {
            about_ = window;
            whileOpen();
        });
        about_ = nullptr;
        shown_.KeyUp('I');  // Alt+I released, once the window is gone

        return about != nullptr;
    }
    void CloseAbout(AboutClose way) override
    {
        switch (way) {
        case AboutClose::ClickOk: SendMessageW(GetDlgItem(about_, IDOK), BM_CLICK, 0, 0); break;
        case AboutClose::Enter: PostKey(GetFocus(), VK_RETURN); break;
        case AboutClose::Escape: PostKey(GetFocus(), VK_ESCAPE); break;
        case AboutClose::Space: PostKey(GetFocus(), VK_SPACE); break;
        case AboutClose::CloseBox: PostMessageW(about_, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        }
    }
    int LoadedWindowCount() const override { return shown_.form.loadedWindows().Count(); }
    void CloseBox() override
    {
        PostMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        shown_.Pump();
    }
    bool Ended() const override
    {
        MSG quit{};
        return !IsWindow(shown_.form.Hwnd()) && PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE);
    }

private:
    HWND Window() const { return shown_.form.Hwnd(); }
    HWND Control(std::string_view name, int index) const
    {
        const HWND control = testing::Control(shown_.form, name, index);
        if (!control) ADD_FAILURE() << "no control " << name;
        return control;
    }

    ShownForm shown_;
    // The controls as first made, looked up once: wine asks its server for the whole list of
    // children at every GetDlgItem, and the storm checks every control after every event. One
    // destroyed or replaced is no longer visible under its handle, so it is still found.
    const std::vector<HWND> placed_ = [this] {
        std::vector<HWND> controls;
        for (std::size_t place = 0; place < abaquino::testing::kForm1Pixels.size(); ++place)
            controls.push_back(GetDlgItem(Window(), ControlId(place)));
        return controls;
    }();
    HWND about_ = nullptr;
};

}  // namespace
}  // namespace abaquino::win32::testing

std::unique_ptr<abaquino::testing::Form1Driver> abaquino::testing::ShowForm1()
{
    return std::make_unique<win32::testing::Win32Form1>();
}
