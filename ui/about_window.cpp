#include "ui/about_window.h"

#include "designs/about_design.h"
#include "ui/control_table.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace abaquino::ui {

frmAbout::frmAbout(QWidget* owner, LoadedWindows& windows)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      windows_(windows)
{
    setObjectName(FromUtf8(kAbout.name));
    setWindowTitle(FromUtf8(kAbout.caption));
    setWindowIcon(owner->windowIcon());
    setModal(true);
    TakeDesignedSize();
    // The boxes are designed for a dialog font of this size: in the desktop's family, but never
    // larger, so that a large desktop font cuts no text nor lays one over another. (Qt's scale
    // factors enlarge the whole window instead.)
    QFont dialogFont = font();
    dialogFont.setPointSizeF(kDialogPoints);
    setFont(dialogFont);

    const BuiltControls controls = BuildControls(kAboutControls, this);
    cmdOK = controls.At<QPushButton>(PlaceOf(kAboutControls, "cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    DescribeForScreenReaders();
    controls.All()[StartFocus(kAboutControls)]->setFocus(Qt::OtherFocusReason);
    windows_.Load(this);
}

bool frmAbout::OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// Its size is fixed. On Wayland a fixed size cannot meet a compositor that maximises the window
// all the same (Qt draws a maximise button there), and the program would end; it keeps only a
// least size there, and a maximise is undone.
void frmAbout::TakeDesignedSize()
{
    const QRect client = PixelRect(kAboutLeft, kAboutTop, kAbout.clientWidth, kAbout.clientHeight);
    setGeometry(client);
    if (OnWayland()) {
        setMinimumSize(client.size());
    } else {
        setFixedSize(client.size());
    }
}

// Screen readers read a dialog's short labels only when asked; its description says them as the
// window opens: version, maker, city and date.
void frmAbout::DescribeForScreenReaders()
{
    setAccessibleDescription(FromUtf8(designs::AboutFactsText()));
}

frmAbout::~frmAbout() { windows_.Forget(this); }

void frmAbout::cmdOK_Click() { windows_.Unload(this); }

// Unloads every secondary window, last loaded first; position 0, the main window, stays.
// This window is still in the list, and being already unloading it is left alone.
void frmAbout::Form_Unload(std::int16_t& /*Cancel*/)
{
    windows_.UnloadSecondary();
}

// Every way of closing ends here. Form_Unload never cancels, so the unloading always goes on.
void frmAbout::closeEvent(QCloseEvent* event)
{
    const auto formUnload = [this](std::int16_t& cancel) { Form_Unload(cancel); };
    if (!windows_.RunUnload(this, formUnload, [event] { event->accept(); })) {
        event->ignore();
        return;
    }
    emit unloaded();
    done(QDialog::Accepted);
}

void frmAbout::reject() { cmdOK->click(); }

void frmAbout::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        // Once the state change is through: undone from inside it, the compositor may not see it.
        undoingMaximise_ = true;
        QTimer::singleShot(0, this, [this] { showNormal(); });
    } else if (std::exchange(undoingMaximise_, false) && !OnWayland()) {
        // Back to the designed size too, which not every platform gives back with the state (Qt
        // 6.8's offscreen one keeps the maximised size). A Wayland compositor gives it back
        // itself, and refuses any other size until it has taken the state back.
        resize(minimumSize());
    }
}

// The rule is drawn under the controls; the labels are opaque, so it never strikes a text.
void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const LineDesign& line : kAboutRule) {
        const int y = Pixels(line.y1);
        painter.fillRect(QRect(QPoint(Pixels(line.x1), y), QPoint(Pixels(line.x2), y + line.pixelWidth - 1)),
                         MakeColour(line.colour));
    }
}

}  // namespace abaquino::ui
