// Thousands of random real events on the main window: clicks on every control, typing, Tab,
// copying, the About window opened and closed every way. After each event the window must still
// have all its controls in place and the calculator's rules must hold.
// ABAQUINO_STORM_SEED=n replays a run; a failure prints its seed and event.

#include "support/actions.h"
#include "designs/form1_design.h"
#include "ui/control_table.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QPushButton>
#include <QLineEdit>

#include <cstdio>
#include <random>

namespace abaquino::ui::testing {
namespace {

using abaquino::testing::Action;
using abaquino::testing::BrokenRule;
using abaquino::testing::Snapshot;

constexpr int kEvents = 10'000;

unsigned StormSeed()
{
    bool given = false;
    const unsigned seed = qEnvironmentVariableIntValue("ABAQUINO_STORM_SEED", &given);
    return given ? seed : 1936;
}

struct StormEvent {
    std::string description;
    std::optional<Action> action;  // the keypad action it stands for, where the rules need it
};

class Storm {
public:
    explicit Storm(unsigned seed) : random_(seed) {}

    StormEvent Next(ShownForm& shown)
    {
        const int roll = Uniform(0, 999);
        if (roll < 420) return Type(shown);
        if (roll < 680) return Click(shown);
        if (roll < 800) return Press(shown, Uniform(0, 2) ? Qt::Key_Backspace : Qt::Key_Delete, "erase", 8);
        if (roll < 860) return Press(shown, Uniform(0, 1) ? Qt::Key_Tab : Qt::Key_Backtab, "tab");
        if (roll < 880) return Copy(shown);
        if (roll < 900) return Uniform(0, 3) ? Paste(shown) : Press(shown, Qt::Key_Alt, "Alt");
        if (roll < 950) return Press(shown, Qt::Key_Return, "Enter", std::nullopt, 13);
        if (roll < 990) return Press(shown, Qt::Key_Escape, "Esc");
        return About(shown);
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    StormEvent Type(ShownForm& shown)
    {
        static constexpr char kKeys[] = "0123456789+-*/xX=%.,cC aE";
        const char c = Uniform(0, 3) ? kKeys[Uniform(0, sizeof kKeys - 2)] : static_cast<char>(Uniform(33, 126));
        QTest::keyClick(shown.form.windowHandle(), c);
        return {std::string("type '") + c + "'", Action{Action::Kind::KeyPress, static_cast<std::int16_t>(c)}};
    }

    StormEvent Click(ShownForm& shown)
    {
        const ControlDesign& design = kForm1Controls[static_cast<std::size_t>(Uniform(0, kForm1Controls.size() - 1))];
        const QString name = ObjectName(design);
        QTest::mouseClick(shown.form.findChild<QWidget*>(name), Qt::LeftButton);
        std::optional<Action> action;
        if (name == "cmdEquals") action = Action{Action::Kind::Equals};
        if (name == "CmdPercent") action = Action{Action::Kind::Percent};
        if (name == "cmdDecimal") action = Action{Action::Kind::Decimal};
        if (name == "cmdPlusMinus") action = Action{Action::Kind::Sign};
        return {"click " + name.toStdString(), action};
    }

    StormEvent Press(ShownForm& shown, Qt::Key key, const char* name,
                     std::optional<std::int16_t> released = std::nullopt, std::int16_t typed = 0)
    {
        shown.Key(key);
        std::optional<Action> action;
        if (released) action = Action{Action::Kind::KeyUp, *released};
        if (typed) action = Action{Action::Kind::KeyPress, typed};
        return {name, action};
    }

    // Ctrl+C copies the focused display, and never empties the clipboard.
    StormEvent Copy(ShownForm& shown)
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        QString expected = QString::fromStdString(shown.Entry());
        if (QApplication::focusWidget() == shown.form.TxtDisplay1) {
            expected = shown.form.TxtDisplay1->hasSelectedText() ? shown.form.TxtDisplay1->selectedText()
                                                                 : shown.form.TxtDisplay1->text();
        }
        if (expected.isEmpty()) expected = clipboard->text();
        shown.Key(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard->text(), expected);
        return {"Ctrl+C", std::nullopt};
    }

    StormEvent Paste(ShownForm& shown)
    {
        static const char* const kTexts[] = {"1.234,56", "-12", "abc", "", "12 34", "L. 290.441",
                                             "1234567890123456", "0,5"};
        const char* text = kTexts[Uniform(0, std::size(kTexts) - 1)];
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
        shown.Key(Qt::Key_V, Qt::ControlModifier);
        return {std::string("paste \"") + text + '"', std::nullopt};
    }

    StormEvent About(ShownForm& shown)
    {
        const int way = Uniform(0, 3);
        WithAboutWindow([&] { shown.Key(Qt::Key_I, Qt::AltModifier); }, [way](frmAbout& about) {
            switch (way) {
            case 0: QTest::mouseClick(about.cmdOK, Qt::LeftButton); break;
            case 1: QTest::keyClick(about.windowHandle(), Qt::Key_Return); break;
            case 2: QTest::keyClick(about.windowHandle(), Qt::Key_Escape); break;
            default: about.windowHandle()->close(); break;
            }
        });
        return {"About closed by way " + std::to_string(way), std::nullopt};
    }

    std::mt19937 random_;
};

// What must hold whatever happened: every control there, where it was designed to be, and
// displays that hold only what the calculator writes.
std::optional<std::string> BrokenWindow(const ShownForm& shown)
{
    for (const ControlDesign& design : kForm1Controls) {
        const QWidget* widget = shown.form.findChild<QWidget*>(ObjectName(design));
        if (!widget || !widget->isVisible()) return "control missing: " + ObjectName(design).toStdString();
        if (widget->pos() != PixelRect(design.left, design.top, design.width, design.height).topLeft()) {
            return "control moved: " + ObjectName(design).toStdString();
        }
    }
    if (shown.Entry().find_first_not_of("0123456789,-+E") != std::string::npos) return "stray text in the entry";
    if (shown.Conversion().find_first_not_of("0123456789.,-") != std::string::npos) return "stray text in the conversion";
    if (shown.form.loadedWindows().Count() != 1) return "a window is still loaded";
    return std::nullopt;
}

TEST(EventStorm, TenThousandRealEventsLeaveTheWindowWhole)
{
    const unsigned seed = StormSeed();
    ShownForm shown;
    Storm storm(seed);
    for (int i = 0; i < kEvents; ++i) {
        const Snapshot before = Snapshot::Of(shown.form.calculator(), shown.form, static_cast<std::size_t>(shown.beeps));
        const StormEvent event = storm.Next(shown);
        const Snapshot after = Snapshot::Of(shown.form.calculator(), shown.form, static_cast<std::size_t>(shown.beeps));
        auto broken = BrokenWindow(shown);
        if (!broken && event.action) broken = BrokenRule(before, after, *event.action);
        if (!broken && after.entry.size() > 15) broken = "the entry holds more than 15 characters";
        if (!broken && after.caret != after.entry.size()) broken = "the caret left the end of the entry";
        ASSERT_FALSE(broken) << *broken << " after event " << i << " (" << event.description
                             << "), seed " << seed << ", entry before \"" << before.entry << "\"";
    }
    std::printf("storm: %d events, %d beeps, entry \"%s\"\n", kEvents, shown.beeps, shown.Entry().c_str());
    // Esci ends the program, so it comes last.
    QTimer::singleShot(0, [&] { shown.Key(Qt::Key_E, Qt::AltModifier); });
    QTimer::singleShot(5000, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace abaquino::ui::testing
