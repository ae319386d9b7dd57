#pragma once

#include "behaviour/failure_balloon.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QLabel;
class QWidget;

namespace abaquino::ui {

// The message of a failed operation, in a balloon under a control. It closes on the next key or
// click anywhere in the program, when the caller hides it (a display changed), when the window
// is deactivated or minimised, or on its own after a few seconds. Clicks go through it to the
// control under it, handed on by the balloon where the platform gave them to it. Our own
// tip window rather than QToolTip, which lingers after hiding.
class FailureBalloon final : public QObject {
    Q_OBJECT

public:
    static constexpr int kShownMilliseconds = behaviour::kFailureShownMilliseconds;

    explicit FailureBalloon(QWidget* window);

    void Show(QWidget* under, const QString& message);
    void Hide();
    bool IsShown() const;
    QString Text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HandOnClick(const QPoint& at);

    QWidget* window_;
    QPointer<QLabel> tip_;  // made at the first failure, not at start
    QTimer timeout_;
    bool shown_ = false;
};

}  // namespace abaquino::ui
