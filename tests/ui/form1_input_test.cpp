#include "entry_display.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>

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
    Click(shown.form.OptBEuro);
    EXPECT_FALSE(shown.form.OptBLire->isChecked());
    EXPECT_EQ(shown.Conversion(), "0,52");
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

TEST(Form1Keys, AFailureBeepsAndShowsItsMessageUntilTheNextKey)
{
    ShownForm shown;
    shown.Type("1/0");
    shown.Type("=");
    EXPECT_EQ(shown.beeps, 1);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Impossibile dividere per zero");
    EXPECT_EQ(shown.Entry(), "0");
    EXPECT_EQ(shown.Conversion(), "0,00");
    EXPECT_EQ(shown.form.calculator().State().PendingOperator, 4);
    shown.Type("5");
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 2000);

    shown.Type(".,.");  // the second comma only beeps
    EXPECT_EQ(shown.beeps, 2);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST(Form1Keys, PasteAndDropChangeNothingAndCopyTakesTheEntry)
{
    ShownForm shown;
    shown.Type("42");
    QGuiApplication::clipboard()->setText("999");
    shown.Key(Qt::Key_V, Qt::ControlModifier);
    shown.Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(shown.Entry(), "42");

    QMimeData data;
    data.setText("777");
    const QPoint centre = shown.form.txtDisplay->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.form.txtDisplay, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.form.txtDisplay, &drop);
    EXPECT_EQ(shown.Entry(), "42");

    shown.Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "42");
    shown.Type("1");
    shown.Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "421");
    EXPECT_EQ(shown.Entry(), "421");
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
