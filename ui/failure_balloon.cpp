#include "ui/failure_balloon.h"

#include "designs/control_design.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>
#include <QToolTip>

namespace abaquino::ui {

FailureBalloon::FailureBalloon(QWidget* window) : QObject(window), window_(window)
{
    timeout_.setSingleShot(true);
    timeout_.setInterval(kShownMilliseconds);
    connect(&timeout_, &QTimer::timeout, this, &FailureBalloon::Hide);
}

void FailureBalloon::Show(QWidget* under, const QString& message)
{
    if (!tip_) {
        // Clicks go through to what lies under it, the Lire option above all. The stay-on-top
        // hint is the one Qt's X11 window adds to every tip itself: asked for here, Qt does not
        // make the window again at its first show, a new window that lost its transparency.
        tip_ = new QLabel(window_, Qt::ToolTip | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput);
        tip_->setObjectName(QStringLiteral("failureBalloon"));
        tip_->setPalette(QToolTip::palette());
        tip_->setFont(QToolTip::font());
        tip_->setFrameStyle(QFrame::Box | QFrame::Plain);
        tip_->setMargin(3);
    }
    tip_->setText(message);
    tip_->setWordWrap(false);
    tip_->adjustSize();
    // One line as long as it fits the designed width; wrapped at that width beyond it.
    if (const int widest = designs::Pixels(behaviour::kFailureBalloonMaxWidth); tip_->width() > widest) {
        tip_->setWordWrap(true);
        tip_->resize(widest, tip_->heightForWidth(widest));
    }
    tip_->move(under->mapToGlobal(QPoint((under->width() - tip_->width()) / 2, under->height())));
    tip_->show();
    if (!shown_) qApp->installEventFilter(this);  // watches keys and clicks only while shown
    shown_ = true;
    timeout_.start();
}

void FailureBalloon::Hide()
{
    if (!shown_) return;
    shown_ = false;
    timeout_.stop();
    qApp->removeEventFilter(this);
    if (tip_) tip_->hide();
}

bool FailureBalloon::IsShown() const { return shown_ && tip_ && tip_->isVisible(); }

QString FailureBalloon::Text() const { return shown_ && tip_ ? tip_->text() : QString(); }

// Seen before any control or key filter, so a key that a control swallows still closes it. Nor
// is it left over another program or over a minimised window.
bool FailureBalloon::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (tip_ && watched == static_cast<QObject*>(tip_->windowHandle())) {  // a platform that let the balloon take it
            HandOnClick(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
        Hide();
        break;
    case QEvent::KeyPress:
    case QEvent::NonClientAreaMouseButtonPress: Hide(); break;
    case QEvent::WindowDeactivate:
        if (watched == window_) Hide();
        break;
    case QEvent::WindowStateChange:
        if (watched == window_ && window_->isMinimized()) Hide();
        break;
    default: break;
    }
    return false;
}

// The click the balloon took goes to the control under it, as a click made beside the balloon.
void FailureBalloon::HandOnClick(const QPoint& at)
{
    Hide();
    const QPoint local = window_->mapFromGlobal(at);
    QWidget* under = window_->childAt(local);
    if (!under) return;
    const QPointF inside = under->mapFrom(window_, local);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent click(type, inside, QPointF(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(under, &click);
    }
}

}  // namespace abaquino::ui
