#include "slotdrop.h"

#include <QCoreApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

#include "ui/slotboard/slotlistview.h"

namespace fpw::ui {

QPoint slotPoint(SlotListView* list, int slot) {
    return list->visualItemRect(list->item(slot)).center();
}

bool dragAndDrop(SlotListView* list, int slot, QMimeData* data) {
    const QPoint point = slotPoint(list, slot);
    QDragEnterEvent enter(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QDragMoveEvent move(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &move);
    const bool accepted = move.isAccepted();
    QDropEvent drop(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    delete data;
    return accepted;
}

} // namespace fpw::ui
