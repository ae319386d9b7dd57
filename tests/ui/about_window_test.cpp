#include "designs/legibility.h"
#include "ui/application_setup.h"
#include "window_test_support.h"

#include <algorithm>
#include <cmath>

#include <QHash>
#include <QLabel>
#include <QScreen>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>

namespace abaquino::ui::testing {
namespace {

void OpenByMenu(ShownForm& shown) { shown.Key(Qt::Key_I, Qt::AltModifier); }

TEST(AboutWindow, ShowsItsDesignWithTheFocusOnOk)
{
    ShownForm shown;
    WithAboutWindow([&] { OpenByMenu(shown); }, [](frmAbout& about) {
        EXPECT_EQ(about.windowTitle(), "Informazioni su Abaquino Euro");
        EXPECT_EQ(about.geometry(), QRect(254, 171, 300, 219));  // 3810, 2565; 4500 x 3285 twips
        EXPECT_EQ(about.minimumSize(), about.maximumSize());
        EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(about.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(about.windowIcon().isNull());
        // The focus follows the activation, which the platform may deliver a little later.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == about.cmdOK; }, 2000));
        EXPECT_TRUE(about.cmdOK->isDefault());
        EXPECT_EQ(about.cmdOK->geometry(), QRect(120, 192, 84, 23));

        const struct { const char* name; const char* text; } texts[] = {
            {"lblTitolo", "Abaquino Euro"}, {"lblVersione", "Versione 1.8"},
            {"lblrealizzatoDa", "software realizzato da"}, {"Data", "04/01/2002"}};
        for (const auto& t : texts) EXPECT_EQ(about.findChild<QLabel*>(t.name)->text(), t.text);
        // What a screen reader says of the window as it opens, besides its longer labels.
        EXPECT_EQ(about.accessibleDescription(), "Versione 1.8, Studio Tarì, Bologna, 04/01/2002");
        const QLabel* title = about.findChild<QLabel*>("lblTitolo");
        EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 12);
        EXPECT_TRUE(title->font().bold() && title->font().italic());
        const QLabel* maker = about.findChild<QLabel*>("Autore");
        EXPECT_DOUBLE_EQ(maker->font().pointSizeF(), 14.25);
        EXPECT_EQ(maker->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        EXPECT_FALSE(maker->text().isEmpty());
        EXPECT_TRUE(about.findChild<QLabel*>("lblAvviso")->wordWrap());
        EXPECT_FALSE(about.findChild<QLabel*>("pboxLogo")->pixmap().isNull());

        QTest::keyClick(about.windowHandle(), Qt::Key_Tab);  // OK is its one stop: the picture takes none
        EXPECT_EQ(QApplication::focusWidget(), about.cmdOK);
        about.cmdOK->click();
    });
}

// Alt+I leaves no entry highlighted behind the open window, and no text is struck through.
TEST(AboutWindow, OpensCleanlyAndReadably)
{
    ShownForm shown;
    WithAboutWindow([&] { OpenByMenu(shown); }, [&](frmAbout& about) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.form.menuBar()->activeAction(); }, 1000));
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            EXPECT_TRUE(label->autoFillBackground()) << label->objectName().toStdString();
        }
        EXPECT_EQ(about.findChild<QLabel*>("lblAvviso")->alignment(), Qt::AlignLeft | Qt::AlignTop);
        about.cmdOK->click();
    });
}

bool Blank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
        }
    }
    return true;
}

// A label as the display shows it, where the display can be read back (X11); else as Qt paints it.
// The display may not show a label yet, a blank grab: it is taken again, for up to two seconds.
QImage PixelsOf(QWidget* label)
{
    const QPoint at = label->mapTo(label->window(), QPoint(0, 0));
    QImage pixels;
    (void)QTest::qWaitFor([&] {
        pixels = label->window()->windowHandle()->screen()
                     ->grabWindow(label->window()->winId(), at.x(), at.y(), label->width(), label->height())
                     .toImage();
        if (pixels.isNull()) pixels = label->grab().toImage();
        return !Blank(pixels);
    }, 2000);
    return pixels;
}

// How far the inkiest pixel stands out from the face, the commonest colour.
double InkContrast(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    }
    const auto rgb = [](QRgb p) { return designs::Rgb{qRed(p), qGreen(p), qBlue(p)}; };
    const QRgb face = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; })->first;
    double most = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it) most = std::max(most, designs::Contrast(rgb(*it), rgb(face)));
    return most;
}

