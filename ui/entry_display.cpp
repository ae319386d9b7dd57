#include "ui/entry_display.h"

#include "calc/number_text.h"
#include "designs/form1_design.h"
#include "ui/control_table.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace abaquino::ui {

EntryDisplay::EntryDisplay(QWidget* parent) : QLineEdit(parent)
{
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // textEdited comes only from edits by the user, never from setText.
    connect(this, &QLineEdit::textEdited, this, [this] { setText(shown_); });
}

void EntryDisplay::Show(const QString& text)
{
    shown_ = text;
    setText(shown_);  // a new text also clears QLineEdit's undo history
}

void EntryDisplay::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

// Keys are the window's: its key preview takes every one before it gets here.
void EntryDisplay::keyPressEvent(QKeyEvent* event) { event->ignore(); }

// Nor does a release ask for the on-screen keyboard, as QLineEdit's does: the entry never takes
// typed text, and on Wayland the panel would cover the keypad.
void EntryDisplay::keyReleaseEvent(QKeyEvent* event) { event->ignore(); }

void EntryDisplay::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

// A click only gives the focus; the caret stays at the end.
void EntryDisplay::mousePressEvent(QMouseEvent* event)
{
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    event->accept();
}

// The middle button pastes the selection, as everywhere on X11, but as an amount.
void EntryDisplay::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::MiddleButton) emit pasteRequested(QClipboard::Selection);
}

void EntryDisplay::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void EntryDisplay::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

// Copy takes the whole entry, since the caret never leaves its end; paste enters an amount.
void EntryDisplay::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const designs::MenuEntryDesign& item : designs::kEntryMenu) {
        const bool copy = item.name == "Copia";
        QAction* action = menu->addAction(FromUtf8(item.caption), this, [this, copy] {
            copy ? emit copyRequested() : emit pasteRequested(QClipboard::Clipboard);
        });
        action->setShortcut(copy ? QKeySequence::Copy : QKeySequence::Paste);
        action->setEnabled(!(designs::GreyedWhileEmpty(item) && shown_.isEmpty()));
    }
    menu->popup(event->globalPos());
}

void EntryDisplay::dragEnterEvent(QDragEnterEvent* event) { event->ignore(); }

void EntryDisplay::dropEvent(QDropEvent* event) { event->ignore(); }

}  // namespace abaquino::ui
