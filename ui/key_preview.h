#pragma once

#include "designs/control_design.h"

#include <QObject>

#include <functional>
#include <span>
#include <vector>

class QKeyEvent;
class QWidget;

namespace abaquino {
class Calculator;
}

namespace abaquino::ui {

// The main window sees every key before its controls do, and does what the window's key rules
// answer: each typed character goes once to Form_KeyPress and each released key once to
// Form_KeyUp, whichever control has the focus, and no character reaches a text box.
class KeyPreview final : public QObject {
    Q_OBJECT

public:
    // What the window does for the keys that are not the keyboard map's.
    struct Commands {
        std::function<void()> copyFocusedDisplay;
        std::function<void()> paste;
        std::function<void()> chooseOtherOption;
    };

    // Watches the window and all its controls; `controls` stand in the order of `design`.
    KeyPreview(QWidget* window, std::span<const designs::ControlDesign> design, std::vector<QWidget*> controls,
               Calculator& calculator, Commands commands);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FirstToReceive(const QObject* watched) const;
    bool Pressed(const QKeyEvent& key);
    void Released(const QKeyEvent& key);

    QWidget* window_;
    std::span<const designs::ControlDesign> design_;
    std::vector<QWidget*> controls_;
    Calculator& calculator_;
    Commands commands_;
};

}  // namespace abaquino::ui
