#include "ui/key_codes.h"

#include <QKeyEvent>

namespace abaquino::ui {

namespace {

// The classic codes of the keys the keyboard map acts on when they are released.
constexpr std::int16_t kBackspaceCode = 8;
constexpr std::int16_t kDeleteCode = 46;

}  // namespace

bool TypesCharacter(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event.text().isEmpty() && !(event.modifiers() & commands);
}

std::int16_t CharacterCode(const QKeyEvent& event)
{
    const char16_t character = event.text().isEmpty() ? 0 : event.text().front().unicode();
    // Characters beyond the 16-bit signed range cannot match the map; give them a code that
    // matches nothing either.
    return character > 0x7fff ? std::int16_t{0x7fff} : static_cast<std::int16_t>(character);
}

std::int16_t KeyCode(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace: return kBackspaceCode;
    case Qt::Key_Delete: return kDeleteCode;
    default: return 0;
    }
}

std::int16_t ShiftState(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return static_cast<std::int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                     ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                     ((modifiers & Qt::AltModifier) ? 4 : 0));
}

}  // namespace abaquino::ui
