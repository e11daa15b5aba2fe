// Drags onto the slot board as the window system delivers them, for the window tests.
#pragma once

#include <QPoint>

class QMimeData;

namespace fpw::ui {

class SlotListView;

// The viewport point of a slot's row.
QPoint slotPoint(SlotListView* list, int slot);
// Drags the data over the slot and drops it there; returns whether the list accepted the drag
// over that slot. Takes the data.
bool dragAndDrop(SlotListView* list, int slot, QMimeData* data);

} // namespace fpw::ui
