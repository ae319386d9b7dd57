// The page driven for the shared scenarios, inside Chromium against the real document: the
// events a browser would send are dispatched to the focused element, and the browser's own part
// (Space clicking a button, the copy and paste events of the clipboard keys) is done as it does.

#include "support/form1_driver.h"
#include "support/form1_pixels.h"

#include "behaviour/failure_balloon.h"
#include "web/form1_page.h"
#include "web/page_markup.h"

#include <array>
#include <optional>
#include <string>

#include <emscripten/emscripten.h>
#include <gtest/gtest.h>

namespace {

using abaquino::behaviour::Key;
using abaquino::behaviour::Modifiers;

// Dispatches a key event where the browser would; false when the page took the key.
EM_JS(bool, DispatchKey, (const char* type, const char* key, const char* code, bool shift, bool control, bool alt, bool meta), {
  var target = document.activeElement || document.body;
  return target.dispatchEvent(new KeyboardEvent(Module.textAt(type), {
    key: Module.textAt(key), code: Module.textAt(code), shiftKey: shift, ctrlKey: control, altKey: alt, metaKey: meta,
    bubbles: true, cancelable: true}));
});

// A copy or paste event with `text` on the clipboard (none when null); the text the page gave a
// copy, or null when it left the clipboard alone.
// Firefox gives such an event a clipboard of its own, not the one passed: the event's is used.
EM_JS(bool, DispatchClipboard, (const char* type, const char* text, char* copied, int size), {
  var event = new ClipboardEvent(Module.textAt(type), {clipboardData: new DataTransfer(), bubbles: true, cancelable: true});
  if (text) event.clipboardData.setData('text/plain', Module.textAt(text));
  var taken = !(document.activeElement || document.body).dispatchEvent(event);
  if (!taken || Module.textAt(type) !== 'copy') return false;
  Module.textInto(event.clipboardData.getData('text/plain'), copied, size);
  return true;
});

// The entry's menu opened by a right click on the entry, and `item` chosen, over a stand-in for the
// browser's asynchronous clipboard that holds `clipboard`.
EM_JS(void, ChooseEntryMenuItem, (const char* item, const char* clipboard), {
  var held = Module.textAt(clipboard);
  Module.copiedText = null;
  Object.defineProperty(navigator, 'clipboard', {configurable: true, value: {
    readText: function () { return Promise.resolve(held); },
    writeText: function (text) { Module.copiedText = text; return Promise.resolve(); }}});
  var entry = document.getElementById('txtDisplay');
  var box = entry.getBoundingClientRect();
  entry.dispatchEvent(new MouseEvent('contextmenu', {bubbles: true, cancelable: true, clientX: box.left + 4, clientY: box.top + 4}));
  document.getElementById('entry-' + Module.textAt(item)).click();
});
// What the page wrote to the clipboard stand-in, or false.
EM_JS(bool, CopiedText, (char* text, int size), {
  if (Module.copiedText === null) return false;
  Module.textInto(Module.copiedText, text, size);
  return true;
});

// A mouse click: the press gives the focus unless the page keeps it, then the click.
EM_JS(void, ClickElement, (const char* id), {
  var control = document.getElementById(Module.textAt(id));
  control.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true}));
  if (control.dispatchEvent(new MouseEvent('mousedown', {bubbles: true, cancelable: true}))) control.focus();
  control.dispatchEvent(new MouseEvent('mouseup', {bubbles: true}));
  control.click();
});

EM_JS(void, FocusElement, (const char* id), {
  var name = Module.textAt(id);
  if (name) document.getElementById(name).focus(); else if (document.activeElement) document.activeElement.blur();
});

EM_JS(void, FocusedId, (char* id, int size), {
  var focus = document.activeElement;
  Module.textInto(focus && focus.closest('#Form1-client') ? focus.id : "", id, size);
});

// Space released on a button or an option clicks it.
EM_JS(void, ClickFocusedButton, (), {
  var focus = document.activeElement;
  if (focus && (focus.tagName === 'BUTTON' || focus.type === 'radio')) focus.click();
});

EM_JS(void, ElementValue, (const char* id, char* value, int size), {
  Module.textInto(document.getElementById(Module.textAt(id)).value, value, size);
});
EM_JS(int, EntryCaret, (), { return document.getElementById('txtDisplay').selectionStart; });
EM_JS(bool, IsChecked, (const char* id), { return document.getElementById(Module.textAt(id)).checked; });
EM_JS(bool, AboutOpen, (), { return document.getElementById('frmAbout').open; });
EM_JS(void, WindowEvent, (const char* type), {
  (Module.textAt(type) === 'blur' ? window : document).dispatchEvent(new Event(Module.textAt(type)));
});

// Whether the element stands at (x, y) of the client area, shows its caption and is called by its
// spoken name.
// What a screen reader reads as the control's description.
EM_JS(void, DescriptionOf, (const char* id, char* text, int size), {
  var control = document.getElementById(Module.textAt(id));
  var parts = (control.getAttribute('aria-describedby') || "").split(' ').filter(Boolean);
  Module.textInto(parts.map(function (part) { return document.getElementById(part).textContent; }).join(' '), text, size);
});

