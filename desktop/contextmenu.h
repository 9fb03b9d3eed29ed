#pragma once

#include <QContextMenuEvent>
#include <QMenu>

// Opens a view's own context menu where the event asks, to be deleted once closed.
inline void popUpContextMenu(QMenu *menu, const QContextMenuEvent &event)
{
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
}
