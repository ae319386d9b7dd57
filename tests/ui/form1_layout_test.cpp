#include "designs/form1_design.h"
#include "ui/application_setup.h"
#include "ui/control_table.h"
#include "ui/entry_display.h"
#include "support/form1_pixels.h"
#include "window_test_support.h"

#include <QFontDatabase>
#include <QFontInfo>
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

QString Caption(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) return box->text();
    return {};
}

// Each widget stands where the design puts it, in pixels worked out by hand, with its caption,
// font, colour and names.
TEST(Form1Layout, EveryControlIsBuiltFromItsDesign)
{
    ShownForm shown;
    using abaquino::testing::kForm1Pixels;
    ASSERT_EQ(kForm1Pixels.size(), kForm1Controls.size());
    for (std::size_t place = 0; place < kForm1Controls.size(); ++place) {
        const ControlDesign& design = kForm1Controls[place];
        const abaquino::testing::ExpectedControl& expected = kForm1Pixels[place];
        const QString name = expected.index < 0 ? QString(expected.name) : QStringLiteral("%1(%2)").arg(expected.name).arg(expected.index);
        const QWidget* widget = shown.form.findChild<QWidget*>(name);
        ASSERT_TRUE(widget) << name.toStdString();
        const QRect box(expected.at96.x, expected.at96.y, expected.at96.width, expected.at96.height);
        if (design.settings & kSizedToText) {  // labels size themselves to their text
            EXPECT_EQ(widget->pos(), box.topLeft()) << name.toStdString();
        } else {
            EXPECT_EQ(widget->geometry(), box) << name.toStdString();
        }
        EXPECT_EQ(Caption(widget), QString::fromUtf8(expected.caption)) << name.toStdString();
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), expected.points) << name.toStdString();
        EXPECT_EQ(widget->font().bold(), expected.bold) << name.toStdString();
        // Named as installed (a stand-in where the designed family is missing), and not left to
        // fontconfig's costly search for fallbacks.
        EXPECT_TRUE(QFontDatabase::families().contains(widget->font().family())) << name.toStdString();
        EXPECT_EQ(QFontInfo(widget->font()).family(), widget->font().family()) << name.toStdString();
        EXPECT_EQ(widget->toolTip(), FromUtf8(design.toolTip)) << name.toStdString();
    }
    EXPECT_EQ(shown.form.findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    Form1& f = shown.form;
    EXPECT_EQ(f.centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(f.txtDisplay->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(f.TxtDisplay1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    f.SetEntryText("12345678901234567");
    EXPECT_EQ(f.EntryText(), "123456789012345");  // as a text box of 15 characters keeps it
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

// Also when the desktop (or -reverse) asks for right to left: the design stays as it is, down to
// the sign key's "+/-".
TEST(Form1Menu, HasEsciAndInformazioniWithoutDropDowns)
{
    QImage signKey[2];
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QApplication::setLayoutDirection(direction);
        PrepareApplication(*qApp);
        ShownForm shown;
        const auto actions = shown.form.menuBar()->actions();
        ASSERT_EQ(actions.size(), 2);
        EXPECT_EQ(actions[0]->text(), "&Esci");
        EXPECT_EQ(actions[1]->text(), "&Informazioni");
        EXPECT_EQ(actions[0]->menu(), nullptr);
        EXPECT_EQ(actions[1]->menu(), nullptr);
        QMenuBar* bar = shown.form.menuBar();
        EXPECT_LT(bar->actionGeometry(actions[0]).x(), bar->actionGeometry(actions[1]).x()) << direction;
        signKey[direction == Qt::RightToLeft] = shown.form.findChild<QWidget*>("cmdPlusMinus")->grab().toImage();
    }
    EXPECT_EQ(signKey[0], signKey[1]);
}

}  // namespace
}  // namespace abaquino::ui::testing
