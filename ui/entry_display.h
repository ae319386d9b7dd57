#pragma once

#include <QLineEdit>

namespace abaquino::ui {

// The entry display: it shows the number being typed with its caret always at the end, and only
// the calculator changes it. Typing reaches the calculator through the window's key preview;
// here the other ways in are closed: input methods, drops, dragging the caret and the edit
// commands of the context menu (which keeps Copy).
class EntryDisplay final : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryDisplay(QWidget* parent);

signals:
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace abaquino::ui
