#include "ui/announcer.h"
#include "ui/entry_display.h"
#include "ui/failure_balloon.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

namespace abaquino::ui::testing {
namespace {

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

TEST(Form1Clicks, EveryButtonReachesItsHandler)
{
    ShownForm shown;
    Form1& f = shown.form;
    for (int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) Click(f.cmdNumber[digit]);
    EXPECT_EQ(shown.Entry(), "1234567890");
    Click(f.cmdClearEntry);
    EXPECT_EQ(shown.Entry(), "");

    const struct { QPushButton* button; std::int16_t pending; } operators[] = {
        {f.CmdOperator[1], 1}, {f.CmdOperator[2], 2}, {f.CmdOperator[3], 3}, {f.CmdOperator[4], 4}};
    for (const auto& op : operators) {
        Click(f.cmdNumber[8]);
        Click(op.button);
        EXPECT_EQ(f.calculator().State().PendingOperator, op.pending);
    }
    Click(f.cmdEquals);
    EXPECT_EQ(shown.Entry(), "1");  // 8 + 8 - 8 x 8 gave 64, / then = divides it by itself
    Click(f.cmdPlusMinus);
    EXPECT_EQ(shown.Entry(), "-");
    Click(f.cmdNumber[4]);
    Click(f.cmdDecimal);
    Click(f.cmdNumber[5]);
    EXPECT_EQ(shown.Entry(), "-4,5");
    Click(f.CmdPercent);
    EXPECT_EQ(shown.Entry(), "-4,5");
    Click(f.cmdClear);
    EXPECT_EQ(shown.Entry(), "");
    EXPECT_EQ(f.calculator().State().Accumulator, 0);
}

TEST(Form1Clicks, OptionsAreExclusiveAndConvertAtOnce)
{
    ShownForm shown;
    shown.Type("1000");
    EXPECT_EQ(shown.Conversion(), "0,52");
    Click(shown.form.OptBLire);
    EXPECT_TRUE(shown.form.OptBLire->isChecked());
    EXPECT_FALSE(shown.form.OptBEuro->isChecked());
    EXPECT_EQ(shown.Conversion(), "1.936.270");
    EXPECT_EQ(shown.form.announcer().LastSaid(), "1000, in lire 1.936.270");  // what a screen reader says
    Click(shown.form.OptBEuro);
    EXPECT_FALSE(shown.form.OptBLire->isChecked());
    EXPECT_EQ(shown.Conversion(), "0,52");
    EXPECT_EQ(shown.form.announcer().LastSaid(), "1000, in euro 0,52");
    shown.form.OptBLire->toggle();  // as a screen reader chooses it, without a click
    EXPECT_EQ(shown.Conversion(), "1.936.270");
    shown.Type("0");
    Click(shown.form.OptBLire);  // a click on the chosen option runs its handler once
    EXPECT_EQ(shown.Conversion(), "19.362.700");
    shown.Type("+1=");  // a result, with its conversion
    EXPECT_EQ(shown.form.announcer().LastSaid(), "10001, in lire 19.364.636,27");
}

// The same keys typed with the focus on each kind of control are handled exactly once.
TEST(Form1Keys, TypedKeysAreHandledOnceWhereverTheFocusIs)
{
    for (const char* focus : {"txtDisplay", "cmdNumber(5)", "TxtDisplay1", "OptBLire"}) {
        ShownForm shown;
        shown.form.findChild<QWidget*>(focus)->setFocus();
        shown.Type("12+3\r");
        EXPECT_EQ(shown.Entry(), "15") << focus;
        EXPECT_EQ(shown.Conversion(), "0,01") << focus;
        shown.Type("a.");
        EXPECT_EQ(shown.Entry(), ",") << focus;
        EXPECT_EQ(shown.form.TxtDisplay1->text(), "0,01") << focus;  // nothing typed into it
        EXPECT_EQ(shown.form.txtDisplay->cursorPosition(), 1) << focus;
        // No input method may compose there: a dead key would swallow the next digit.
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(shown.form.focusWidget(), &query);
        EXPECT_FALSE(query.value(Qt::ImEnabled).toBool()) << focus;
    }
}

// Keys that reach the window while another one is active (the desktop did not give the
// activation back yet) once went straight into the entry display as text.
TEST(Form1Keys, KeysNeverReachTheEntryAsTextWhenTheWindowIsInactive)
{
    ShownForm shown;
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    shown.Type("7a+");
    EXPECT_EQ(shown.Entry(), "7");
    EXPECT_EQ(shown.form.calculator().State().PendingOperator, 1);
}

TEST(Form1Keys, SpacePressesTheFocusedButtonOnce)
{
    ShownForm shown;
    shown.form.cmdNumber[7]->setFocus();
    shown.Key(Qt::Key_Space);
    EXPECT_EQ(shown.Entry(), "7");
    shown.form.txtDisplay->setFocus();
    shown.Key(Qt::Key_Space);
    EXPECT_EQ(shown.Entry(), "7");
}

TEST(Form1Keys, BackspaceAndDeleteActOnRelease)
{
    ShownForm shown;
    shown.Type("12345");
    QWindow* window = shown.form.windowHandle();
    QTest::keyPress(window, Qt::Key_Backspace);
    EXPECT_EQ(shown.Entry(), "12345");
    QTest::keyRelease(window, Qt::Key_Backspace);
    EXPECT_EQ(shown.Entry(), "1234");
    shown.Key(Qt::Key_Delete);
    EXPECT_EQ(shown.Entry(), "123");

    // Held down: the presses and releases that repeat remove nothing more.
    QTest::keyPress(window, Qt::Key_Backspace);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(shown.form.txtDisplay, &repeatedRelease);
    }
    QTest::keyRelease(window, Qt::Key_Backspace);
    EXPECT_EQ(shown.Entry(), "12");
}

bool BalloonClosed(const ShownForm& shown)
{
    return !shown.form.failureBalloon().IsShown();
}

TEST(Form1Failure, BeepsShowsItsMessageAndClosesItOnTheNextKeyClickOrAfterAWhile)
{
    ShownForm shown;
    shown.Type("1/0=");
    EXPECT_EQ(shown.beeps, 1);
    EXPECT_EQ(shown.form.failureBalloon().Text(), "Impossibile dividere per zero");
    EXPECT_EQ(shown.form.announcer().LastSaid(), "Impossibile dividere per zero");
    EXPECT_EQ(shown.Entry(), "0");
    EXPECT_EQ(shown.Conversion(), "0,00");
    EXPECT_EQ(shown.form.calculator().State().PendingOperator, 4);
    shown.Type("5");
    EXPECT_TRUE(BalloonClosed(shown)) << "a key";

    const auto fail = [&] {
        shown.form.calculator().cmdClear_Click();
        shown.Type("1/0=");
        EXPECT_TRUE(shown.form.failureBalloon().IsShown());
    };
    fail();
    Click(shown.form.Label1);
    EXPECT_TRUE(BalloonClosed(shown)) << "a click";
    fail();
    shown.form.calculator().RefreshConversion();  // either display changing
    EXPECT_TRUE(BalloonClosed(shown)) << "a display changed";
    fail();
    QEvent deactivated(QEvent::WindowDeactivate);
    QApplication::sendEvent(&shown.form, &deactivated);
    EXPECT_TRUE(BalloonClosed(shown)) << "another program active";
    fail();
    shown.form.showMinimized();
    EXPECT_TRUE(BalloonClosed(shown)) << "minimised";
    shown.form.showNormal();
    fail();
    const QWidget* tip = shown.form.findChild<QWidget*>(QStringLiteral("failureBalloon"));
    ASSERT_NE(tip, nullptr);
    ASSERT_NE(tip->windowHandle(), nullptr);
    EXPECT_TRUE(tip->windowHandle()->flags().testFlag(Qt::WindowTransparentForInput)) << "clicks go through";

    fail();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.form.failureBalloon().IsShown(); },
                                FailureBalloon::kShownMilliseconds + 2000)) << "on its own";

    const int beeps = shown.beeps;
    shown.Type(".,.");  // the second comma only beeps
    EXPECT_EQ(shown.beeps, beeps + 1);
    EXPECT_FALSE(shown.form.failureBalloon().IsShown());
}

