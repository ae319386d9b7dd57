#include "ui/key_codes.h"

#include <QKeyEvent>

namespace abaquino::ui {

using behaviour::Key;

Key KeyOf(const QKeyEvent& event)
{
    // The keypad's decimal key types "," on some layouts (German, Italian) and "." on others.
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Key::Tab;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Home: return Key::Home;
    case Qt::Key_End: return Key::End;
    case Qt::Key_PageUp: return Key::PageUp;
    case Qt::Key_PageDown: return Key::PageDown;
    case Qt::Key_Insert: return Key::Insert;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Comma:
    case Qt::Key_Period: return keypad ? Key::KeypadDecimal : Key::Other;
    case Qt::Key_C: return Key::C;
    case Qt::Key_V: return Key::V;
    case Qt::Key_Copy: return Key::Copy;
    case Qt::Key_Paste: return Key::Paste;
    default: return Key::Other;
    }
}

behaviour::Modifiers ModifiersOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers held = event.modifiers();
    return {.shift = held.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
            .control = held.testFlag(Qt::ControlModifier),
            .alt = held.testFlag(Qt::AltModifier),
            .meta = held.testFlag(Qt::MetaModifier)};
}

char32_t TypedCharacter(const QKeyEvent& event)
{
    return event.text().isEmpty() ? 0 : event.text().front().unicode();
}

}  // namespace abaquino::ui
