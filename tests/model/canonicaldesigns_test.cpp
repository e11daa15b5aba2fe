// Designs of the game's earliest era, built from their published figures: each must weigh
// exactly its tonnage, which exercises every weight rule a standard design meets at once.
#include <gtest/gtest.h>

#include "model/mech.h"
#include "model/modeltestkit.h"

namespace fpw::model {
namespace {

using namespace testkit;

struct Design {
    const char* name;
    std::int16_t tonnage;
    std::int16_t walking;
    std::int16_t jumping;
    std::int16_t heatSinks;
    // Armour points: head, center torso, side torsos, arms, legs (each side the same), then
    // the rear of the center and of the side torsos.
    std::int16_t head, ct, st, arm, leg, ctRear, stRear;
    std::vector<std::int16_t> weapons;
    int maxHeat; // movement heat plus weapon heat
};

std::int16_t armorPoints(const Design& d) {
    return static_cast<std::int16_t>(d.head + d.ct + 2 * d.st + 2 * d.arm + 2 * d.leg + d.ctRear +
                                     2 * d.stRear);
}

void build(Mech& mech, const Design& d) {
    mech.setTechLevel(1);
    mech.setTonnage(d.tonnage);
    mech.setWalking(d.walking);
    mech.setJumping(d.jumping);
    mech.setHSCount(d.heatSinks);
    const std::int16_t byLocation[kArmorPositions] = {
        d.arm, d.st, d.leg, d.leg, d.st, d.arm, d.ct, d.head, d.stRear, d.stRear, d.ctRear};
    for (int loc = 0; loc < kArmorPositions; ++loc) {
        mech.SetArmor(loc, byLocation[loc]);
    }
    for (std::int16_t w : d.weapons) {
        mech.AddWeapon(w);
    }
}

class CanonicalDesigns : public ::testing::TestWithParam<Design> {};

TEST_P(CanonicalDesigns, WeighExactlyTheirTonnage) {
    const Design& d = GetParam();
    Kit kit;
    Mech mech(kit.ctx);
    build(mech, d);
    EXPECT_EQ(mech.armorPoints(), armorPoints(d));
    EXPECT_DOUBLE_EQ(mech.totalTonnage(), d.tonnage)
        << "engine " << mech.engineTonnage() << " structure " << mech.isTonnage() << " gyro "
        << mech.gyroTonnage() << " armour " << mech.armorTonnage() << " heat sinks "
        << mech.hsTonnage() << " jump jets " << mech.jumpJetTonnage() << " weapons "
        << mech.weaponTonnage();
    EXPECT_DOUBLE_EQ(mech.freeTonnage(), 0);
    EXPECT_EQ(mech.MaxHeat(), d.maxHeat);
    EXPECT_TRUE(mech.ValidAmmo());

    // The same design built in another order weighs the same: no figure depends on the order
    // in which its inputs were set.
    Mech reordered(kit.ctx);
    for (std::int16_t w : d.weapons) {
        reordered.AddWeapon(w);
    }
    reordered.setHSCount(d.heatSinks);
    reordered.setJumping(d.jumping);
    reordered.setWalking(d.walking);
    for (int loc = 0; loc < kArmorPositions; ++loc) {
        reordered.SetArmor(loc, mech.GetArmor(loc));
    }
    reordered.setTonnage(d.tonnage);
    reordered.setTechLevel(1);
    EXPECT_EQ(reordered.fields(), mech.fields());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Model, CanonicalDesigns, ::testing::Values(
    // Assault: AC/20, LRM-20, SRM-6 and four medium lasers; 19 tons of armour.
    Design{"Atlas", 100, 3, 0, 20, 9, 47, 32, 34, 41, 14, 10,
           {kAC20, kLRM20, kSRM6, kMediumLaser, kMediumLaser, kMediumLaser, kMediumLaser,
            kAmmoAC20, kAmmoAC20, kAmmoLRM, kAmmoLRM, kAmmoSRM},
           2 + 7 + 6 + 4 + 4 * 3},
    // 20-ton scout: one medium laser and two machine guns.
    Design{"Locust", 20, 8, 0, 10, 8, 10, 8, 4, 8, 2, 2,
           {kMediumLaser, kMachineGun, kMachineGun, kAmmoMG}, 2 + 3},
    // Jump-capable medium: AC/5, LRM-5, SRM-2, medium laser, three jump jets.
    Design{"Shadow Hawk", 55, 5, 3, 12, 9, 23, 18, 16, 17, 8, 5,
           {kAC5, kLRM5, kSRM2, kMediumLaser, kAmmoAC5, kAmmoLRM, kAmmoSRM}, 3 + 1 + 2 + 2 + 3},
    // Heavy with two PPCs.
    Design{"Warhammer", 70, 4, 0, 18, 9, 22, 17, 20, 15, 9, 8,
           {kPPC, kPPC, kMediumLaser, kMediumLaser, kSmallLaser, kSmallLaser, kMachineGun,
            kMachineGun, kSRM6, kAmmoSRM, kAmmoMG},
           2 + 20 + 6 + 2 + 4},
    // Light with jump jets, medium laser and SRM-2.
    Design{"Wasp", 20, 6, 6, 10, 6, 5, 6, 4, 5, 3, 2,
           {kMediumLaser, kSRM2, kAmmoSRM}, 6 + 3 + 2},
    Design{"Stinger", 20, 6, 6, 10, 6, 5, 6, 4, 5, 3, 2,
           {kMediumLaser, kMachineGun, kMachineGun, kAmmoMG}, 6 + 3},
    // Medium raider: large laser, two medium lasers, two machine guns, six jump jets.
    Design{"Phoenix Hawk", 45, 6, 6, 10, 9, 19, 14, 13, 16, 6, 4,
           {kLargeLaser, kMediumLaser, kMediumLaser, kMachineGun, kMachineGun, kAmmoMG},
           6 + 8 + 6},
    // Assault with three PPCs, a small laser and 28 heat sinks.
    Design{"Awesome", 80, 3, 0, 28, 9, 33, 25, 26, 33, 14, 8,
           {kPPC, kPPC, kPPC, kSmallLaser}, 2 + 30 + 1},
    // Light striker: SRM-6, SRM-4 and a medium laser, no jump jets.
    Design{"Commando", 25, 6, 0, 10, 6, 11, 6, 6, 8, 3, 2,
           {kSRM6, kSRM4, kMediumLaser, kAmmoSRM, kAmmoSRM}, 2 + 4 + 3 + 3},
    // Fire support: two LRM-20s and four medium lasers, 13 tons of armour.
    Design{"Archer", 70, 4, 0, 10, 9, 31, 23, 22, 25, 12, 8,
           {kLRM20, kLRM20, kMediumLaser, kMediumLaser, kMediumLaser, kMediumLaser, kAmmoLRM,
            kAmmoLRM, kAmmoLRM, kAmmoLRM},
           2 + 12 + 12}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase(name, ' ');
        return name;
    });
// clang-format on

} // namespace
} // namespace fpw::model