void MiddleButtonRelease(QWidget* widget)
{
    const QPointF at = widget->rect().center();
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::MiddleButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// Every way a QLineEdit can change its own text, tried on the entry display: none of them may
// change what the calculator sees or shows.
TEST(Form1Keys, NoEditBypassesTheCalculator)
{
    ShownForm shown;
    EntryDisplay* entry = shown.form.txtDisplay;
    QGuiApplication::clipboard()->setText("abc");
    shown.Type("42");
    const std::function<void()> edits[] = {
        [&] { entry->insert("abc"); },
        [&] { entry->paste(); },
        [&] { entry->undo(); },
        [&] { entry->redo(); },
        [&] { entry->backspace(); },
        [&] { entry->selectAll(); entry->del(); },
        [&] { shown.Key(Qt::Key_Z, Qt::ControlModifier); },
        [&] { shown.Key(Qt::Key_Y, Qt::ControlModifier); },
        [&] { shown.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); },
        [&] {
            QInputMethodEvent commit;
            commit.setCommitString("9");
            QApplication::sendEvent(entry, &commit);
        },
        [&] { MiddleButtonRelease(entry); },  // pastes the selection, which is no amount here
    };
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        edits[i]();
        EXPECT_EQ(entry->text(), "42") << "edit " << i;
        EXPECT_EQ(shown.Entry(), "42") << "edit " << i;
        EXPECT_EQ(entry->cursorPosition(), 2) << "edit " << i;
    }
    QSignalSpy pastes(entry, &EntryDisplay::pasteRequested);
    MiddleButtonRelease(entry);
    ASSERT_EQ(pastes.size(), 1);
    EXPECT_EQ(pastes[0][0].value<QClipboard::Mode>(), QClipboard::Selection);

    shown.Key(Qt::Key_Backspace, Qt::ControlModifier);  // a backspace, through the calculator
    EXPECT_EQ(shown.Entry(), "4");
}

