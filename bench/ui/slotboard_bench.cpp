// Target: a weapon dropped on the slot board of a fully loaded design, with the slot lists,
// the unallocated lists, the panels and the status bar updated, within one frame (16 ms).
#include <algorithm>

#include <QApplication>

#include <benchmark/benchmark.h>

#include "app/programcontext.h"
#include "app/startup.h"
#include "bench/benchsupport.h"
#include "bench/ui/startedprogram.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/components.h"
#include "editor/weaponlistactions.h"
#include "ui/editor/editorwindow.h"
#include "ui/slotboard/slotboard.h"
#include "ui/slotboard/slotdrag.h"
#include "ui/slotboard/slotlistview.h"

namespace {

using namespace fpw;

// Adds a medium laser to the unallocated list and returns its instance number (-1: none).
std::int16_t addLaser(editor::Editor& editor) {
    const auto& available = editor.availableWeapons();
    const auto laser = std::find_if(available.begin(), available.end(),
                                    [](const auto& row) { return row.text == "Medium Laser"; });
    if (laser == available.end() || !editor::AddWeapons(editor, {laser->refID})) {
        return -1;
    }
    return editor.unallocatedWeapons().back().weaponIndex;
}

void BM_WeaponDropOnFullBoard(benchmark::State& state) {
    bench::StartedProgram program;
    if (!program.started) {
        state.SkipWithError("start-up failed");
        return;
    }
    ui::EditorWindow window(program.ctx, program.store);
    editor::Editor& editor = window.editor();
    editor::ChangeTonnage(editor, 100);
    editor::ChangeWalking(editor, 3);
    // Every free slot holds a laser but the last one of the left torso, the drop's target.
    for (int location = 0; location < catalog::kSlotLocationCount; ++location) {
        const model::CritLocation& list = editor.mech().critLocation(location);
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            const bool target = location == catalog::kLeftTorso && slot == list.slotCount() - 1;
            if (!target && !list.IsOccupied(slot)) {
                editor::DropWeapon(editor, location, slot, addLaser(editor));
            }
        }
    }
    const std::int16_t laser = addLaser(editor);
    ui::SlotListView* torso =
        window.findChild<ui::SlotBoard*>("slotBoard")->list(catalog::kLeftTorso);
    const int target = torso->count() - 1;
    ui::SlotDrag drag;
    drag.weapons = {laser};
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!torso->dropOnSlot(target, drag)) {
            state.SkipWithError("the drop was refused");
            return;
        }
        QApplication::processEvents();
        state.PauseTiming();
        editor.undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WeaponDropOnFullBoard)->Unit(benchmark::kMillisecond);

} // namespace
