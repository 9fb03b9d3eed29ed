#pragma once

#include <QLineEdit>

class QMenu;

// An entry box whose pastes and drops arrive as one line by the core's rule (pasteIntoText), as
// an edit of the box: Ctrl+Z undoes the paste, then what was typed before it.
class TextBoxView : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBoxView(QWidget *parent = nullptr);

    // Pastes the text over the selection, or at the caret.
    void pasteText(const QString &pasted);
    // The context menu a right click opens, its «Вставить» pasting as one line.
    QMenu *createContextMenu();
    // That menu's «Вставить».
    static QAction *pasteAction(const QMenu &menu);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
