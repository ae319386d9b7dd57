#include "ui/entry_display.h"
#include "window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace abaquino::ui::testing {
namespace {

TEST(Form1Start, ShowsEmptyDisplaysAndConvertsIntoEuro)
{
    ShownForm shown;
    Form1& f = shown.form;
    EXPECT_EQ(f.windowTitle(), "Abaquino");
    EXPECT_EQ(f.centralWidget()->size(), QSize(225, 240));  // 3375 x 3600 twips
    EXPECT_TRUE(f.txtDisplay->text().isEmpty());
    EXPECT_TRUE(f.TxtDisplay1->text().isEmpty());
    EXPECT_TRUE(f.OptBEuro->isChecked());
    EXPECT_FALSE(f.OptBLire->isChecked());
    EXPECT_EQ(f.calculator().State(), CalculatorState{});
    EXPECT_EQ(QApplication::focusWidget(), f.txtDisplay);
    EXPECT_FALSE(f.windowIcon().isNull());
    const QPoint offCentre = f.frameGeometry().center() - f.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    const Qt::WindowFlags flags = f.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
}

TEST(Form1Layout, PlacesControlsWhereTheDesignSays)
{
    ShownForm shown;
    const struct { const char* name; QRect pixels; } places[] = {
        {"txtDisplay", {8, 16, 209, 26}},       {"TxtDisplay1", {8, 72, 209, 25}},
        {"OptBLire", {200, 48, 17, 17}},        {"OptBEuro", {136, 48, 17, 17}},
        {"cmdNumber(1)", {8, 112, 33, 25}},     {"cmdNumber(0)", {48, 208, 33, 25}},
        {"CmdOperator(4)", {144, 112, 33, 25}}, {"cmdEquals", {184, 208, 33, 25}},
        {"CmdPercent", {184, 176, 33, 25}},     {"cmdPlusMinus", {8, 208, 33, 25}},
    };
    for (const auto& place : places) {
        const auto* widget = shown.form.findChild<QWidget*>(place.name);
        ASSERT_TRUE(widget) << place.name;
        EXPECT_EQ(widget->geometry(), place.pixels) << place.name;
    }
    // Labels size themselves to their text, from their designed corner.
    EXPECT_EQ(shown.form.Label1->pos(), QPoint(8, 48));
    EXPECT_EQ(shown.form.Label3->pos(), QPoint(104, 48));
}

TEST(Form1Layout, CaptionsFontsAndColours)
{
    ShownForm shown;
    Form1& f = shown.form;
    const char* captions[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(f.cmdNumber[i]->text(), captions[i]);
    EXPECT_EQ(f.CmdOperator[1]->text(), "+");
    EXPECT_EQ(f.CmdOperator[2]->text(), "-");
    EXPECT_EQ(f.CmdOperator[3]->text(), "x");
    EXPECT_EQ(f.CmdOperator[4]->text(), "/");
    EXPECT_EQ(f.cmdEquals->text(), "=");
    EXPECT_EQ(f.CmdPercent->text(), "%");
    EXPECT_EQ(f.cmdClear->text(), "C");
    EXPECT_EQ(f.cmdClearEntry->text(), "CE");
    EXPECT_EQ(f.cmdDecimal->text(), ",");
    EXPECT_EQ(f.cmdPlusMinus->text(), "+/-");
    EXPECT_EQ(f.Label1->text(), "Converti in:");
    EXPECT_EQ(f.Label2->text(), "Lire");
    EXPECT_EQ(f.Label3->text(), "Euro");
    EXPECT_TRUE(f.OptBEuro->text().isEmpty());
    EXPECT_EQ(f.txtDisplay->toolTip(), "Inserisci le cifre");

    EXPECT_DOUBLE_EQ(f.txtDisplay->font().pointSizeF(), 12);
    EXPECT_FALSE(f.txtDisplay->font().bold());
    EXPECT_DOUBLE_EQ(f.cmdNumber[5]->font().pointSizeF(), 12);
    EXPECT_TRUE(f.cmdNumber[5]->font().bold());
    EXPECT_DOUBLE_EQ(f.CmdPercent->font().pointSizeF(), 9.75);
    EXPECT_TRUE(f.CmdPercent->font().bold());
    EXPECT_DOUBLE_EQ(f.Label2->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(f.TxtDisplay1->font().pointSizeF(), 9.75);

    EXPECT_EQ(f.centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(f.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(f.txtDisplay->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(f.TxtDisplay1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(f.txtDisplay->maxLength(), 15);
    EXPECT_TRUE(f.TxtDisplay1->isReadOnly());
}

TEST(Form1Layout, TabOrderFollowsTheDesign)
{
    ShownForm shown;
    // The conversion display comes first but is reached by the mouse only, so the entry
    // display has the focus at start.
    const QStringList expected = {
        "TxtDisplay1", "txtDisplay", "OptBLire", "cmdNumber(1)", "cmdNumber(2)", "cmdNumber(3)",
        "cmdNumber(4)", "cmdNumber(5)", "cmdNumber(6)", "cmdNumber(7)", "cmdNumber(8)",
        "cmdNumber(9)", "cmdNumber(0)", "cmdPlusMinus", "cmdDecimal", "CmdOperator(4)",
        "CmdOperator(3)", "CmdOperator(2)", "CmdOperator(1)", "cmdEquals", "cmdClear",
        "cmdClearEntry", "OptBEuro", "CmdPercent"};
    QStringList chain;
    QWidget* widget = shown.form.TxtDisplay1;
    do {
        if (widget->focusPolicy() != Qt::NoFocus) chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != shown.form.TxtDisplay1);
    EXPECT_EQ(chain, expected);
    EXPECT_EQ(shown.form.TxtDisplay1->focusPolicy(), Qt::ClickFocus);

    // Tab walks that order. The two options are one stop, at the place of the first, and Tab
    // lands on the chosen one; the arrow keys choose the other, as a click does.
    shown.Type("1000");
    const QStringList walk = {"OptBEuro", "cmdNumber(1)", "cmdNumber(2)"};
    for (const QString& next : walk) {
        shown.Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
    shown.Key(Qt::Key_Backtab);
    shown.Key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), shown.form.OptBEuro);
    EXPECT_EQ(shown.Entry(), "1000");  // Tab typed nothing
    for (const Qt::Key arrow : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down}) {
        QRadioButton* chosen = shown.form.OptBLire->isChecked() ? shown.form.OptBEuro : shown.form.OptBLire;
        shown.Key(arrow);
        EXPECT_TRUE(chosen->isChecked()) << arrow;
        EXPECT_EQ(QApplication::focusWidget(), chosen) << arrow;
    }
    EXPECT_EQ(shown.Conversion(), "1.936.270");  // OptBLire_Click's whole lire
    shown.Key(Qt::Key_Backtab);
    shown.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), shown.form.OptBLire);
    for (int i = 0; i < 22; ++i) shown.Key(Qt::Key_Tab);  // round the 22 stops, skipping OptBEuro
    EXPECT_EQ(QApplication::focusWidget(), shown.form.OptBLire);
}

TEST(Form1Layout, ResizingLeavesEveryControlInPlace)
{
    ShownForm shown;
    QList<QRect> before;
    const auto controls = shown.form.centralWidget()->findChildren<QWidget*>();
    for (const QWidget* w : controls) before << w->geometry();
    shown.form.resize(700, 600);
    shown.form.showMaximized();
    QApplication::processEvents();
    for (int i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i]->geometry(), before[i]) << i;
}

TEST(Form1Menu, HasEsciAndInformazioniWithoutDropDowns)
{
    ShownForm shown;
    const auto actions = shown.form.menuBar()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "&Esci");
    EXPECT_EQ(actions[1]->text(), "&Informazioni");
    EXPECT_EQ(actions[0]->menu(), nullptr);
    EXPECT_EQ(actions[1]->menu(), nullptr);
}

}  // namespace
}  // namespace abaquino::ui::testing
