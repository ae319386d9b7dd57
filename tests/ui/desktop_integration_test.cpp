#include "ui/application_setup.h"
#include "ui/entry_display.h"
#include "support/form1_pixels.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QFile>
#include <QImage>
#include <QResource>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>
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
    for (const abaquino::testing::ExpectedControl& expected : abaquino::testing::kForm1Pixels) {
        const QString name = expected.index < 0 ? QString(expected.name) : QStringLiteral("%1(%2)").arg(expected.name).arg(expected.index);
        QWidget* widget = shown.form.findChild<QWidget*>(name);
        ASSERT_TRUE(widget) << name.toStdString();
        EXPECT_EQ(SpokenName(widget), QString::fromUtf8(expected.spoken)) << name.toStdString();
        if (!name.startsWith("Label")) {
            EXPECT_FALSE(widget->accessibleDescription().isEmpty()) << name.toStdString();
        }
    }
}

// The largest difference of one colour or alpha channel between two images of one size.
int LargestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int shift : {0, 8, 16, 24}) {
                largest = std::max(largest, std::abs(int((p >> shift) & 0xff) - int((q >> shift) & 0xff)));
            }
        }
    }
    return largest;
}

// The raw pixels the program starts with are those of the installed 16-bit PNGs, give or take
// the rounding to 8 bits.
TEST(Icon, RawPixelsMatchThePngs)
{
    for (const int size : {16, 32, 48, 64}) {
        const QImage png(QStringLiteral(ABAQUINO_ICON_FOLDER "/abaquino-%1.png").arg(size));
        const QResource raw(QStringLiteral(":/abaquino-%1.bgra").arg(size));
        ASSERT_EQ(raw.size(), qint64{size} * size * 4) << size;
        ASSERT_EQ(png.size(), QSize(size, size));
        EXPECT_LE(LargestDifference(QImage(raw.data(), size, size, QImage::Format_ARGB32), png), 1) << size;
    }
    EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 4);
}

TEST(Language, QtsOwnTextsAreItalian)
{
    ShownForm shown;
    QMenu* menu = shown.form.TxtDisplay1->createStandardContextMenu();
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    delete menu;
    EXPECT_TRUE(texts.join(' ').contains("Copia")) << texts.join(' ').toStdString();
}

// The desktop finds the window's launcher, name and icon by this name: a file that is installed.
TEST(Desktop, TheWindowNamesTheInstalledLauncher)
{
    QFile launcher(QStringLiteral(ABAQUINO_PACKAGING_FOLDER "/%1.desktop").arg(QGuiApplication::desktopFileName()));
    ASSERT_TRUE(launcher.open(QIODevice::ReadOnly)) << launcher.fileName().toStdString();
    const QString entries = QString::fromUtf8(launcher.readAll());
    EXPECT_TRUE(entries.contains(QStringLiteral("\nExec=abaquino"))) << entries.toStdString();
}

}  // namespace
}  // namespace abaquino::ui::testing
