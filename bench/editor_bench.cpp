// The editor's cost per player action on a heavily loaded design: one action with its full
// refresh (a heat sink unallocated by a double-click, then dropped back), and one undo step
// (items_per_second counts actions and steps).
#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "app/programcontext.h"
#include "bench/benchdesigns.h"
#include "bench/benchsupport.h"
#include "catalog/bvdatafile.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/prices.h"
#include "catalog/weapondatabase.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "model/mech.h"

namespace {

using namespace fpw;
namespace fs = std::filesystem;

// A 100-ton design at tech level 3 with a targeting computer and Artemis IV: two dozen weapons
// and their ammunition placed, armour at its maximum, and every slot that is left filled with
// heat sinks, so that every list the refresh walks is full.
struct LoadedEditor {
    bench::BenchContext context{fs::read_symlink("/proc/self/exe").parent_path().string()};
    app::ProgramContext& ctx = context.ctx;
    std::unique_ptr<editor::Editor> editor;
    std::string problem;
    int heatSinkLoc = -1;
    int heatSinkSlot = -1;

    LoadedEditor() {
        if (!catalog::LoadWeapons(ctx)) {
            problem = "no weapon database beside the benchmarks";
            return;
        }
        catalog::LoadBVData(ctx);
        catalog::gResetPrices(ctx.prices);
        editor = std::make_unique<editor::Editor>(ctx);
        model::Mech mech(ctx);
        mech.setMechName("Loaded");
        mech.setTechLevel(3);
        mech.setTonnage(100);
        mech.setWalking(3);
        mech.setTargSysType(catalog::targeting::kTargetingComputer);
        mech.setArtemisLRM(catalog::kArtemisIV);
        mech.LayDefaultSlots();
        for (int loc = 0; loc < model::kArmorPositions; ++loc) {
            mech.SetArmor(loc, loc == model::kHeadLocation ? 9 : 30);
        }
        const char* weapons[] = {"Medium Laser", "Small Laser", "LRM-5",      "SRM-2",
                                 "Machine Gun",  "AC/20 Ammo",  "LRM-5 Ammo", "SRM-2 Ammo"};
        int placed = 0;
        int hs = 0;
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            model::CritLocation& list = mech.critLocation(loc);
            for (int slot = 0; slot < list.slotCount(); ++slot) {
                if (list.IsOccupied(slot)) {
                    continue;
                }
                if (placed < 24) {
                    const char* name = weapons[placed % std::size(weapons)];
                    const std::int16_t refID = static_cast<std::int16_t>(
                        catalog::findWeapon(ctx.weapons, name, catalog::kInnerSphere));
                    const std::int16_t index = mech.AddWeapon(refID);
                    list.PlaceItem(name, slot, true, std::to_string(index));
                    mech.AlterWeapon(index, static_cast<std::int16_t>(loc),
                                     static_cast<std::int16_t>(slot), true);
                    ++placed;
                } else {
                    list.PlaceItem("Heat Sink", slot, false,
                                   catalog::genItemIdentifier(catalog::cHS, ++hs));
                    heatSinkLoc = loc;
                    heatSinkSlot = slot;
                }
            }
        }
        mech.setHSCount(static_cast<std::int16_t>(mech.hsInEngine() + hs));
        editor->replaceDocument(editor::EditorDocument{std::move(mech), {}, false});
        editor::RefreshWeapons(*editor);
        editor::RefreshSelectedWeapons(*editor);
        editor::UpdateAllTonnages(*editor);
    }

    // A double-click on the last heat sink, then the drop that puts it back: two actions.
    void unallocateAndDropBack() {
        editor::Editor& e = *editor;
        e.perform("UnallocateSlot", [&] {
            editor::UnallocateSlot(e, heatSinkLoc, heatSinkSlot);
            editor::RefreshSelectedWeapons(e);
            editor::UpdateAllTonnages(e);
            return editor::Outcome::Accepted;
        });
        e.perform("DropItem", [&] {
            e.items().take(catalog::cHS);
            editor::placeGeneralItem(e, heatSinkLoc, heatSinkSlot, 1, catalog::cHS, "Heat Sink");
            editor::RefreshSelectedWeapons(e);
            editor::UpdateAllTonnages(e);
            return editor::Outcome::Accepted;
        });
    }
};

LoadedEditor& loaded() {
    static LoadedEditor editor;
    return editor;
}

void BM_EditorActionWithFullRefresh(benchmark::State& state) {
    LoadedEditor& l = loaded();
    if (!l.problem.empty()) {
        state.SkipWithError(l.problem.c_str());
        return;
    }
    for (auto _ : state) {
        l.unallocateAndDropBack();
    }
    l.editor->clearHistory();
    // Two actions per iteration: items_per_second is actions per second.
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_EditorActionWithFullRefresh)->Unit(benchmark::kMicrosecond);

void BM_EditorUndoStep(benchmark::State& state) {
    LoadedEditor& l = loaded();
    if (!l.problem.empty()) {
        state.SkipWithError(l.problem.c_str());
        return;
    }
    l.editor->clearHistory();
    l.unallocateAndDropBack();
    for (auto _ : state) {
        l.editor->undo();
        l.editor->redo();
    }
    l.editor->clearHistory();
    // An undo and a redo per iteration: items_per_second is steps per second.
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_EditorUndoStep)->Unit(benchmark::kMicrosecond);

// An undo step copies the whole document: the OmniMech with three configurations is the
// largest one.
void BM_EditorUndoStepOmni(benchmark::State& state) {
    bench::Workbench bench;
    editor::Editor e(bench.ctx);
    e.replaceDocument(editor::EditorDocument{bench::omniDesign(bench.ctx), {}, true});
    editor::RefreshAllData(e);
    editor::SetMechName(e, "Undone");
    for (auto _ : state) {
        e.undo();
        e.redo();
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_EditorUndoStepOmni)->Unit(benchmark::kMicrosecond);

} // namespace
