#include "entry_display.h"

#include "number_text.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace abaquino::ui {

EntryDisplay::EntryDisplay(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(static_cast<int>(kEntryLimit));
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void EntryDisplay::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

// Keys are the window's: its key preview takes every one before it gets here.
void EntryDisplay::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void EntryDisplay::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

// A click only gives the focus; the caret stays at the end.
void EntryDisplay::mousePressEvent(QMouseEvent* event)
{
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    event->accept();
}

void EntryDisplay::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void EntryDisplay::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

// Offered as a read-only box offers it: Copy and Select All, nothing that edits.
void EntryDisplay::contextMenuEvent(QContextMenuEvent* event)
{
    setReadOnly(true);
    QMenu* menu = createStandardContextMenu();
    setReadOnly(false);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void EntryDisplay::dragEnterEvent(QDragEnterEvent* event) { event->ignore(); }

void EntryDisplay::dropEvent(QDropEvent* event) { event->ignore(); }

}  // namespace abaquino::ui
