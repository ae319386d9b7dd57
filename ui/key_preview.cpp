#include "ui/key_preview.h"

#include "calc/calculator.h"
#include "ui/key_codes.h"

#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QWidget>


namespace abaquino::ui {

using behaviour::KeyAnswer;

KeyPreview::KeyPreview(QWidget* window, std::span<const designs::ControlDesign> design,
                       std::vector<QWidget*> controls, Calculator& calculator, Commands commands)
    : QObject(window),
      window_(window),
      design_(design),
      controls_(std::move(controls)),
      calculator_(calculator),
      commands_(std::move(commands))
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

// True when the key goes no further. Tab is left to Qt, whose focus chain ends in the window's
// own tab walk; Alt's keys have met the menu's shortcuts already.
bool KeyPreview::Pressed(const QKeyEvent& key)
{
    const behaviour::Modifiers held = ModifiersOf(key);
    const auto typed = [&] {
        if (const auto code = behaviour::TypedCode(TypedCharacter(key), held)) {
            std::int16_t keyAscii = *code;
            calculator_.Form_KeyPress(keyAscii);
        }
    };
    switch (behaviour::AnswerKeyDown(KeyOf(key), held, behaviour::KindOf(design_, controls_, window_->focusWidget()))) {
    case KeyAnswer::CopyFocusedDisplay: commands_.copyFocusedDisplay(); return true;
    case KeyAnswer::Paste: commands_.paste(); return true;
    case KeyAnswer::ChooseOtherOption: commands_.chooseOtherOption(); return true;
    case KeyAnswer::NextTabStop:
    case KeyAnswer::PreviousTabStop: return false;
    case KeyAnswer::ToControl: typed(); return false;
    case KeyAnswer::KeyPress: typed(); return true;
    case KeyAnswer::DecimalComma: behaviour::TypeDecimalComma(calculator_); return true;
    case KeyAnswer::ToMenu:
    case KeyAnswer::Swallow:
    case KeyAnswer::ToSystem: return true;  // the desktop had its keys before the window
    }
    return true;
}

// On X11 a held key repeats both its press and its release; the repeats are marked as such and
// skipped here, so Backspace held removes one character, on its real release.
void KeyPreview::Released(const QKeyEvent& key)
{
    if (key.isAutoRepeat()) return;
    behaviour::Release release = behaviour::Released(KeyOf(key), ModifiersOf(key));
    calculator_.Form_KeyUp(release.code, release.shift);
}

}  // namespace abaquino::ui
