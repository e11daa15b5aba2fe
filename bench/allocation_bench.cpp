// One drop on a slot with the full refresh that ends every accepted action, on a 100-ton
// design whose locations are nearly full and whose weapon list is long (target: at most
// 100 µs per drop).
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/benchsupport.h"
#include "catalog/bvdatafile.h"
#include "catalog/locations.h"
#include "catalog/prices.h"
#include "catalog/weapondatabase.h"
#include "editor/allocation.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/weaponlistactions.h"
#include "model/mech.h"

namespace {

using namespace fpw;

constexpr std::int16_t kMediumLaser = 1;
constexpr std::int16_t kLRM5 = 11;
constexpr std::int16_t kLRM5Ammo = 25;

void DropOnALoadedDesign(benchmark::State& state) {
    bench::BenchContext context{
        std::filesystem::read_symlink("/proc/self/exe").parent_path().string()};
    if (!catalog::LoadWeapons(context.ctx)) {
        state.SkipWithError("the shipped weapon database did not load");
        return;
    }
    catalog::LoadBVData(context.ctx);
    catalog::gResetPrices(context.ctx.prices);
    editor::Editor editor(context.ctx);
    editor.mech().setTechLevel(1);
    editor.mech().setTonnage(100);
    // Every free slot but one holds a one-slot weapon or ammunition, and more wait unallocated.
    for (int loc = 0; loc < 8; ++loc) {
        const model::CritLocation& list = editor.mech().critLocation(loc);
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            if (list.IsOccupied(slot) || (loc == catalog::kRightTorso && slot == 11)) {
                continue;
            }
            const std::int16_t refID = slot % 3 == 0 ? kLRM5Ammo : slot % 2 ? kLRM5 : kMediumLaser;
            editor::AddWeapons(editor, {refID});
            editor::DropWeapon(editor, loc, slot, editor.mech().weapons().back().weaponIndex);
        }
    }
    editor::AddWeapons(editor, std::vector<std::int16_t>(20, kMediumLaser));
    const std::int16_t weaponIndex = editor.mech().weapons().back().weaponIndex;
    for (auto _ : state) {
        const editor::WeaponDrop drop =
            editor::DropWeapon(editor, catalog::kRightTorso, 11, weaponIndex);
        benchmark::DoNotOptimize(drop.result);
        state.PauseTiming();
        editor.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(DropOnALoadedDesign)->Unit(benchmark::kMicrosecond);

} // namespace
