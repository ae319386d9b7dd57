#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace abaquino {
class Calculator;
}

namespace abaquino::ui {

// The main window sees every key before its controls do. Each typed character goes once to
// Form_KeyPress and each released key once to Form_KeyUp, whichever control has the focus, and
// no character reaches a text box. What the keyboard map does not use keeps its usual meaning:
// Tab moves the focus, Alt+letter chooses a menu entry, Space presses the focused button.
class KeyPreview final : public QObject {
    Q_OBJECT

public:
    // The clipboard keys: Ctrl+C and Ctrl+Insert copy, Ctrl+V and Shift+Insert paste.
    struct ClipboardCommands {
        std::function<void()> copy;
        std::function<void()> paste;
    };

    // Watches the window and all its controls.
    KeyPreview(QWidget* window, QWidget* entryDisplay, Calculator& calculator,
               ClipboardCommands clipboard);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FirstToReceive(const QObject* watched) const;
    bool Pressed(const QKeyEvent& key);
    void Released(const QKeyEvent& key);

    QWidget* window_;
    QWidget* entryDisplay_;
    Calculator& calculator_;
    ClipboardCommands clipboard_;
};

}  // namespace abaquino::ui
