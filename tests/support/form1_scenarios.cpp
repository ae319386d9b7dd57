// What a user does with the main window, written once and run on each front end through its
// Form1Driver: every handler by click and by key, keys handled once wherever the focus is, the
// keys with rules of their own, Tab, failures, the clipboard, Esci and the About window, and
// what a screen reader hears for each step.

#include "support/form1_driver.h"
#include "support/key_script.h"
#include "support/key_script_tables.h"

#include "calc/failure.h"
#include "support/plain_calculator.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace abaquino::testing {
namespace {

using behaviour::Key;
using behaviour::Modifiers;

// A key of the scripts (key_script.h) pressed by its button.
void PressByClick(Form1Driver& window, std::string_view key)
{
    if (key == "BS") return window.Press(Key::Backspace);
    const std::optional<ScriptKey> known = ScriptKeyOf(key);
    if (!known) throw std::invalid_argument("unknown key: " + std::string(key));
    window.Click(known->control, known->index);
}

// The same key typed where the keyboard map has it: "=" as Enter, "," as ".", "CE" as "c".
void PressByKey(Form1Driver& window, std::string_view key)
{
    const std::optional<ScriptKey> known = ScriptKeyOf(key);
    if (known && !known->typed.empty()) return window.Type(known->typed);
    PressByClick(window, key);
}

// Every script of the shared tables, which between them reach every handler, and the options.
std::vector<std::string> AllScripts()
{
    std::vector<std::string> scripts = {"12 + 3 = LIT EUR", "LIT 1000 BS , 5 +/- =", "1000 LIT LIT"};
    for (const auto& script : kEngineScripts) scripts.emplace_back(script.keys);
    for (const auto& edit : kEditingScripts) scripts.emplace_back(edit.keys);
    for (const auto& failing : kFailingScripts) scripts.push_back(std::string(failing.setup) + " " + failing.failingKey);
    return scripts;
}

struct Seen {
    std::string entry, conversion;
    CalculatorState state;
    int beeps;  // what the user hears: the logic's own beeps, and one for each failure
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* out)
{
    *out << '"' << s.entry << "\" / \"" << s.conversion << "\" acc " << s.state.Accumulator << " op "
         << s.state.PendingOperator << " beeps " << s.beeps;
}

Seen OnPlainValues(std::string_view script)
{
    PlainCalculator p;
    Press(p, script);
    return {p.view.EntryText(), p.view.ConversionText(), p.calculator.State(),
            p.view.Beeps() + static_cast<int>(p.view.Failures().size())};
}

Seen OnTheWindow(std::string_view script, bool byKey)
{
    const auto window = ShowForm1();
    ForEachKey(script, [&](std::string_view key) { byKey ? PressByKey(*window, key) : PressByClick(*window, key); });
    EXPECT_EQ(window->Caret(), window->Entry().size()) << script;
    return {window->Entry(), window->Conversion(), window->calculator().State(), window->Beeps()};
}

TEST(Form1Scenario, EveryHandlerByClickAndByKeyDoesWhatTheLogicDoes)
{
    for (const std::string& script : AllScripts()) {
        const Seen expected = OnPlainValues(script);
        EXPECT_EQ(OnTheWindow(script, false), expected) << "clicked: " << script;
        EXPECT_EQ(OnTheWindow(script, true), expected) << "typed: " << script;
    }
}

TEST(Form1Scenario, TypedKeysAreHandledOnceWhereverTheFocusIs)
{
    const struct { std::string_view name; int index; } focuses[] = {
        {"txtDisplay", -1}, {"cmdNumber", 5}, {"TxtDisplay1", -1}, {"OptBLire", -1}, {"", -1}};
    for (const auto& focus : focuses) {
        const auto window = ShowForm1();
        window->Focus(focus.name, focus.index);
        window->Type("12+3\r");
        EXPECT_EQ(window->Entry(), "15") << focus.name;
        EXPECT_EQ(window->Conversion(), "0,01") << focus.name;
        window->Type("a.");
        EXPECT_EQ(window->Entry(), ",") << focus.name;
        EXPECT_EQ(window->Conversion(), "0,01") << focus.name;  // nothing typed into it
        EXPECT_EQ(window->Caret(), 1u) << focus.name;
    }
}

TEST(Form1Scenario, KeysWithRulesOfTheirOwn)
{
    const auto window = ShowForm1();
    window->Type("12345");
    window->KeyDown(Key::Backspace);
    EXPECT_EQ(window->Entry(), "12345");  // on release
    window->KeyUp(Key::Backspace);
    EXPECT_EQ(window->Entry(), "1234");
    window->Press(Key::Delete);
    EXPECT_EQ(window->Entry(), "123");
    window->Press(Key::KeypadDecimal);
    EXPECT_EQ(window->Entry(), "123,");
    window->Type(",");  // the main keys' comma does nothing
    EXPECT_EQ(window->Entry(), "123,");
    window->Chord('M', {.control = true});  // Ctrl+M makes a carriage return, but types nothing
    EXPECT_EQ(window->Entry(), "123,");
    // The system's modifier (Command, the Windows key, Super) is never Alt: no menu, no edit.
    window->Chord('E', {.meta = true});
    window->Press(Key::Backspace, {.meta = true});
    EXPECT_FALSE(window->Ended());
    EXPECT_EQ(window->Entry(), "123,");
    window->Press(Key::Left);
    window->Press(Key::Home);
    EXPECT_EQ(window->Caret(), 4u);  // the caret stays at the end

    window->Focus("cmdNumber", 7);
    window->Press(Key::Space);
    EXPECT_EQ(window->Entry(), "123,7");  // the focused button, once
    window->Focus("txtDisplay");
    window->Press(Key::Space);
    EXPECT_EQ(window->Entry(), "123,7");

    window->LoneAlt();  // leaves the keys to the calculator: Enter is equals, not Esci
    window->Type("+1\r");
    EXPECT_EQ(window->Entry(), "124,7");
    EXPECT_EQ(window->Focused(), "txtDisplay");
}

TEST(Form1Scenario, TabWalksTheDesignWithTheOptionsAsOneStopAndArrowsChoose)
{
    const auto window = ShowForm1();
    window->Type("1000");
    window->Press(Key::Tab);
    EXPECT_EQ(window->Focused(), "OptBEuro");  // the chosen option stands at the group's place
    window->Press(Key::Right);
    EXPECT_EQ(window->Focused(), "OptBLire");
    EXPECT_TRUE(window->Chosen("OptBLire"));
    EXPECT_FALSE(window->Chosen("OptBEuro"));
    EXPECT_EQ(window->Conversion(), "1.936.270");
    EXPECT_EQ(window->Description("TxtDisplay1"), "L'importo nella valuta scelta, in lire");
    for (const Key notArrow : {Key::Home, Key::End, Key::PageUp, Key::PageDown}) {
        window->Press(notArrow);  // only the four arrows choose
        EXPECT_EQ(window->Focused(), "OptBLire") << static_cast<int>(notArrow);
        EXPECT_TRUE(window->Chosen("OptBLire")) << static_cast<int>(notArrow);
    }
    window->Press(Key::Tab);
    EXPECT_EQ(window->Focused(), "cmdNumber(1)");
    window->Press(Key::Tab, {.shift = true});
    window->Press(Key::Tab, {.shift = true});
    EXPECT_EQ(window->Focused(), "txtDisplay");  // the conversion display is skipped
    window->Press(Key::Tab, {.shift = true});
    EXPECT_EQ(window->Focused(), "CmdPercent");  // and round
    const int beeps = window->Beeps();
    window->Click("OptBLire");  // the chosen option clicked again runs its handler once
    EXPECT_EQ(window->Conversion(), "1.936.270");
    EXPECT_EQ(window->Beeps(), beeps);
}

TEST(Form1Scenario, AFailureBeepsShowsItsMessageChangesNothingAndGoesOnTheNextKeyOrClick)
{
    const auto window = ShowForm1();
    window->Type("7/0");
    const CalculatorState before = window->calculator().State();
    window->Type("\r");
    EXPECT_EQ(window->Beeps(), 1);
    EXPECT_EQ(window->FailureShown(), "Impossibile dividere per zero");
    EXPECT_EQ(window->calculator().State(), before);
    EXPECT_EQ(window->Entry(), "0");
    EXPECT_EQ(window->Conversion(), "0,00");
    window->Type("5");
    EXPECT_EQ(window->FailureShown(), "") << "a key";

    const struct { const char* name; std::function<void()> away, back; } leavings[] = {
        {"a click", [&] { window->Click("Label1"); }, [] {}},
        {"a display changed", [&] { window->calculator().RefreshConversion(); }, [] {}},
        {"another program active", [&] { window->Deactivate(); }, [] {}},
        {"minimised", [&] { window->Minimise(); }, [&] { window->Restore(); }},
        {"its time is up", [&] { window->LetTheFailureTimeOut(); }, [] {}},
    };
    for (const auto& leaving : leavings) {
        window->calculator().cmdClear_Click();
        window->Type("1/0\r");
        ASSERT_NE(window->FailureShown(), "") << leaving.name;
        leaving.away();
        EXPECT_EQ(window->FailureShown(), "") << leaving.name;
        leaving.back();
    }
    window->Type("\r");
    window->Click("cmdNumber", 3);
    EXPECT_EQ(window->FailureShown(), "");
    EXPECT_EQ(window->Entry(), "03");  // the click went on to its button

    const int beeps = window->Beeps();
    window->Type(".,.");  // the second comma only beeps
    EXPECT_EQ(window->Beeps(), beeps + 1);
    EXPECT_EQ(window->FailureShown(), "");
}

TEST(Form1Scenario, PastesAnAmountAsIfKeyedAndRefusesAnythingElse)
{
    const auto window = ShowForm1();
    window->Type("5+");
    window->SetClipboard("\u20AC 1.936,27\n");
    window->Chord('V', {.control = true});
    EXPECT_EQ(window->Entry(), "1936,27");
    EXPECT_EQ(window->Conversion(), "1,00");
    window->Type("=");
    EXPECT_EQ(window->Entry(), "1941,27");
    window->SetClipboard("290.441 lire");
    window->Press(Key::Insert, {.shift = true});
    EXPECT_EQ(window->Entry(), "290441");
    window->SetClipboard("7");
    window->Chord('V', {.meta = true});  // a Mac's paste
    EXPECT_EQ(window->Entry(), "7");
    window->SetClipboard("  -12,5 ");
    window->ChooseFromEntryMenu("Incolla");
    EXPECT_EQ(window->Entry(), "-12,5");
    const int beeps = window->Beeps();
    window->SetClipboardPicture();  // nothing to paste: a beep, no message
    window->Chord('V', {.control = true});
    EXPECT_EQ(window->Beeps(), beeps + 1);
    EXPECT_EQ(window->FailureShown(), "");
    EXPECT_EQ(window->Entry(), "-12,5");

    window->SetClipboard("abc");
    window->Chord('V', {.control = true});
    EXPECT_EQ(window->FailureShown(), "Numero non valido");
    const std::string refused[] = {"abc", "dodici", "12 34", "", "12345678901234567", std::string(10'000, '1')};
    for (const std::string& text : refused) {
        const int beeps = window->Beeps();
        window->SetClipboard(text);
        window->Chord('V', {.control = true});
        EXPECT_EQ(window->Entry(), "-12,5") << text.substr(0, 20);
        EXPECT_EQ(window->Beeps(), beeps + 1) << text.substr(0, 20);
        EXPECT_NE(window->FailureShown(), "") << text.substr(0, 20);
    }
}

TEST(Form1Scenario, CopiesTheFocusedDisplayOrTheEntry)
{
    const auto window = ShowForm1();
    window->Type("1000");
    window->Chord('C', {.control = true});
    EXPECT_EQ(window->Clipboard(), "1000");
    window->Click("TxtDisplay1");
    window->Chord('C', {.control = true});
    EXPECT_EQ(window->Clipboard(), "0,52");  // the focused display
    window->SetClipboard("x");
    window->Press(Key::Insert, {.control = true});
    EXPECT_EQ(window->Clipboard(), "0,52");
    window->ChooseFromEntryMenu("Copia");
    EXPECT_EQ(window->Clipboard(), "1000");
    window->Type("C");
    window->SetClipboard("kept");
    window->Chord('C', {.control = true});  // nothing to copy leaves the clipboard as it was
    EXPECT_EQ(window->Clipboard(), "kept");
}

TEST(Form1Scenario, EsciAndTheCloseBoxEndTheProgram)
{
    for (const bool closeBox : {false, true}) {
        const auto window = ShowForm1();
        if (closeBox && !window->HasCloseBox()) continue;
        window->Type("12");
        closeBox ? window->CloseBox() : window->Chord('E', {.alt = true});
        EXPECT_TRUE(window->Ended()) << closeBox;
    }
}

// Each way of closing unloads the window once and gives the main window back as it was: the
// focus where it was, no key lost or handled twice.
TEST(Form1Scenario, AboutOpensByItsAccessKeyAndClosesEveryWay)
{
    for (const AboutClose way : {AboutClose::ClickOk, AboutClose::Enter, AboutClose::Escape, AboutClose::Space,
                                 AboutClose::CloseBox}) {
        const auto window = ShowForm1();
        window->Type("12+");
        const CalculatorState state = window->calculator().State();
        const bool opened = window->WithAbout([&] {
            EXPECT_EQ(window->LoadedWindowCount(), 2) << static_cast<int>(way);
            window->Press(Key::Tab);  // OK is the one stop: the picture and the labels take none
            window->CloseAbout(way);
        });
        ASSERT_TRUE(opened) << static_cast<int>(way);
        EXPECT_EQ(window->LoadedWindowCount(), 1) << static_cast<int>(way);
        EXPECT_FALSE(window->Ended()) << static_cast<int>(way);
        EXPECT_EQ(window->Focused(), "txtDisplay") << static_cast<int>(way);
        EXPECT_EQ(window->calculator().State(), state) << static_cast<int>(way);
        window->Type("3\r");
        EXPECT_EQ(window->Entry(), "15") << static_cast<int>(way);
    }
}

// Each step that shows amounts or fails is heard once, in one sentence, whichever face speaks it:
// a failed conversion says the amount with the failure, never the failure a second time.
TEST(Form1Scenario, EachStepIsHeardOnceInOneSentence)
{
    struct Row {
        std::vector<std::string_view> steps;  // typed keys, or "click:" with a key of the scripts
        std::vector<std::string> heard;
    };
    const Row rows[] = {
        {{"12+3\r"}, {"12, in euro 0,01", "15, in euro 0,01"}},
        {{"1000", "click:LIT"}, {"1000, in lire 1.936.270"}},
        {{"1/0\r"}, {"1, in euro 0,00", "Impossibile dividere per zero"}},
        {{"100000000000000***"},
         {"100000000000000, in euro 51.645.689.908,95", "1E+28, in euro 5.164.568.990.894.860.000.000.000,00",
          "1E+56, Importo troppo grande per la conversione"}},
        {{"click:1", "click:2", "click:+", "click:3", "click:="}, {"12, in euro 0,01", "15, in euro 0,01"}},
    };
    for (const Row& row : rows) {
        const auto window = ShowForm1();
        for (const std::string_view step : row.steps) {
            if (step.starts_with("click:")) {
                PressByClick(*window, step.substr(6));
            } else {
                window->Type(step);
            }
        }
        EXPECT_EQ(window->Heard(), row.heard) << row.steps.front();
    }
}

}  // namespace
}  // namespace abaquino::testing
