// The construction figures of a typical design: every figure recomputed, and the cost of the
// input changes the editor makes on every user action.
#include <string>

#include <benchmark/benchmark.h>

#include "app/programcontext.h"
#include "bench/benchdesigns.h"
#include "bench/benchsupport.h"
#include "model/mech.h"

namespace {

using namespace fpw;

catalog::WeaponRecord record(const char* name, std::int16_t type, double tons, std::int16_t heat,
                             std::vector<std::int16_t> ammo, bool linkable, bool artemis) {
    catalog::WeaponRecord r;
    r.name = name;
    r.weaponType = type;
    r.tonnage = tons;
    r.heat = heat;
    r.ammoCodes = std::move(ammo);
    r.tcLinkable = linkable ? 1 : 0;
    r.artemisCapable = artemis ? 1 : 0;
    r.artemisClass = 1;
    return r;
}

// An assault design of twelve weapon entries with a targeting computer and Artemis, the
// options that make the weapon sums do the most work.
struct TypicalDesign {
    bench::BenchContext context;
    app::ProgramContext& ctx = context.ctx;
    model::Mech mech{ctx};

    TypicalDesign() {
        ctx.weapons = {record("AC/20", 1, 14, 7, {5}, true, false),
                       record("LRM-20", 2, 10, 6, {6}, true, true),
                       record("SRM-6", 2, 3, 4, {7}, true, false),
                       record("Medium Laser", 0, 1, 3, {-1}, true, false),
                       record("AC/20 Ammo", 4, 1, 0, {5}, false, false),
                       record("LRM-20 Ammo", 4, 1, 0, {6}, false, false),
                       record("SRM-6 Ammo", 4, 1, 0, {7}, false, false)};
        mech.setTechLevel(3);
        mech.setTonnage(100);
        mech.setWalking(3);
        mech.setHSCount(20);
        mech.setTargSysType(7);
        mech.setArtemisLRM(1);
        for (int loc = 0; loc < model::kArmorPositions; ++loc) {
            mech.SetArmor(loc, 27);
        }
        for (std::int16_t w : {0, 1, 2, 3, 3, 3, 3, 4, 4, 5, 5, 6}) {
            mech.AddWeapon(w);
        }
    }
};

void BM_RecalcAll(benchmark::State& state) {
    TypicalDesign design;
    for (auto _ : state) {
        design.mech.RecalcAll();
        benchmark::DoNotOptimize(design.mech.totalTonnage());
    }
}
BENCHMARK(BM_RecalcAll);

// The tonnage change recomputes the most figures of any single input.
void BM_SetTonnage(benchmark::State& state) {
    TypicalDesign design;
    std::int16_t tonnage = 95;
    for (auto _ : state) {
        design.mech.setTonnage(tonnage);
        tonnage = tonnage == 95 ? 100 : 95;
        benchmark::DoNotOptimize(design.mech.freeTonnage());
    }
}
BENCHMARK(BM_SetTonnage);

void BM_SetArmor(benchmark::State& state) {
    TypicalDesign design;
    std::int16_t points = 27;
    for (auto _ : state) {
        design.mech.SetArmor(6, points);
        points = points == 27 ? 28 : 27;
        benchmark::DoNotOptimize(design.mech.armorFree());
    }
}
BENCHMARK(BM_SetArmor);

void BM_AddAndRemoveWeapon(benchmark::State& state) {
    TypicalDesign design;
    for (auto _ : state) {
        const std::int16_t wi = design.mech.AddWeapon(3);
        design.mech.RemoveWeapon(wi);
        benchmark::DoNotOptimize(design.mech.weaponTonnage());
    }
}
BENCHMARK(BM_AddAndRemoveWeapon);

// A switch to another configuration of an OmniMech, without storing the one left: what `info`
// does for each configuration of a design after the first.
void BM_ChangeOmniConfig(benchmark::State& state) {
    bench::Workbench bench;
    model::Mech mech = bench::omniDesign(bench.ctx);
    bool alpha = false;
    for (auto _ : state) {
        alpha = !alpha;
        mech.ChangeOmniConfig(alpha ? "Alpha" : "Bravo", false);
        benchmark::DoNotOptimize(mech.totalTonnage());
    }
}
BENCHMARK(BM_ChangeOmniConfig);

// A side torso of scattered heat sinks; the copy of the prepared list is part of each run.
void BM_CompactSlotList(benchmark::State& state) {
    model::CritLocation prepared(1, 12);
    for (int i = 0; i < 12; i += 3) {
        prepared.PlaceItem("Heat Sink", i + 2, false, "cHS" + std::to_string(i + 1));
    }
    for (auto _ : state) {
        model::CritLocation list = prepared;
        benchmark::DoNotOptimize(list.Compact());
    }
}
BENCHMARK(BM_CompactSlotList);

} // namespace
