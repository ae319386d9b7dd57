#include "ui/application_setup.h"
#include "ui/entry_display.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include <utility>
#include <vector>

namespace abaquino::ui::testing {
namespace {

QString SpokenName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST(Accessibility, EveryControlHasAnItalianName)
{
    ShownForm shown;
    const struct { const char* control; const char* name; } names[] = {
        {"cmdNumber(0)", "0"}, {"cmdNumber(7)", "7"}, {"CmdOperator(1)", "più"},
        {"CmdOperator(2)", "meno"}, {"CmdOperator(3)", "per"}, {"CmdOperator(4)", "diviso"},
        {"cmdEquals", "uguale"}, {"CmdPercent", "percentuale"}, {"cmdPlusMinus", "cambia segno"},
        {"cmdDecimal", "virgola"}, {"cmdClear", "cancella tutto"}, {"cmdClearEntry", "cancella voce"},
        {"txtDisplay", "Importo"}, {"TxtDisplay1", "Importo convertito"},
        {"OptBEuro", "Converti in euro"}, {"OptBLire", "Converti in lire"},
    };
    for (const auto& n : names) {
        QWidget* widget = shown.form.findChild<QWidget*>(n.control);
        EXPECT_EQ(SpokenName(widget), QString::fromUtf8(n.name)) << n.control;
        EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << n.control;
    }
}

TEST(Language, QtsOwnTextsAreItalian)
{
    ShownForm shown;
    QMenu* menu = shown.form.TxtDisplay1->createStandardContextMenu();
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    delete menu;
    EXPECT_TRUE(texts.join(' ').contains("Copia")) << texts.join(' ').toStdString();
    EXPECT_EQ(QGuiApplication::desktopFileName(), kDesktopFileName);
}

}  // namespace
}  // namespace abaquino::ui::testing
