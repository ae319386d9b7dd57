// The Qt main window driven for the shared scenarios: offscreen, with QTest's real key and mouse
// events sent to the window, which hands them to whichever control has the focus.

#include "support/form1_driver.h"
#include "support/form1_pixels.h"

#include "ui/announcer.h"
#include "ui/control_table.h"
#include "ui/entry_display.h"
#include "ui/failure_balloon.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <algorithm>

namespace abaquino::ui::testing {
namespace {

using behaviour::Key;
using behaviour::Modifiers;

Qt::Key QtKey(Key key)
{
    switch (key) {
    case Key::Tab: return Qt::Key_Tab;
    case Key::Left: return Qt::Key_Left;
    case Key::Right: return Qt::Key_Right;
    case Key::Up: return Qt::Key_Up;
    case Key::Down: return Qt::Key_Down;
    case Key::Home: return Qt::Key_Home;
    case Key::End: return Qt::Key_End;
    case Key::PageUp: return Qt::Key_PageUp;
    case Key::PageDown: return Qt::Key_PageDown;
    case Key::Insert: return Qt::Key_Insert;
    case Key::Space: return Qt::Key_Space;
    case Key::Backspace: return Qt::Key_Backspace;
    case Key::Delete: return Qt::Key_Delete;
    case Key::KeypadDecimal: return Qt::Key_Comma;  // as on an Italian keyboard
    case Key::C: return Qt::Key_C;
    case Key::V: return Qt::Key_V;
    case Key::Copy: return Qt::Key_Copy;
    case Key::Paste: return Qt::Key_Paste;
    case Key::Other: break;
    }
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers QtModifiers(Modifiers held, Key key = Key::Other)
{
    Qt::KeyboardModifiers modifiers;
    if (held.shift) modifiers |= Qt::ShiftModifier;
    if (held.control) modifiers |= Qt::ControlModifier;
    if (held.alt) modifiers |= Qt::AltModifier;
    if (held.meta) modifiers |= Qt::MetaModifier;
    if (key == Key::KeypadDecimal) modifiers |= Qt::KeypadModifier;
    return modifiers;
}

class QtForm1 final : public abaquino::testing::Form1Driver {
public:
    void Type(std::string_view characters) override { shown_.Type(std::string(characters).c_str()); }
    void Press(Key key, Modifiers held) override
    {
        // Shift+Tab reaches a window as Backtab.
        const Qt::Key qtKey = key == Key::Tab && held.shift ? Qt::Key_Backtab : QtKey(key);
        QTest::keyClick(KeyWindow(), qtKey, QtModifiers(held, key));
    }
    void KeyDown(Key key) override { QTest::keyPress(KeyWindow(), QtKey(key), QtModifiers({}, key)); }
    void KeyUp(Key key) override { QTest::keyRelease(KeyWindow(), QtKey(key), QtModifiers({}, key)); }
    void Chord(char letter, Modifiers held) override
    {
        QTest::keyClick(KeyWindow(), static_cast<Qt::Key>(letter), QtModifiers(held));
    }
    void LoneAlt() override
    {
        QTest::keyPress(Window(), Qt::Key_Alt);
        QTest::keyRelease(Window(), Qt::Key_Alt, Qt::AltModifier);
    }

    // As the event loop runs between two clicks of a user's, so that each is a step of its own.
    void Click(std::string_view name, int index) override
    {
        QTest::mouseClick(Control(name, index), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void Focus(std::string_view name, int index) override
    {
        if (name.empty()) {
            if (QWidget* focus = shown_.form.focusWidget()) focus->clearFocus();
            return;
        }
        Control(name, index)->setFocus();
    }
    std::string Focused() const override
    {
        const QWidget* focus = shown_.form.focusWidget();  // the window's, also while it is not active
        return focus ? focus->objectName().toStdString() : "";
    }

    std::string MisplacedControl() const override
    {
        for (const abaquino::testing::ExpectedControl& expected : abaquino::testing::kForm1Pixels) {
            const QWidget* control = Control(expected.name, expected.index);
            if (!control || !control->isVisible() || control->pos() != QPoint(expected.at96.x, expected.at96.y)) {
                return expected.name;
            }
        }
        return "";
    }

    std::string Entry() const override { return shown_.Entry(); }
    std::string Conversion() const override { return shown_.Conversion(); }
    std::string Description(std::string_view name) const override
    {
        return Control(name, abaquino::designs::kNotInArray)->accessibleDescription().toStdString();
    }
    std::size_t Caret() const override { return static_cast<std::size_t>(shown_.form.txtDisplay->cursorPosition()); }
    bool Chosen(std::string_view option) const override
    {
        return static_cast<const QRadioButton*>(Control(option, designs::kNotInArray))->isChecked();
    }
    Calculator& calculator() override { return shown_.form.calculator(); }

    void SetClipboard(std::string_view text) override
    {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    void SetClipboardPicture() override
    {
        auto* picture = new QMimeData;
        picture->setImageData(QImage(2, 2, QImage::Format_RGB32));
        QGuiApplication::clipboard()->setMimeData(picture);
    }
    std::string Clipboard() const override { return QGuiApplication::clipboard()->text().toStdString(); }
    void ChooseFromEntryMenu(std::string_view entry) override
    {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(shown_.form.txtDisplay, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == QStringLiteral("&%1").arg(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())))) action->trigger();
        }
        menu->close();
    }

    int Beeps() const override { return shown_.beeps; }
    std::vector<std::string> Heard() override
    {
        QCoreApplication::processEvents();  // a step's sentence is said once its event is handled
        std::vector<std::string> heard;
        for (const QString& sentence : shown_.form.announcer().Said()) heard.push_back(sentence.toStdString());
        return heard;
    }
    std::string FailureShown() const override
    {
        const FailureBalloon& balloon = shown_.form.failureBalloon();
        return balloon.IsShown() ? balloon.Text().toStdString() : "";
    }
    void Deactivate() override
    {
        QEvent deactivated(QEvent::WindowDeactivate);
        QApplication::sendEvent(&shown_.form, &deactivated);
    }
    void Minimise() override { shown_.form.showMinimized(); }
    void Restore() override { shown_.form.showNormal(); }
    void LetTheFailureTimeOut() override
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shown_.form.failureBalloon().IsShown(); },
                                    FailureBalloon::kShownMilliseconds + 2000));
    }

    bool WithAbout(const std::function<void()>& whileOpen) override
    {
        bool opened = false;
        WithAboutWindow([&] { Chord('I', {.alt = true}); }, [&](frmAbout& about) {
            opened = true;
            about_ = &about;
            whileOpen();
        });
        about_ = nullptr;
        return opened;
    }
    void CloseAbout(abaquino::testing::AboutClose way) override
    {
        using enum abaquino::testing::AboutClose;
        QWindow* about = about_->windowHandle();
        switch (way) {
        case ClickOk: QTest::mouseClick(about_->cmdOK, Qt::LeftButton); break;
        case Enter: QTest::keyClick(about, Qt::Key_Return); break;
        case Escape: QTest::keyClick(about, Qt::Key_Escape); break;
        case Space: QTest::keyClick(about, Qt::Key_Space); break;
        case CloseBox: about->close(); break;
        }
    }
    int LoadedWindowCount() const override { return shown_.form.loadedWindows().Count(); }
    void CloseBox() override { Window()->close(); }
    // Qt ends the program when its last window closes: nothing that counts may stay shown.
    bool Ended() const override
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return QGuiApplication::quitOnLastWindowClosed() && std::none_of(windows.begin(), windows.end(), [](const QWidget* w) {
                   return w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
               });
    }

private:
    QWindow* Window() { return shown_.form.windowHandle(); }
    // Keys go where a user's go: to the About window while it is open.
    QWindow* KeyWindow()
    {
        QWidget* modal = QApplication::activeModalWidget();
        return modal ? modal->windowHandle() : Window();
    }
    QWidget* Control(std::string_view name, int index) const
    {
        QWidget* control = shown_.form.findChild<QWidget*>(ObjectName(name, index));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    ShownForm shown_;
    frmAbout* about_ = nullptr;
};

}  // namespace
}  // namespace abaquino::ui::testing

std::unique_ptr<abaquino::testing::Form1Driver> abaquino::testing::ShowForm1()
{
    return std::make_unique<ui::testing::QtForm1>();
}
