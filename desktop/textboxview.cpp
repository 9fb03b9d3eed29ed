#include "textboxview.h"

#include "contextmenu.h"
#include "controls.h"
#include "qtext.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace {

// Needs nothing but pasteText, so it stays out of the class and its header.
void pasteFrom(TextBoxView &box, QClipboard::Mode mode)
{
    box.pasteText(QGuiApplication::clipboard()->text(mode));
}

} // namespace

TextBoxView::TextBoxView(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(TextBox::MaxLength);
}

void TextBoxView::pasteText(const QString &pasted)
{
    if (isReadOnly())
        return;
    const bool selected = hasSelectedText();
    const int start = selected ? selectionStart() : cursorPosition();
    const PastedText edit = pasteIntoText(toCoreText(text()), start,
                                          selected ? selectionLength() : 0, toCoreText(pasted));
    // QLineEdit counts an insert and the typing just before it as one step to undo; a move of the
    // caret ends that step, as its own paste does.
    if (!selected && !text().isEmpty()) {
        setCursorPosition(start > 0 ? start - 1 : 1);
        setCursorPosition(start);
    }
    // Inserted rather than set, so that the box keeps its undo history; the caret ends where the
    // core puts it, right after the piece.
    insert(toQString(edit.text).mid(start, edit.caret - start));
    setCursorPosition(edit.caret);
}

void TextBoxView::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste) {
        pasteFrom(*this, QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

QAction *TextBoxView::pasteAction(const QMenu &menu)
{
    // Known by the words QLineEdit gives it, before the shortcut.
    const QString words = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction *action : menu.actions()) {
        if (action->text().section(u'\t', 0, 0) == words)
            return action;
    }
    return nullptr;
}

QMenu *TextBoxView::createContextMenu()
{
    QMenu *menu = createStandardContextMenu();
    if (QAction *action = pasteAction(*menu)) {
        disconnect(action, &QAction::triggered, this, nullptr);
        connect(action, &QAction::triggered, this,
                [this] { pasteFrom(*this, QClipboard::Clipboard); });
    }
    return menu;
}

void TextBoxView::contextMenuEvent(QContextMenuEvent *event)
{
    popUpContextMenu(createContextMenu(), *event);
}

// The middle button pastes the selection, where the system has one.
void TextBoxView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFrom(*this, QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBoxView::dropEvent(QDropEvent *event)
{
    // A text dragged within the box is one line already, and the base class moves it.
    const QString dropped = event->mimeData()->text();
    if (dropped.isNull() || isReadOnly() || event->source() == this) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    event->acceptProposedAction();
    pasteText(dropped);
    setFocus(Qt::MouseFocusReason);
}
