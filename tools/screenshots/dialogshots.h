// Pictures of the editor's dialogs and of the slot pop-up menu, each opened on the sample
// design as a player opens it. Each returns false when a picture could not be made.
#pragma once

#include <QDir>

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {
class SlotBoard;
}

namespace fpw::screenshots {

// The spread dialog for a cannon dropped below an arm's hand actuator and the multi-allocate
// dialog for the design's first unplaced item row. The design is left as it was.
bool saveAllocationDialogs(editor::Editor& editor, const QDir& out);
// The ammunition chooser and the tons box of "add ammunition" on the first launcher of the
// right torso; the tons box is cancelled, so nothing is added. The editor's person must
// answer lists and input boxes with the real dialogs.
bool saveAmmunitionDialogs(editor::Editor& editor, const QDir& out);
// The board with the mouse over the right torso's first weapon and that slot's pop-up menu
// open beside it.
bool saveSlotMenu(editor::Editor& editor, ui::SlotBoard& board, const QDir& out);

} // namespace fpw::screenshots
