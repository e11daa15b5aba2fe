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
    static const std::vector<Change> list{
        {"Tonnage", [](Mech& m, auto& r) { m.setTonnage(pick(r, 2, 20) * 5); }},
        {"Walking", [](Mech& m, auto& r) { m.setWalking(pick(r, 0, 8)); }},
        {"Jumping", [](Mech& m, auto& r) { m.setJumping(pick(r, 0, 8)); }},
        {"TechBase", [](Mech& m, auto& r) { m.setTechBase(pick(r, 0, 2)); }},
        {"TechLevel", [](Mech& m, auto& r) { m.setTechLevel(pick(r, 1, 3)); }},
        {"MechType", [](Mech& m, auto& r) { m.setMechType(pick(r, 0, 3)); }},
        {"EngineType", [](Mech& m, auto& r) { m.setEngineType(pick(r, 0, 6)); }},
        {"GyroType", [](Mech& m, auto& r) { m.setGyroType(pick(r, 0, 3)); }},
        {"CockpitType", [](Mech& m, auto& r) { m.setCockpitType(pick(r, 0, 4)); }},
        {"TargSysType", [](Mech& m, auto& r) { m.setTargSysType(pick(r, 0, 7)); }},
        {"ArmorType", [](Mech& m, auto& r) { m.setArmorType(pick(r, 0, 6)); }},
        {"ISType", [](Mech& m, auto& r) { m.setISType(pick(r, 0, 3)); }},
        {"HSType", [](Mech& m, auto& r) { m.setHSType(pick(r, 0, 4)); }},
        {"HSCount", [](Mech& m, auto& r) { m.setHSCount(pick(r, 10, 30)); }},
        {"JumpJetType", [](Mech& m, auto& r) { m.setJumpJetType(pick(r, 0, 3)); }},
        {"PhysicalType", [](Mech& m, auto& r) { m.setPhysicalType(pick(r, 0, 4)); }},
        {"LAPhysical", [](Mech& m, auto& r) { m.setLAPhysical(pick(r, 0, 1) == 1); }},
        {"RAPhysical", [](Mech& m, auto& r) { m.setRAPhysical(pick(r, 0, 1) == 1); }},
        {"MASC", [](Mech& m, auto& r) { m.setMASC(pick(r, 0, 1)); }},
        {"Supercharger", [](Mech& m, auto& r) { m.setSupercharger(pick(r, 0, 1) == 1); }},
        {"ArtemisSRM", [](Mech& m, auto& r) { m.setArtemisSRM(pick(r, 0, 2)); }},
        {"ArtemisLRM", [](Mech& m, auto& r) { m.setArtemisLRM(pick(r, 0, 2)); }},
        {"LTTurret", [](Mech& m, auto& r) { m.setLTTurret(pick(r, 0, 1) == 1); }},
        {"RTTurret", [](Mech& m, auto& r) { m.setRTTurret(pick(r, 0, 1) == 1); }},
        {"NullSigSys", [](Mech& m, auto& r) { m.setNullSigSys(pick(r, 0, 1) == 1); }},
        {"FractionalAccounting",
         [](Mech& m, auto& r) { m.setFractionalAccounting(pick(r, 0, 1) == 1); }},
        {"Armor", [](Mech& m, auto& r) { m.SetArmor(pick(r, 0, 10), pick(r, 0, 40)); }},
        {"CASE", [](Mech& m, auto& r) { m.SetCase(pick(r, 0, 6), pick(r, 0, 2)); }},
        {"AddWeapon", [](Mech& m, auto& r) { m.AddWeapon(pick(r, 0, kWeaponCount - 1)); }},
        {"RemoveWeapon", [](Mech& m, auto& r) { m.RemoveWeapon(pick(r, 0, 6)); }},
        {"PlaceWeapon",
         [](Mech& m, auto& r) { m.AlterWeapon(pick(r, 0, 6), pick(r, 0, 7), 0, true); }},
        {"UnplaceWeapon", [](Mech& m, auto& r) { m.AlterWeapon(pick(r, 0, 6), 0, 0, false); }},
        {"TurretMount",
         [](Mech& m, auto& r) {
             const std::int16_t wi = pick(r, 0, 6);
             if (m.TSetWeaponIdxGlobal(wi)) {
                 m.currentWeapon().turretMounted = !m.currentWeapon().turretMounted;
                 m.UpdateGlobalWeaponIdx(wi);
             }
         }},
    };
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