// Every label of the window reads well, whole and apart from the others.
void ExpectReadable(const QWidget& window, const std::string& theme)
{
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    for (QLabel* label : labels) {
        const std::string name = theme + ": " + label->objectName().toStdString();
        if (label->text().isEmpty()) continue;
        EXPECT_GE(InkContrast(PixelsOf(label)), designs::kReadableContrast) << name;
        const QFontMetrics metrics(label->font());
        const QRect needed = label->wordWrap()
                                 ? metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text())
                                 : QRect(QPoint(0, 0), QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
        EXPECT_LE(needed.width(), label->width()) << name;
        EXPECT_LE(needed.height(), label->height()) << name;
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry())) << name;
        // Labels are opaque: where one box lies over another's text, that text is cut. Boxes
        // may touch in the blank space above and below a line (a taller desktop font leaves
        // them a pixel over), as long as no text lies under another box.
        const QRect ink = label->wordWrap() ? label->geometry()
                                            : metrics.tightBoundingRect(label->text()).translated(label->pos() + QPoint(0, metrics.ascent()));
        for (const QLabel* other : labels) {
            if (other != label && !other->text().isEmpty()) {
                EXPECT_FALSE(ink.intersects(other->geometry())) << name << "'s text lies under " << other->objectName().toStdString();
            }
        }
    }
}

// Whatever the desktop's theme and font size: a dark scheme must not leave designed black on its
// dark face, nor a large font cut a text or lay one over another.
TEST(AboutWindow, EveryTextReadsWellInEveryTheme)
{
    const QPalette light = QApplication::palette();
    const QFont font = QApplication::font();
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));  // button, window
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    const struct { const char* name; const QPalette& palette; double points; } themes[] = {
        {"light", light, font.pointSizeF()}, {"dark", dark, font.pointSizeF()},
        {"11 pt", light, 11}, {"dark, 16 pt", dark, 16}};
    for (const auto& theme : themes) {
        QApplication::setPalette(theme.palette);
        QFont large = font;
        large.setPointSizeF(theme.points);
        QApplication::setFont(large);
        PrepareApplication(*qApp);  // as at start, after the desktop's theme
        ShownForm shown;
        ExpectReadable(shown.form, theme.name);
        WithAboutWindow([&] { OpenByMenu(shown); }, [&](frmAbout& about) {
            ExpectReadable(about, theme.name);
            about.cmdOK->click();
        });
    }
    QApplication::setPalette(light);
    QApplication::setFont(font);
}

// The title bar that Qt draws on Wayland offers maximise even on this fixed-size window. Asked
// to maximise, it stays as designed, and the program and its calculation go on.
TEST(AboutWindow, AMaximiseLeavesItAsDesigned)
{
    ShownForm shown;
    shown.Type("12+3");
    WithAboutWindow([&] { shown.form.Informazioni_Click(); }, [&](frmAbout& about) {
        const QSize designed = about.size();
        about.windowHandle()->showMaximized();
        QTest::qWait(200);
        QTest::keyClick(about.windowHandle(), Qt::Key_Tab);
        QTest::qWait(200);
        EXPECT_EQ(about.size(), designed);
        EXPECT_FALSE(about.isMaximized());
        about.cmdOK->click();
    });
    EXPECT_EQ(shown.Entry(), "3");
    shown.Type("\r");
    EXPECT_EQ(shown.Entry(), "15");
}

TEST(AboutWindow, IsModalAndTheMainWindowTakesNoInput)
{
    ShownForm shown;
    shown.Type("7");
    WithAboutWindow([&] { shown.form.Informazioni_Click(); }, [&](frmAbout& about) {
        EXPECT_TRUE(about.isModal());
        EXPECT_EQ(about.parentWidget(), &shown.form);
        QTest::keyClick(shown.form.windowHandle(), Qt::Key_8);
        QTest::mouseClick(shown.form.windowHandle(), Qt::LeftButton, {},
                          shown.form.findChild<QWidget*>("cmdNumber(9)")->mapTo(&shown.form, QPoint(10, 10)));
        QTest::keyClick(shown.form.windowHandle(), Qt::Key_E, Qt::AltModifier);
        EXPECT_TRUE(shown.form.isVisible());
        about.cmdOK->click();
    });
    EXPECT_EQ(shown.Entry(), "7");
}

TEST(AboutWindow, UnloadingLeavesTheMainWindowAlone)
{
    ShownForm shown;
    WithAboutWindow([&] { OpenByMenu(shown); }, [&](frmAbout& about) {
        std::int16_t cancel = 0;
        about.Form_Unload(cancel);  // about is not unloading yet: it is closed
        EXPECT_FALSE(about.isVisible());
        EXPECT_TRUE(shown.form.isVisible());
        EXPECT_EQ(shown.form.loadedWindows().Count(), 1);
    });
    EXPECT_TRUE(shown.form.isVisible());
}

}  // namespace
}  // namespace abaquino::ui::testing
