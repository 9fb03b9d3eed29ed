#include "commandbuttonview.h"

#include <QKeyEvent>

CommandButtonView::CommandButtonView(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
}

void CommandButtonView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
