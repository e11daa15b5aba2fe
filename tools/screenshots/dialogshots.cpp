#include "dialogshots.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/editor.h"
#include "editor/slotmenu.h"
#include "editor/weaponlistactions.h"
#include "picture.h"
#include "ui/dialogs/multiallocatedialog.h"
#include "ui/dialogs/selectdialog.h"
#include "ui/dialogs/spreaddialog.h"
#include "ui/editor/actionrunner.h"
#include "ui/slotboard/slotboard.h"
#include "ui/slotboard/slotlistview.h"

namespace fpw::screenshots {
namespace {

// The first weapon slot of a location; -1 when it holds none.
int firstWeaponSlot(const editor::Editor& editor, int location) {
    const model::CritLocation& list = editor.mech().critLocation(location);
    for (int slot = 0; slot < list.slotCount(); ++slot) {
        if (list.IsWeaponSlot(slot)) {
            return slot;
        }
    }
    return -1;
}

// Takes the picture of the modal dialog that the next pass of the event loop finds open, then
// lets `close` end it. `taken` tells whether the picture was written.
void grabNextDialog(const QDir& out, const QString& name, bool& taken,
                    std::function<void(QDialog&)> close) {
    taken = false;
    QTimer::singleShot(0, [out, name, &taken, close = std::move(close)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            std::fprintf(stderr, "the %s dialog did not open\n", qPrintable(name));
            return;
        }
        taken = save(*dialog, out, name);
        close(*dialog);
    });
}

} // namespace

bool saveAllocationDialogs(editor::Editor& editor, const QDir& out) {
    ui::ActionRunner runner([] {});
    bool ok = true;
    const auto& available = editor.availableWeapons();
    const auto cannon = std::find_if(available.begin(), available.end(),
                                     [](const auto& row) { return row.text == "AC/20"; });
    if (cannon != available.end() && editor::AddWeapons(editor, {cannon->refID})) {
        const std::int16_t weapon = editor.unallocatedWeapons().back().weaponIndex;
        if (const auto request = editor::spreadRequest(editor, catalog::kLeftArm, 4, weapon)) {
            ui::SpreadDialog spread(editor, runner, *request);
            ok = save(spread, out, "spread") && ok;
        }
        editor.undo();
    }
    if (editor.items().empty()) {
        std::fprintf(stderr, "no unplaced item for the multi-allocate dialog\n");
        return false;
    }
    if (const auto request = editor::multiAllocateRequest(editor, editor.items().rows()[0].code)) {
        ui::MultiAllocateDialog allocate(editor, runner, *request);
        ok = save(allocate, out, "multi-allocate") && ok;
    }
    return ok;
}

bool saveAmmunitionDialogs(editor::Editor& editor, const QDir& out) {
    const int slot = firstWeaponSlot(editor, catalog::kRightTorso);
    if (slot < 0) {
        std::fprintf(stderr, "no launcher for the ammunition dialogs\n");
        return false;
    }
    bool chooser = false;
    bool tons = false;
    grabNextDialog(out, "ammunition-chooser", chooser, [out, &tons](QDialog& dialog) {
        grabNextDialog(out, "tons", tons, [](QDialog& box) { box.reject(); });
        dialog.accept();
    });
    editor::AddAmmunition(editor, catalog::kRightTorso, slot);
    QApplication::processEvents();
    return chooser && tons;
}

bool saveSlotMenu(editor::Editor& editor, ui::SlotBoard& board, const QDir& out) {
    board.window()->show();
    ui::SlotListView* list = board.list(catalog::kRightTorso);
    const int slot = firstWeaponSlot(editor, catalog::kRightTorso);
    if (slot < 0) {
        std::fprintf(stderr, "no weapon for the slot menu\n");
        return false;
    }
    // The mouse rests on the slot: the board highlights its item, as it does for a player.
    const QPoint row = list->visualItemRect(list->item(slot)).center();
    QMouseEvent move(QEvent::MouseMove, row, list->viewport()->mapToGlobal(row), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QApplication::processEvents();

    std::unique_ptr<QMenu> menu = list->slotMenu(slot);
    menu->popup(list->viewport()->mapToGlobal(row));
    QApplication::processEvents();
    const QPixmap menuPicture = menu->grab();
    menu->hide();
    // The board in its titled frame, as the window shows it.
    QWidget& frame = *board.parentWidget();
    const QPixmap boardPicture = frame.grab();

    const QPoint at = list->viewport()->mapTo(&frame, row);
    const QPixmap picture = withPopup(boardPicture, menuPicture, at);
    return save(picture, out, "slot-menu");
}

} // namespace fpw::screenshots
