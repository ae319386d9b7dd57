#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace abaquino::ui {

// The entry display: it shows the number being typed with its caret always at the end, and only
// the calculator changes it. Typing reaches the calculator through the window's key preview;
// pasting (the context menu, a middle click) is handed to the window as a request. Every other
// way in is closed: input methods, drops, dragging the caret, undo. Should an edit slip through
// anyway (QLineEdit's public insert(), paste() and undo() are not virtual), it is undone at once.
class EntryDisplay final : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryDisplay(QWidget* parent);

    // What the calculator wrote: the only text the display ever keeps.
    void Show(const QString& text);
    const QString& Shown() const { return shown_; }

signals:
    void gotFocus();
    void copyRequested();
    void pasteRequested(QClipboard::Mode mode);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString shown_;
};

}  // namespace abaquino::ui
