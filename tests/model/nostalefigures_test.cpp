// Whatever order a person changes a design in, every figure must equal what a full
// recomputation from the inputs gives: no input may leave a figure behind.
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "model/mech.h"
#include "model/modeltestkit.h"

namespace fpw::model {
namespace {

using namespace testkit;

struct Change {
    const char* name;
    std::function<void(Mech&, std::mt19937&)> apply;
};

std::int16_t pick(std::mt19937& rng, int low, int high) {
    return static_cast<std::int16_t>(std::uniform_int_distribution<int>(low, high)(rng));
}

const std::vector<Change>& changes() {
    // clang-format off
#define FPW_SET(name, low, high)                                                                   \
    Change{#name, [](Mech& m, auto& r) { m.set##name(pick(r, low, high)); }}
    static const std::vector<Change> list{
        FPW_SET(Walking, 0, 8), FPW_SET(Jumping, 0, 8), FPW_SET(TechBase, 0, 2),
        FPW_SET(TechLevel, 1, 3), FPW_SET(MechType, 0, 3), FPW_SET(EngineType, 0, 6),
        FPW_SET(GyroType, 0, 3), FPW_SET(CockpitType, 0, 4), FPW_SET(TargSysType, 0, 7),
        FPW_SET(ArmorType, 0, 6), FPW_SET(ISType, 0, 3), FPW_SET(HSType, 0, 4),
        FPW_SET(HSCount, 10, 30), FPW_SET(JumpJetType, 0, 3), FPW_SET(PhysicalType, 0, 4),
        FPW_SET(LAPhysical, 0, 1), FPW_SET(RAPhysical, 0, 1), FPW_SET(MASC, 0, 1),
        FPW_SET(Supercharger, 0, 1), FPW_SET(ArtemisSRM, 0, 2), FPW_SET(ArtemisLRM, 0, 2),
        FPW_SET(LTTurret, 0, 1), FPW_SET(RTTurret, 0, 1), FPW_SET(NullSigSys, 0, 1),
        FPW_SET(FractionalAccounting, 0, 1),
        {"Tonnage", [](Mech& m, auto& r) { m.setTonnage(pick(r, 2, 20) * 5); }},
        {"Armor", [](Mech& m, auto& r) { m.SetArmor(pick(r, 0, 10), pick(r, 0, 40)); }},
        {"CASE", [](Mech& m, auto& r) { m.SetCase(pick(r, 0, 6), pick(r, 0, 2)); }},
        {"AddWeapon", [](Mech& m, auto& r) { m.AddWeapon(pick(r, 0, kWeaponCount - 1)); }},
        {"RemoveWeapon", [](Mech& m, auto& r) { m.RemoveWeapon(pick(r, 0, 6)); }},
        {"PlaceWeapon",
         [](Mech& m, auto& r) { m.AlterWeapon(pick(r, 0, 6), pick(r, 0, 7), 0, true); }},
        {"UnplaceWeapon", [](Mech& m, auto& r) { m.AlterWeapon(pick(r, 0, 6), 0, 0, false); }},
        {"TurretMount", [](Mech& m, auto& r) {
             const std::int16_t wi = pick(r, 0, 6);
             if (m.TSetWeaponIdxGlobal(wi)) {
                 m.currentWeapon().turretMounted = !m.currentWeapon().turretMounted;
                 m.UpdateGlobalWeaponIdx(wi);
             }
         }},
    };
#undef FPW_SET
    // clang-format on
    return list;
}

// Two hundred runs: fewer missed a tech base switch that left the MASC or the targeting
// computer behind.
TEST(NoStaleFigures, AfterEveryChangeTheFiguresMatchAFullRecomputation) {
    Kit kit;
    std::mt19937 rng(20261206);
    for (int run = 0; run < 200; ++run) {
        Mech mech(kit.ctx);
        for (int step = 0; step < 60; ++step) {
            const Change& change = changes()[pick(rng, 0, static_cast<int>(changes().size()) - 1)];
            change.apply(mech, rng);
            Mech recomputed = mech;
            recomputed.RecalcAll();
            ASSERT_EQ(recomputed.fields(), mech.fields())
                << "after " << change.name << " in run " << run << ", step " << step;
        }
    }
}

} // namespace
} // namespace fpw::model
