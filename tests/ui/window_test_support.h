#pragma once

#include "ui/about_window.h"
#include "ui/form1.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace abaquino::ui::testing {

// A main window shown and active, as at start, with its beeps counted.
struct ShownForm {
    int beeps = 0;
    Form1 form{[this] { ++beeps; }};

    ShownForm()
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Keys go to the window as the platform sends them, to whichever control has the focus.
    void Type(const char* characters)
    {
        for (const char* c = characters; *c; ++c) QTest::keyClick(form.windowHandle(), *c);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form.windowHandle(), key, modifiers);
    }
    std::string Entry() const { return form.EntryText(); }
    std::string Conversion() const { return form.ConversionText(); }
};

// Runs whileOpen once the About window is up, from inside its modal loop; then open() returns.
// A stuck window is closed after a few seconds so that a failing test cannot hang.
inline void WithAboutWindow(const std::function<void()>& open,
                            const std::function<void(frmAbout&)>& whileOpen)
{
    bool ran = false;
    bool stayed = false;  // whileOpen left it open: closed here after five seconds
    QWidget* owner = nullptr;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!about || !about->isVisible()) return;
        poll.stop();
        ran = true;
        owner = about->parentWidget();
        QTimer::singleShot(5000, &poll, [&stayed, about = QPointer<frmAbout>(about)] {
            stayed = true;
            if (about) about->done(QDialog::Rejected);
        });
        EXPECT_TRUE(QTest::qWaitForWindowActive(about));
        whileOpen(*about);
    });
    poll.start();
    open();
    poll.stop();
    EXPECT_TRUE(ran) << "the About window did not open";
    EXPECT_FALSE(stayed) << "the About window stayed open";
    // A desktop gives the activation back to the owner; the offscreen platform leaves it to us.
    if (owner) {
        owner->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(owner));
    }
}

}  // namespace abaquino::ui::testing

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
