// The main window's key rules on plain values: what a key does before the keyboard map, for each
// kind of control that may have the focus.

#include "behaviour/loaded_windows.h"
#include "behaviour/window_keys.h"
#include "calc/calculator.h"

#include <gtest/gtest.h>

#include <string>

namespace abaquino::behaviour {
namespace {

using designs::ControlKind;
using enum KeyAnswer;

constexpr Modifiers kNone{};
constexpr Modifiers kShift{.shift = true};
constexpr Modifiers kCtrl{.control = true};
constexpr Modifiers kAlt{.alt = true};
constexpr Modifiers kCtrlShift{.shift = true, .control = true};
constexpr Modifiers kMeta{.meta = true};

constexpr std::optional<ControlKind> kEntry = ControlKind::EntryBox;
constexpr std::optional<ControlKind> kConversion = ControlKind::TextBox;
constexpr std::optional<ControlKind> kOption = ControlKind::OptionButton;
constexpr std::optional<ControlKind> kButton = ControlKind::PushButton;
constexpr std::optional<ControlKind> kWindow = std::nullopt;

TEST(WindowKeys, EachKeyGetsItsAnswerWhereverTheFocusIs)
{
    const struct { Key key; Modifiers held; std::optional<ControlKind> focus; KeyAnswer answer; } rows[] = {
        {Key::C, kCtrl, kEntry, CopyFocusedDisplay},
        {Key::C, kCtrlShift, kConversion, CopyFocusedDisplay},
        {Key::Insert, kCtrl, kButton, CopyFocusedDisplay},
        {Key::Copy, kNone, kWindow, CopyFocusedDisplay},
        {Key::Insert, kCtrlShift, kEntry, KeyPress},  // neither copy nor paste
        {Key::V, kCtrl, kOption, Paste},
        {Key::Insert, kShift, kEntry, Paste},
        {Key::Paste, kNone, kButton, Paste},
        {Key::C, kAlt, kEntry, ToMenu},
        {Key::Other, kAlt, kButton, ToMenu},        // Alt+E, Alt+F4
        {Key::Tab, kNone, kEntry, NextTabStop},
        {Key::Tab, kShift, kOption, PreviousTabStop},
        {Key::Tab, kCtrl, kEntry, KeyPress},
        {Key::Right, kNone, kOption, ChooseOtherOption},
        {Key::Up, kShift, kOption, ChooseOtherOption},
        {Key::Home, kNone, kOption, Swallow},        // only the arrows choose
        {Key::PageDown, kNone, kOption, Swallow},
        {Key::Left, kNone, kEntry, Swallow},         // the caret stays at the end
        {Key::End, kShift, kEntry, Swallow},
        {Key::Left, kShift, kConversion, ToControl}, // the conversion can be selected
        {Key::Right, kNone, kButton, ToControl},
        {Key::KeypadDecimal, kNone, kEntry, DecimalComma},
        {Key::KeypadDecimal, kShift, kButton, DecimalComma},
        {Key::KeypadDecimal, kCtrl, kEntry, KeyPress},
        {Key::Space, kNone, kButton, ToControl},     // presses the key, once
        {Key::Space, kNone, kOption, ToControl},
        {Key::Space, kNone, kEntry, KeyPress},
        {Key::Space, kCtrl, kButton, KeyPress},
        {Key::Other, kNone, kConversion, KeyPress},
        {Key::Backspace, kNone, kEntry, KeyPress},
        {Key::Delete, kNone, kWindow, KeyPress},
        {Key::C, kMeta, kEntry, CopyFocusedDisplay},  // a Mac's copy and paste
        {Key::V, kMeta, kButton, Paste},
        {Key::Other, kMeta, kEntry, ToSystem},        // Command+E: never the menu's
        {Key::Tab, kMeta, kEntry, ToSystem},
        {Key::C, Modifiers{.shift = true, .meta = true}, kEntry, ToSystem},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(AnswerKeyDown(row.key, row.held, row.focus), row.answer)
            << "key " << static_cast<int>(row.key) << " shift " << row.held.shift << " ctrl "
            << row.held.control << " alt " << row.held.alt << " focus "
            << (row.focus ? static_cast<int>(*row.focus) : -1);
    }
}

TEST(WindowKeys, TypedCharactersAndReleasedKeysBecomeTheMapsCodes)
{
    EXPECT_EQ(TypedCode(U'7', kNone), std::int16_t{'7'});
    EXPECT_EQ(TypedCode(U'\r', kShift), std::int16_t{13});
    EXPECT_EQ(TypedCode(U'€', Modifiers{.control = true, .alt = true}), std::int16_t{0x20ac});  // AltGr types
    EXPECT_EQ(TypedCode(U'\u9999', kNone), std::int16_t{0x7fff});  // beyond the map: matches nothing
    EXPECT_EQ(TypedCode(U'\U0001F600', kNone), std::int16_t{0x7fff});
    EXPECT_EQ(TypedCode(U'c', kCtrl), std::nullopt);  // a command, not typing
    EXPECT_EQ(TypedCode(U'e', kAlt), std::nullopt);
    EXPECT_EQ(TypedCode(U'5', kMeta), std::nullopt);
    EXPECT_EQ(TypedCode(0, kNone), std::nullopt);

    const struct { Key key; Modifiers held; std::int16_t code, shift; } releases[] = {
        {Key::Backspace, kNone, kBackspaceKeyCode, 0},
        {Key::Delete, kCtrlShift, kDeleteKeyCode, 3},
        {Key::C, Modifiers{.shift = true, .alt = true}, 0, 5},
        {Key::Other, kCtrl, 0, 2},
        {Key::Backspace, kMeta, 0, 0},  // Command+Backspace is the system's
    };
    for (const auto& row : releases) {
        const Release release = Released(row.key, row.held);
        EXPECT_EQ(release.code, row.code) << static_cast<int>(row.key);
        EXPECT_EQ(release.shift, row.shift) << static_cast<int>(row.key);
    }
}

// A toolkit of named windows that close on request, and that can be destroyed from outside.
struct FakeToolkit {
    using Window = std::string;
    static inline std::vector<std::string> alive, closeRequests;
    static bool Exists(const Window& window) { return std::find(alive.begin(), alive.end(), window) != alive.end(); }
    static void AskToClose(const Window& window) { closeRequests.push_back(window); }
};

TEST(LoadedWindows, UnloadsEachSecondaryWindowOnceLastFirstAndForgetsTheGone)
{
    FakeToolkit::alive = {"main", "about", "other"};
    FakeToolkit::closeRequests.clear();
    LoadedWindows<FakeToolkit> windows;
    for (const char* name : {"main", "about", "about", "other"}) windows.Load(name);
    ASSERT_EQ(windows.Count(), 3);
    EXPECT_EQ(windows.At(3), "");  // outside the list

    EXPECT_TRUE(windows.BeginUnload("about"));
    EXPECT_FALSE(windows.BeginUnload("about"));  // already unloading
    windows.UnloadSecondary();
    EXPECT_EQ(FakeToolkit::closeRequests, std::vector<std::string>{"other"});

    FakeToolkit::alive = {"main"};  // "other" destroyed without unloading
    windows.Forget("about");
    EXPECT_EQ(windows.Count(), 1);
    EXPECT_EQ(windows.At(0), "main");
    windows.Unload("other");  // gone: nothing to ask
    EXPECT_EQ(FakeToolkit::closeRequests.size(), 1u);
}

}  // namespace
}  // namespace abaquino::behaviour
