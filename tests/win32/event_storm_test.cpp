// Thousands of random real events on the Windows main window: the shared random actions turned
// into clicks, typed characters and key releases, with Tab, the clipboard and the About window
// among them. After each event the window must still stand and the calculator's rules hold.
// ABAQUINO_STORM_SEED=n replays a run; a failure prints its seed and event.

#include "support/actions.h"
#include "window_test_support.h"

#include <cstdlib>
#include <random>

namespace abaquino::win32::testing {
namespace {

using abaquino::testing::Action;
using abaquino::testing::BrokenRule;
using abaquino::testing::Describe;
using abaquino::testing::Snapshot;
using Kind = Action::Kind;

constexpr int kEvents = 10'000;

void Perform(ShownForm& shown, const Action& action)
{
    Form1& f = shown.form;
    switch (action.kind) {
    case Kind::Digit: return shown.Click(f.cmdNumber[static_cast<std::size_t>(action.value)]);
    case Kind::Decimal: return shown.Click(f.cmdDecimal);
    case Kind::Sign: return shown.Click(f.cmdPlusMinus);
    case Kind::Backspace: return shown.Key(VK_BACK);
    case Kind::Operator: return shown.Click(f.CmdOperator[static_cast<std::size_t>(action.value)]);
    case Kind::Equals: return shown.Click(f.cmdEquals);
    case Kind::Percent: return shown.Click(f.CmdPercent);
    case Kind::Clear: return shown.Click(f.cmdClear);
    case Kind::ClearEntry: return shown.Click(f.cmdClearEntry);
    case Kind::EuroOption: return shown.Click(f.OptBEuro);
    case Kind::LireOption: return shown.Click(f.OptBLire);
    case Kind::Refresh: return shown.Key(VK_TAB);
    case Kind::KeyPress:  // a character as the keyboard's translation delivers it
        PostMessageW(GetFocus() ? GetFocus() : f.Hwnd(), WM_CHAR, static_cast<WPARAM>(action.value), 1);
        return shown.Pump();
    case Kind::KeyUp: return shown.KeyUp(static_cast<WORD>(action.value));
    case Kind::GotFocus:
        SetFocus(f.cmdClear);
        SetFocus(f.txtDisplay);
        return shown.Pump();
    }
}

unsigned StormSeed()
{
    const char* given = std::getenv("ABAQUINO_STORM_SEED");
    return given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : 1936;
}

TEST(EventStorm, TenThousandRealEventsBreakNothing)
{
    const unsigned seed = StormSeed();
    std::mt19937 random(seed);
    ShownForm shown;
    Form1& f = shown.form;
    for (int event = 0; event < kEvents; ++event) {
        const int roll = static_cast<int>(random() % 1000);
        std::string what;
        if (roll < 15) {
            what = "copy and paste";
            shown.Key('C', {.control = true});
            shown.Key('V', {.control = true});
        } else if (roll < 17) {
            what = "About";
            WithAboutOpen(shown, [&] { shown.KeyDown('I', {.alt = true}); },
                          [](HWND about) { PostMessageW(about, WM_COMMAND, IDCANCEL, 0); });
        } else {
            std::uint8_t bytes[2] = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random())};
            std::span<const std::uint8_t> input(bytes);
            const Action action = *abaquino::testing::TakeAction(input);
            what = Describe(action);
            const Snapshot before = Snapshot::Of(f.calculator(), f, static_cast<std::size_t>(shown.beeps));
            Perform(shown, action);
            const Snapshot after = Snapshot::Of(f.calculator(), f, static_cast<std::size_t>(shown.beeps));
            if (const auto broken = BrokenRule(before, after, action)) {
                FAIL() << *broken << " after event " << event << " (" << what << "), seed " << seed;
            }
        }
        ASSERT_TRUE(IsWindow(f.Hwnd()) && IsWindowEnabled(f.Hwnd()))
            << "after event " << event << " (" << what << "), seed " << seed;
        ASSERT_EQ(f.loadedWindows().Count(), 1) << "after event " << event << ", seed " << seed;
        ASSERT_EQ(f.EntryText(), shown.Entry()) << "after event " << event << ", seed " << seed;
    }
}

}  // namespace
}  // namespace abaquino::win32::testing
