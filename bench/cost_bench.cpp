// Cost of a typical and of a heavily armed design: the editor recomputes it on every change,
// together with the Battle Value.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/programcontext.h"
#include "bench/benchsupport.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
#include "reports/costbreakdown.h"
#include "valuation/costcalculation.h"

namespace {

using namespace fpw;

enum : std::int16_t { kMediumLaser, kPPC, kLRM15, kSRM6, kAmmo, kAC10, kRecords };

catalog::WeaponTable table() {
    catalog::WeaponTable t(kRecords);
    const auto set = [&](std::int16_t i, const char* name, double tons, std::int32_t cost) {
        t[i].name = name;
        t[i].tonnage = tons;
        t[i].cost = cost;
        t[i].battleValue = 10;
    };
    set(kMediumLaser, "Medium Laser", 1, 40000);
    set(kPPC, "PPC", 7, 200000);
    set(kLRM15, "LRM-15", 7, 175000);
    t[kLRM15].artemisCapable = 1;
    t[kLRM15].artemisClass = 1;
    set(kSRM6, "SRM-6", 3, 80000);
    t[kSRM6].artemisCapable = 1;
    set(kAmmo, "Ammo", 1, 30000);
    set(kAC10, "AC/10", 12, 200000);
    return t;
}

struct Fixture {
    bench::BenchContext context;
    app::ProgramContext& ctx = context.ctx;
    model::Mech typical{ctx};
    model::Mech heavy{ctx};

    Fixture() {
        ctx.weapons = table();
        typical.setTonnage(50);
        typical.setWalking(4);
        typical.setHSCount(13);
        for (int loc = 0; loc < catalog::kLocationCount; ++loc)
            typical.SetArmor(loc, 14);
        for (std::int16_t w : {kAC10, kAmmo, kMediumLaser, kMediumLaser})
            typical.AddWeapon(w);

        heavy.setTonnage(100);
        heavy.setWalking(4);
        heavy.setEngineType(catalog::engine::kXL);
        heavy.setHSType(catalog::heatsink::kDouble);
        heavy.setHSCount(20);
        heavy.setJumping(3);
        heavy.setTargSysType(catalog::targeting::kTargetingComputer);
        heavy.setArtemisLRM(catalog::kArtemisIV);
        heavy.setArtemisSRM(catalog::kArtemisV);
        heavy.setMASC(1);
        heavy.setPhysicalType(catalog::physical::kHatchet);
        heavy.setLAPhysical(true);
        heavy.setMechType(catalog::kOmniMech);
        for (int loc = 0; loc < 7; ++loc)
            heavy.SetCase(loc, catalog::kStandardCase);
        for (int loc = 0; loc < catalog::kLocationCount; ++loc)
            heavy.SetArmor(loc, 30);
        for (int i = 0; i < 6; ++i)
            for (std::int16_t w : {kMediumLaser, kPPC, kLRM15, kSRM6, kAmmo})
                heavy.AddWeapon(w);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_CostTypical(benchmark::State& state) {
    model::Mech& mech = fixture().typical;
    for (auto _ : state)
        benchmark::DoNotOptimize(valuation::CalcTotalCost(mech));
}
BENCHMARK(BM_CostTypical);

void BM_CostHeavilyArmed(benchmark::State& state) {
    model::Mech& mech = fixture().heavy;
    for (auto _ : state)
        benchmark::DoNotOptimize(valuation::CalcTotalCost(mech));
}
BENCHMARK(BM_CostHeavilyArmed);

// The summary window's cost lines, built when it opens.
void BM_CostBreakdownHeavilyArmed(benchmark::State& state) {
    const model::Mech& mech = fixture().heavy;
    for (auto _ : state) {
        reports::CostBreakdown b = reports::costBreakdown(mech);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(BM_CostBreakdownHeavilyArmed);

} // namespace
