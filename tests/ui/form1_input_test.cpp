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
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

namespace abaquino::ui::testing {
namespace {

// A click, and the event loop's turn that ends its step and says its sentence.
void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QCoreApplication::processEvents();
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
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.form.announcer().LastSaid(), "10001, in lire 19.364.636,27");
}

// No input method may compose on any control: a dead key would swallow the next digit.
TEST(Form1Keys, NoInputMethodComposesWhereverTheFocusIs)
{
    for (const char* focus : {"txtDisplay", "cmdNumber(5)", "TxtDisplay1", "OptBLire"}) {
        ShownForm shown;
        shown.form.findChild<QWidget*>(focus)->setFocus();
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

// On X11 a held key repeats both its press and its release: one character goes, on the real release.
TEST(Form1Keys, AHeldBackspaceRemovesOneCharacter)
{
    ShownForm shown;
    shown.Type("12345");
    QWindow* window = shown.form.windowHandle();
    QTest::keyPress(window, Qt::Key_Backspace);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(shown.form.txtDisplay, &repeatedRelease);
    }
    EXPECT_EQ(shown.Entry(), "12345");
    QTest::keyRelease(window, Qt::Key_Backspace);
    EXPECT_EQ(shown.Entry(), "1234");
}

// Beyond the shared scenario: the failure is spoken, and a click through the longest balloon
// chooses the option under it. On X11 the click is real input; elsewhere it goes to the balloon
// itself, as a platform that ignored its transparency would deliver it.
TEST(Form1Failure, IsSpokenAndAClickThroughItsBalloonChoosesLire)
{
    ShownForm shown;
    shown.Type("100000000000000***");  // no stale amount is said beside the new entry
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.form.announcer().LastSaid(), "1E+56, Importo troppo grande per la conversione");
    const QWidget* tip = shown.form.findChild<QWidget*>(QStringLiteral("failureBalloon"));
    ASSERT_TRUE(tip && tip->isVisible());
    const QPoint at = shown.form.OptBLire->mapToGlobal(shown.form.OptBLire->rect().center());
    ASSERT_TRUE(tip->geometry().contains(at)) << "the click must land on the balloon";
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QTest::qWait(200);  // the balloon mapped, as a user sees it before clicking
        EXPECT_EQ(QProcess::execute("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()),
                                                "click", "1"}), 0);
    } else {
        QTest::mouseClick(tip->windowHandle(), Qt::LeftButton, {}, tip->mapFromGlobal(at));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.form.OptBLire->isChecked(); }));
    EXPECT_FALSE(shown.form.failureBalloon().IsShown());
    EXPECT_EQ(shown.Conversion().substr(0, 9), "193.627.0");  // whole lire, no decimals
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

}  // namespace
}  // namespace abaquino::ui::testing
