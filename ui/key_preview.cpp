#include "ui/key_preview.h"

#include "calc/calculator.h"
#include "ui/key_codes.h"

#include <QAbstractButton>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QWidget>

namespace abaquino::ui {

namespace {

bool IsCopy(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Copy) ||
           (key.key() == Qt::Key_Insert && key.modifiers() == Qt::ControlModifier);
}

bool IsPaste(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Paste) ||
           (key.key() == Qt::Key_Insert && key.modifiers() == Qt::ShiftModifier);
}

// The keypad's decimal key types "," on some layouts (German, Italian) and "." on others; it is
// the decimal comma on all of them, while "," on the main keys stays unused.
bool IsKeypadDecimal(const QKeyEvent& key)
{
    return (key.modifiers() & Qt::KeypadModifier) &&
           (key.key() == Qt::Key_Comma || key.key() == Qt::Key_Period);
}

bool MovesFocus(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

bool Navigates(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
    }
}

}  // namespace

KeyPreview::KeyPreview(QWidget* window, QWidget* entryDisplay, Calculator& calculator,
                       ClipboardCommands clipboard)
    : QObject(window),
      window_(window),
      entryDisplay_(entryDisplay),
      calculator_(calculator),
      clipboard_(std::move(clipboard))
{
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
}

// The window hands a key to its focus widget, and what that control does not take travels on
// to its parents; only the first stop counts, so that no key is handled twice.
bool KeyPreview::FirstToReceive(const QObject* watched) const
{
    const QWidget* focus = window_->focusWidget();
    return watched == (focus ? focus : window_);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    // No control takes composed text, so no input method composes: a dead key followed by a
    // digit would give one character the calculator drops, and the digit would be lost.
    if (event->type() == QEvent::InputMethodQuery) {
        auto& query = static_cast<QInputMethodQueryEvent&>(*event);
        if (!(query.queries() & Qt::ImEnabled)) return false;
        query.setValue(Qt::ImEnabled, false);
        query.accept();
        return true;
    }
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || !FirstToReceive(watched)) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (press) return Pressed(key);
    Released(key);
    return false;  // releases change no text; buttons need Space's release to click
}

bool KeyPreview::Pressed(const QKeyEvent& key)
{
    if (IsCopy(key)) {
        clipboard_.copy();
        return true;
    }
    if (IsPaste(key)) {
        clipboard_.paste();
        return true;
    }
    QWidget* focus = window_->focusWidget();
    if (MovesFocus(key)) return false;
    if (TypesCharacter(key)) {
        std::int16_t code = IsKeypadDecimal(key) ? std::int16_t{'.'} : CharacterCode(key);
        calculator_.Form_KeyPress(code);
        return !(key.key() == Qt::Key_Space && qobject_cast<QAbstractButton*>(focus));
    }
    return !(Navigates(key) && focus != entryDisplay_);
}

// On X11 a held key repeats both its press and its release; the repeats are marked as such and
// skipped here, so Backspace held removes one character, on its real release.
void KeyPreview::Released(const QKeyEvent& key)
{
    if (key.isAutoRepeat()) return;
    std::int16_t code = KeyCode(key);
    calculator_.Form_KeyUp(code, ShiftState(key));
}

}  // namespace abaquino::ui
