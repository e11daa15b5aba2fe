// Battle Value of a typical and of a heavily armed design, lines included: the editor
// recomputes it on every change. The designs mount the weapon kit of the Battle Value tests.
#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/benchsupport.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
#include "tests/valuation/bvtestweapons.h"
#include "valuation/bvcalc.h"

namespace {

using namespace fpw;
using namespace fpw::valuation::bvtest;

struct Design {
    bench::BenchContext context;
    model::Mech mech{context.ctx};

    Design(std::int16_t tonnage, std::int16_t walking, std::int16_t jumping,
           const std::vector<Mount>& mountings) {
        context.ctx.weapons = testWeapons();
        context.ctx.bvTables = testTables();
        context.ctx.bvDataLoaded = true;
        mech.setTonnage(tonnage);
        mech.setWalking(walking);
        mech.setJumping(jumping);
        for (int loc = 0; loc < model::kArmorPositions; ++loc) {
            mech.SetArmor(loc, static_cast<std::int16_t>(tonnage / 5 + 4));
        }
        mount(mech, mountings);
    }
};

// A 65-ton trooper: large laser, LRM-20 with Artemis IV, three medium lasers, an AMS and
// ammunition.
void BM_BattleValueTypical(benchmark::State& state) {
    using namespace catalog;
    Design d(65, 4, 4,
             {{kLargeLaser, kRightArm},
              {kLRM20, kLeftTorso},
              {kLRM20Ammo, kLeftTorso},
              {kLRM20Ammo, kLeftTorso},
              {kMediumLaser, kCenterTorso},
              {kMediumLaser, kLeftArm},
              {kMediumLaser, kCenterTorso, true},
              {kAMS, kHead},
              {kAMSAmmo, kRightTorso}});
    d.mech.setArtemisLRM(kArtemisIV);
    d.mech.SetCase(kLeftTorso, kStandardCase);
    d.mech.setHSCount(14);
    for (auto _ : state) {
        benchmark::DoNotOptimize(valuation::CalcBV(d.mech));
    }
}
BENCHMARK(BM_BattleValueTypical);

// A 100-ton mixed-tech assault design of 44 entries with a targeting computer, Artemis on
// both launcher classes, C3, rear weapons and explosive ammunition across an XL engine.
void BM_BattleValueHeavilyArmed(benchmark::State& state) {
    using namespace catalog;
    std::vector<Mount> m;
    const std::int16_t locations[] = {kLeftArm, kLeftTorso, kRightTorso, kRightArm, kCenterTorso};
    for (int i = 0; i < 8; ++i) {
        const std::int16_t loc = locations[i % 5];
        m.push_back({kMediumLaser, loc, i % 3 == 0});
        m.push_back({kSRM6, loc});
        m.push_back({kAC20Ammo, loc});
        m.push_back({static_cast<std::int16_t>(i % 2 ? kUltraAC5 : kClanERPPC), loc});
        m.push_back({static_cast<std::int16_t>(i % 2 ? kLRM20Ammo : kStreakSRM4), loc});
    }
    m.push_back({kLRM20, kLeftTorso});
    m.push_back({kLRM20Ammo, kLeftLeg});
    m.push_back({kAMS, kHead});
    m.push_back({kC3Slave, kHead});
    Design d(100, 3, 0, m);
    d.mech.setTechBase(kMixedTech);
    d.mech.setEngineType(engine::kXL);
    d.mech.setTargSysType(targeting::kTargetingComputer);
    d.mech.setArtemisLRM(kArtemisV);
    d.mech.setArtemisSRM(kArtemisIV);
    d.mech.setHSType(heatsink::kDouble);
    d.mech.setHSCount(25);
    d.mech.SetCase(kLeftTorso, kCaseII);
    for (auto _ : state) {
        benchmark::DoNotOptimize(valuation::CalcBV(d.mech));
    }
}
BENCHMARK(BM_BattleValueHeavilyArmed);

} // namespace
