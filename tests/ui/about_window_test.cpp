#include "window_test_support.h"

#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

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
        const QLabel* title = about.findChild<QLabel*>("lblTitolo");
        EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 12);
        EXPECT_TRUE(title->font().bold() && title->font().italic());
        const QLabel* maker = about.findChild<QLabel*>("Autore");
        EXPECT_DOUBLE_EQ(maker->font().pointSizeF(), 14.25);
        EXPECT_EQ(maker->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        EXPECT_FALSE(maker->text().isEmpty());
        EXPECT_TRUE(about.findChild<QLabel*>("lblAvviso")->wordWrap());
        EXPECT_FALSE(about.findChild<QLabel*>("pboxLogo")->pixmap().isNull());

        QTest::keyClick(about.windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), "pboxLogo");
        QTest::keyClick(about.windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), about.cmdOK);
        about.cmdOK->click();
    });
}

// Each way of closing unloads the window once and leaves the main window as it was.
TEST(AboutWindow, ClosesEveryWayAndLeavesTheMainWindowUnchanged)
{
    const std::function<void(frmAbout&)> ways[] = {
        [](frmAbout& a) { QTest::mouseClick(a.cmdOK, Qt::LeftButton); },
        [](frmAbout& a) { QTest::keyClick(a.windowHandle(), Qt::Key_Return); },
        [](frmAbout& a) { QTest::keyClick(a.windowHandle(), Qt::Key_Escape); },
        [](frmAbout& a) { a.windowHandle()->close(); },  // the close box
    };
    ShownForm shown;
    shown.Type("12+3");
    const CalculatorState state = shown.form.calculator().State();
    int way = 0;
    for (const auto& close : ways) {
        QPointer<frmAbout> opened;
        int unloads = 0;
        WithAboutWindow([&] { OpenByMenu(shown); }, [&](frmAbout& about) {
            opened = &about;
            QObject::connect(&about, &frmAbout::unloaded, [&] { ++unloads; });
            EXPECT_EQ(shown.form.loadedWindows().Count(), 2);
            EXPECT_EQ(shown.form.loadedWindows().At(1), &about);
            close(about);
        });
        EXPECT_EQ(unloads, 1) << "way " << way;
        EXPECT_TRUE(opened.isNull()) << "way " << way;  // unloaded, not just hidden
        EXPECT_TRUE(shown.form.isVisible());
        EXPECT_EQ(shown.form.loadedWindows().Count(), 1);
        EXPECT_EQ(shown.form.loadedWindows().At(0), &shown.form);
        ++way;
    }
    EXPECT_EQ(shown.form.calculator().State(), state);
    EXPECT_EQ(shown.Entry(), "3");
    shown.Type("=");
    EXPECT_EQ(shown.Entry(), "15");
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

TEST(AboutWindow, IsModalAndTheMainWindowTakesNoInput)
{
    ShownForm shown;
    shown.Type("7");
    WithAboutWindow([&] { shown.form.Informazioni_Click(); }, [&](frmAbout& about) {
        EXPECT_TRUE(about.isModal());
        EXPECT_EQ(about.parentWidget(), &shown.form);
        QTest::keyClick(shown.form.windowHandle(), Qt::Key_8);
        QTest::mouseClick(shown.form.windowHandle(), Qt::LeftButton, {},
                          shown.form.cmdNumber[9]->mapTo(&shown.form, QPoint(10, 10)));
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
        EXPECT_EQ(cancel, 0);
        EXPECT_TRUE(shown.form.isVisible());
        EXPECT_EQ(shown.form.loadedWindows().Count(), 1);
    });
    EXPECT_TRUE(shown.form.isVisible());
}

}  // namespace
}  // namespace abaquino::ui::testing