// A lone Alt leaves the keyboard with the calculator: nothing typed is lost, Enter is equals.
TEST(Form1Keys, AStrayAltLosesNothing)
{
    ShownForm shown;
    QWindow* window = shown.form.windowHandle();
    shown.Type("250+3");
    QTest::keyPress(window, Qt::Key_Alt);
    QTest::keyRelease(window, Qt::Key_Alt, Qt::AltModifier);
    shown.Type("7\r");
    EXPECT_EQ(shown.Entry(), "287");
    EXPECT_TRUE(shown.form.isVisible());
    QTest::keyPress(window, Qt::Key_Alt);
    QTest::keyRelease(window, Qt::Key_Alt, Qt::AltModifier);
    shown.Type("123+4");
    EXPECT_EQ(shown.Entry(), "4");
    EXPECT_EQ(shown.form.calculator().State().Accumulator, 123);
    EXPECT_EQ(QApplication::focusWidget(), shown.form.txtDisplay);
}

TEST(Form1Clipboard, PastesAnAmountAsIfKeyedAndRefusesAnythingElse)
{
    ShownForm shown;
    QClipboard* clipboard = QGuiApplication::clipboard();
    shown.Type("5+");
    clipboard->setText(QString::fromUtf8("\u20AC 1.936,27\n"));
    shown.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.Entry(), "1936,27");
    EXPECT_EQ(shown.Conversion(), "1,00");
    shown.Type("=");
    EXPECT_EQ(shown.Entry(), "1941,27");

    clipboard->setText("290.441 lire");
    shown.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(shown.Entry(), "290441");

    for (const QString& bad : {QString("abc"), QString("12 34"), QString(), QString(10'000, '1')}) {
        const int beeps = shown.beeps;
        clipboard->setText(bad);
        shown.Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(shown.Entry(), "290441") << bad.left(10).toStdString();
        EXPECT_EQ(shown.beeps, beeps + 1) << bad.left(10).toStdString();
        EXPECT_EQ(shown.form.failureBalloon().Text(), "Numero non valido");
    }
}

// The context menu's entries act, and Ctrl+C copies the display that has the focus.
TEST(Form1Clipboard, CopiesTheFocusedDisplayAndTheMenuActs)
{
    ShownForm shown;
    QClipboard* clipboard = QGuiApplication::clipboard();
    shown.Type("1000");
    shown.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "1000");
    Click(shown.form.TxtDisplay1);
    shown.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "0,52");
    shown.Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "0,52");

    const auto chooseFromMenu = [&](const QString& entry) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(shown.form.txtDisplay, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) action->trigger();
        }
        menu->close();
    };
    clipboard->setText("x");
    chooseFromMenu("&Copia");
    EXPECT_EQ(clipboard->text(), "1000");
    clipboard->setText("12,5");
    chooseFromMenu("&Incolla");
    EXPECT_EQ(shown.Entry(), "12,5");
}

// Whatever the layout makes the keypad's decimal key type, it is the decimal comma.
TEST(Form1Keys, TheKeypadDecimalKeyIsTheCommaOnEveryLayout)
{
    for (const Qt::Key decimal : {Qt::Key_Comma, Qt::Key_Period}) {
        ShownForm shown;
        shown.Type("7");
        QTest::keyClick(shown.form.windowHandle(), decimal, Qt::KeypadModifier);
        shown.Type("4");
        EXPECT_EQ(shown.Entry(), "7,4") << decimal;
    }
    ShownForm shown;
    shown.Type("7,4");  // "," on the main keys stays unused
    EXPECT_EQ(shown.Entry(), "74");
}

TEST(Form1Keys, DropsChangeNothing)
{
    ShownForm shown;
    shown.Type("42");
    QMimeData data;
    data.setText("777");
    const QPoint centre = shown.form.txtDisplay->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.form.txtDisplay, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.form.txtDisplay, &drop);
    EXPECT_EQ(shown.Entry(), "42");
}

TEST(Form1Keys, ClickingTheEntryKeepsTheCaretAtTheEnd)
{
    ShownForm shown;
    shown.Type("12345");
    QTest::mouseClick(shown.form.txtDisplay, Qt::LeftButton, {}, QPoint(5, 5));
    shown.Key(Qt::Key_Left);
    shown.Key(Qt::Key_Home);
    EXPECT_EQ(shown.form.txtDisplay->cursorPosition(), 5);
}

TEST(Form1Menu, EsciEndsTheProgram)
{
    ShownForm shown;
    shown.Type("12");
    QTimer::singleShot(0, [&] { shown.Key(Qt::Key_E, Qt::AltModifier); });
    QTimer::singleShot(5000, [] { QApplication::exit(1); });  // never reached when Esci works
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(shown.form.isVisible());
    EXPECT_EQ(shown.Entry(), "12");  // Alt+E typed nothing
}

}  // namespace
}  // namespace abaquino::ui::testing
