// Thousands of random real events on the main window, through its driver: typing, clicks on every
// control, erasing, Tab, Enter, Esc, a lone Alt, the clipboard and the About window closed every
// way. After each event every control must stand where it was designed, the displays hold only
// what the calculator writes, and the calculator's rules hold; Esci ends it all.
// ABAQUINO_STORM_SEED=n replays a run; a failure prints its seed and event.

#include "support/actions.h"
#include "support/form1_driver.h"

#include "calc/number_text.h"
#include "designs/form1_design.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

namespace abaquino::testing {
namespace {

using behaviour::Key;

constexpr int kEvents = 10'000;

unsigned StormSeed()
{
    const char* given = std::getenv("ABAQUINO_STORM_SEED");
    return given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : 1936;
}

struct StormEvent {
    std::string description;
    std::optional<Action> action;  // the keypad action it stands for, where the rules need it
};

class Storm {
public:
    Storm(Form1Driver& window, unsigned seed) : window_(window), random_(seed) {}

    StormEvent Next()
    {
        const int roll = Uniform(0, 999);
        if (roll < 420) return Type();
        if (roll < 680) return Click();
        if (roll < 800) return Erase();
        if (roll < 860) return Tab();
        if (roll < 880) return Copy();
        if (roll < 900) return Uniform(0, 3) ? Paste() : LoneAlt();
        if (roll < 950) return Typed('\r', "Enter");
        if (roll < 990) return Typed('\x1b', "Esc");
        return About();
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    StormEvent Type()
    {
        static constexpr char kKeys[] = "0123456789+-*/xX=%.,cC aE";
        const char c = Uniform(0, 3) ? kKeys[Uniform(0, sizeof kKeys - 2)] : static_cast<char>(Uniform(33, 126));
        return Typed(c, std::string("type '") + c + "'");
    }

    StormEvent Typed(char c, std::string description)
    {
        window_.Type(std::string(1, c));
        return {std::move(description), Action{Action::Kind::KeyPress, static_cast<std::int16_t>(c)}};
    }

    StormEvent Click()
    {
        const auto& design = designs::kForm1Controls[static_cast<std::size_t>(Uniform(0, designs::kForm1Controls.size() - 1))];
        window_.Click(design.name, design.index);
        std::optional<Action> action;
        if (design.name == "cmdEquals") action = Action{Action::Kind::Equals};
        if (design.name == "CmdPercent") action = Action{Action::Kind::Percent};
        if (design.name == "cmdDecimal") action = Action{Action::Kind::Decimal};
        if (design.name == "cmdPlusMinus") action = Action{Action::Kind::Sign};
        return {"click " + std::string(design.name) + "(" + std::to_string(design.index) + ")", action};
    }

    StormEvent Erase()
    {
        const bool backspace = Uniform(0, 2) != 0;
        window_.Press(backspace ? Key::Backspace : Key::Delete);
        return {backspace ? "Backspace" : "Delete", Action{Action::Kind::KeyUp, backspace ? kBackspaceKeyCode : kDeleteKeyCode}};
    }

    StormEvent Tab()
    {
        const bool back = Uniform(0, 1) != 0;
        window_.Press(Key::Tab, {.shift = back});
        return {back ? "Shift+Tab" : "Tab", std::nullopt};
    }

    StormEvent LoneAlt()
    {
        window_.LoneAlt();
        return {"Alt", std::nullopt};
    }

    // Ctrl+C copies what a display shows, and never empties the clipboard.
    StormEvent Copy()
    {
        const std::string before = window_.Clipboard();
        window_.Chord('C', {.control = true});
        const std::string copied = window_.Clipboard();
        const bool shown = copied == window_.Entry() || window_.Conversion().find(copied) != std::string::npos;
        EXPECT_TRUE(copied == before || (shown && !copied.empty())) << "copied \"" << copied << "\"";
        return {"Ctrl+C", std::nullopt};
    }

    StormEvent Paste()
    {
        static const char* const kTexts[] = {"1.234,56", "-12", "abc", "", "12 34", "L. 290.441", "1234567890123456", "0,5"};
        const char* text = kTexts[Uniform(0, std::size(kTexts) - 1)];
        window_.SetClipboard(text);
        window_.Chord('V', {.control = true});
        return {std::string("paste \"") + text + '"', std::nullopt};
    }

    StormEvent About()
    {
        const auto way = static_cast<AboutClose>(Uniform(0, 4));
        window_.WithAbout([&] { window_.CloseAbout(way); });
        return {"About closed by way " + std::to_string(static_cast<int>(way)), std::nullopt};
    }

    Form1Driver& window_;
    std::mt19937 random_;
};

Snapshot SnapshotOf(Form1Driver& window)
{
    return {window.calculator().State(), window.Entry(), window.Caret(), window.Conversion(),
            static_cast<std::size_t>(window.Beeps())};
}

// What must hold whatever happened: every control where it was designed to be, and displays
// that hold only what the calculator writes.
std::optional<std::string> BrokenWindow(const Form1Driver& window, const Snapshot& now)
{
    if (const std::string misplaced = window.MisplacedControl(); !misplaced.empty()) return "control moved or gone: " + misplaced;
    if (now.entry.find_first_not_of("0123456789,-+E") != std::string::npos) return "stray text in the entry";
    if (now.conversion.find_first_not_of("0123456789.,-") != std::string::npos) return "stray text in the conversion";
    if (now.entry.size() > kEntryLimit) return "the entry holds more than 15 characters";
    if (now.caret != now.entry.size()) return "the caret left the end of the entry";
    if (window.LoadedWindowCount() != 1) return "a window is still loaded";
    return std::nullopt;
}

TEST(EventStorm, TenThousandRealEventsLeaveTheWindowWhole)
{
    const unsigned seed = StormSeed();
    const auto window = ShowForm1();
    Storm storm(*window, seed);
    for (int i = 0; i < kEvents; ++i) {
        const Snapshot before = SnapshotOf(*window);
        const StormEvent event = storm.Next();
        const Snapshot after = SnapshotOf(*window);
        auto broken = BrokenWindow(*window, after);
        if (!broken && event.action) broken = BrokenRule(before, after, *event.action);
        ASSERT_FALSE(broken) << *broken << " after event " << i << " (" << event.description << "), seed " << seed
                             << ", entry before \"" << before.entry << "\"";
    }
    std::printf("storm: %d events, %d beeps, entry \"%s\"\n", kEvents, window->Beeps(), window->Entry().c_str());
    window->Chord('E', {.alt = true});  // Esci ends the program, so it comes last
    EXPECT_TRUE(window->Ended());
}

}  // namespace
}  // namespace abaquino::testing