EM_JS(bool, AsDesigned, (const char* id, int x, int y, const char* caption, const char* spoken), {
  var control = document.getElementById(Module.textAt(id));
  if (!control || control.offsetParent === null) return false;
  var at = control.getBoundingClientRect(), client = document.getElementById('Form1-client').getBoundingClientRect();
  var name = control.getAttribute('aria-label') || control.textContent;
  return at.left - client.left === x && at.top - client.top === y && control.textContent === Module.textAt(caption) &&
         name === Module.textAt(spoken);
});

EM_JS(void, ReportDone, (int failed), { document.title = 'done ' + failed; });

// Every window starts from the markup as the page was loaded.
EM_JS(void, FreshDocument, (), {
  Module.loadedBody = Module.loadedBody || document.body.innerHTML;
  document.body.innerHTML = Module.loadedBody;
});

// A text the page writes into a buffer of ours, `write(buffer, size)`.
template <class Write>
std::string Read(Write write)
{
    std::array<char, 1024> buffer{};
    write(buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

struct KeyName {
    const char* key;
    const char* code;
};

KeyName NameOf(Key key)
{
    switch (key) {
    case Key::Tab: return {"Tab", "Tab"};
    case Key::Left: return {"ArrowLeft", "ArrowLeft"};
    case Key::Right: return {"ArrowRight", "ArrowRight"};
    case Key::Up: return {"ArrowUp", "ArrowUp"};
    case Key::Down: return {"ArrowDown", "ArrowDown"};
    case Key::Home: return {"Home", "Home"};
    case Key::End: return {"End", "End"};
    case Key::PageUp: return {"PageUp", "PageUp"};
    case Key::PageDown: return {"PageDown", "PageDown"};
    case Key::Insert: return {"Insert", "Insert"};
    case Key::Space: return {" ", "Space"};
    case Key::Backspace: return {"Backspace", "Backspace"};
    case Key::Delete: return {"Delete", "Delete"};
    case Key::KeypadDecimal: return {",", "NumpadDecimal"};  // as on an Italian keyboard
    case Key::C: return {"c", "KeyC"};
    case Key::V: return {"v", "KeyV"};
    case Key::Copy: return {"Copy", "Copy"};
    case Key::Paste: return {"Paste", "Paste"};
    case Key::Other: break;
    }
    return {"Unidentified", ""};
}

class PageForm1 final : public abaquino::testing::Form1Driver {
public:

    void Type(std::string_view characters) override
    {
        for (const char c : characters) {
            const std::string key = c == '\r' ? "Enter" : std::string(1, c);
            Stroke(key.c_str(), "", {});
        }
    }
    void Press(Key key, Modifiers held) override { Stroke(NameOf(key).key, NameOf(key).code, held); }
    void KeyDown(Key key) override { DispatchKey("keydown", NameOf(key).key, NameOf(key).code, false, false, false, false); }
    void KeyUp(Key key) override { DispatchKey("keyup", NameOf(key).key, NameOf(key).code, false, false, false, false); }
    void Chord(char letter, Modifiers held) override
    {
        const std::string key(1, static_cast<char>(letter - 'A' + 'a')), code = std::string("Key") + letter;
        Stroke(key.c_str(), code.c_str(), held);
    }
    void LoneAlt() override
    {
        DispatchKey("keydown", "Alt", "AltLeft", false, false, true, false);
        DispatchKey("keyup", "Alt", "AltLeft", false, false, false, false);
    }

    void Click(std::string_view name, int index) override { ClickElement(abaquino::web::ElementId(name, index).c_str()); }
    void Focus(std::string_view name, int index) override
    {
        FocusElement(name.empty() ? "" : abaquino::web::ElementId(name, index).c_str());
    }
    std::string Focused() const override { return Read(FocusedId); }
    std::string Description(std::string_view name) const override
    {
        const std::string id = abaquino::web::ElementId(name, abaquino::designs::kNotInArray);
        return Read([&](char* text, int size) { DescriptionOf(id.c_str(), text, size); });
    }
    std::string MisplacedControl() const override
    {
        for (const auto& expected : abaquino::testing::kForm1Pixels) {
            const std::string id = abaquino::web::ElementId(expected.name, expected.index);
            if (!AsDesigned(id.c_str(), expected.at96.x, expected.at96.y, expected.caption, expected.spoken)) return expected.name;
        }
        return "";
    }

    std::string Entry() const override { return Read([](char* text, int size) { ElementValue("txtDisplay", text, size); }); }
    std::string Conversion() const override
    {
        return Read([](char* text, int size) { ElementValue("TxtDisplay1", text, size); });
    }
    std::size_t Caret() const override { return static_cast<std::size_t>(EntryCaret()); }
    bool Chosen(std::string_view option) const override { return IsChecked(std::string(option).c_str()); }
    abaquino::Calculator& calculator() override { return page_.calculator(); }

    void SetClipboard(std::string_view text) override { clipboard_ = std::string(text); }
    void SetClipboardPicture() override { clipboard_.reset(); }
    std::string Clipboard() const override { return clipboard_.value_or(""); }
    void ChooseFromEntryMenu(std::string_view entry) override
    {
        FocusElement("txtDisplay");
        ChooseEntryMenuItem(std::string(entry).c_str(), Clipboard().c_str());
        emscripten_sleep(20);  // the clipboard answers later
        bool copied = false;
        const std::string text = Read([&](char* buffer, int size) { copied = CopiedText(buffer, size); });
        if (copied) clipboard_ = text;
    }

    int Beeps() const override { return beeps_; }
    std::vector<std::string> Heard() override { return page_.Said(); }
    std::string FailureShown() const override { return page_.FailureShown(); }
    void Deactivate() override { WindowEvent("blur"); }
    void Minimise() override { WindowEvent("visibilitychange"); }
    void Restore() override { WindowEvent("visibilitychange"); }
    void LetTheFailureTimeOut() override { emscripten_sleep(abaquino::behaviour::kFailureShownMilliseconds + 200); }

    bool WithAbout(const std::function<void()>& whileOpen) override
    {
        Chord('I', {.alt = true});
        if (!AboutOpen()) return false;
        whileOpen();
        return true;
    }
    void CloseAbout(abaquino::testing::AboutClose way) override
    {
        using enum abaquino::testing::AboutClose;
        switch (way) {
        case ClickOk: ClickElement("frmAbout-cmdOK"); break;
        case Enter: Type("\r"); break;
        case Escape: Stroke("Escape", "Escape", {}); break;
        case Space: Press(Key::Space, {}); break;
        case CloseBox: ClickElement("frmAbout-close"); break;
        }
    }
    int LoadedWindowCount() const override { return page_.loadedWindows().Count(); }
    bool HasCloseBox() const override { return false; }  // the browser's tab has it
    void CloseBox() override {}
    bool Ended() const override { return page_.Ended(); }

private:
    // Down and up, with what the browser does for a key the page left to it.
    void Stroke(const char* key, const char* code, Modifiers held)
    {
        const std::string_view name = key;
        const bool left = DispatchKey("keydown", key, code, held.shift, held.control, held.alt, held.meta);
        if (left && IsCopy(name, held)) ClipboardEvent("copy");
        if (left && IsPaste(name, held)) ClipboardEvent("paste");
        DispatchKey("keyup", key, code, held.shift, held.control, held.alt, held.meta);
        if (left && name == " ") ClickFocusedButton();
    }
    static bool IsCopy(std::string_view key, Modifiers held)
    {
        return key == "Copy" || (held.control && (key == "c" || key == "Insert"));  // Command+C: the page's own
    }
    static bool IsPaste(std::string_view key, Modifiers held)
    {
        return key == "Paste" || ((held.control || held.meta) && key == "v") || (held.shift && key == "Insert");
    }
    void ClipboardEvent(const char* type)
    {
        bool taken = false;
        const std::string copied =
            Read([&](char* text, int size) { taken = DispatchClipboard(type, clipboard_ ? clipboard_->c_str() : nullptr, text, size); });
        if (taken) clipboard_ = copied;
    }

    int beeps_ = 0;
    std::optional<std::string> clipboard_ = std::string();  // nothing: a picture
    bool fresh_ = (FreshDocument(), true);
    abaquino::web::Form1Page page_{[this] { ++beeps_; }};
};

}  // namespace

std::unique_ptr<abaquino::testing::Form1Driver> abaquino::testing::ShowForm1()
{
    return std::make_unique<PageForm1>();
}

TEST(Form1Page, LeavesTheBrowsersOwnKeysToIt)
{
    const auto window = abaquino::testing::ShowForm1();
    EXPECT_TRUE(DispatchKey("keydown", "F5", "F5", false, false, false, false));            // reload
    EXPECT_TRUE(DispatchKey("keydown", "+", "Equal", false, true, false, false));           // zoom
    EXPECT_TRUE(DispatchKey("keydown", "ArrowLeft", "ArrowLeft", false, false, true, false));  // back
    EXPECT_FALSE(DispatchKey("keydown", "5", "Digit5", false, false, false, false));
    EXPECT_EQ(window->Entry(), "5");
}

// On a Mac, Option+I types a dead key: the menu goes by the key's place.
TEST(Form1Page, MenuKeysWorkWhereAltTypesADeadKey)
{
    const auto window = abaquino::testing::ShowForm1();
    EXPECT_FALSE(DispatchKey("keydown", "Dead", "KeyI", false, false, true, false));
    EXPECT_TRUE(AboutOpen());
    window->CloseAbout(abaquino::testing::AboutClose::Escape);
}

// Runs when the page has loaded; the runner reads the result from the page.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    ReportDone(failed);
    return failed;
}
