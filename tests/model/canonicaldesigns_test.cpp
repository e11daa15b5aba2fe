// Designs of the game's earliest era, built from their published figures with the shipped
// weapon database: each must weigh exactly its tonnage, which exercises every weight rule a
// standard design meets at once.
#include <gtest/gtest.h>

#include "catalog/weapondatabase.h"
#include "model/mech.h"
#include "support/shippedcontext.h"

namespace fpw::model {
namespace {

struct Design {
    const char* name;
    std::int16_t tonnage;
    std::int16_t walking;
    std::int16_t jumping;
    std::int16_t heatSinks;
    // Armour points: head, center torso, side torsos, arms, legs (each side the same), then
    // the rear of the center and of the side torsos.
    std::int16_t head, ct, st, arm, leg, ctRear, stRear;
    std::vector<const char*> weapons; // Inner Sphere records by name
    int maxHeat;                      // movement heat plus weapon heat
};

std::int16_t armorPoints(const Design& d) {
    return static_cast<std::int16_t>(d.head + d.ct + 2 * d.st + 2 * d.arm + 2 * d.leg + d.ctRear +
                                     2 * d.stRear);
}

void setArmor(Mech& mech, const Design& d) {
    const std::int16_t byLocation[kArmorPositions] = {
        d.arm, d.st, d.leg, d.leg, d.st, d.arm, d.ct, d.head, d.stRear, d.stRear, d.ctRear};
    for (int loc = 0; loc < kArmorPositions; ++loc) {
        mech.SetArmor(loc, byLocation[loc]);
    }
}

void addWeapons(Mech& mech, const Design& d) {
    for (const char* name : d.weapons) {
        const int refID = catalog::findWeapon(mech.context().weapons, name, 0);
        ASSERT_GE(refID, 0) << name;
        mech.AddWeapon(static_cast<std::int16_t>(refID));
    }
}

class CanonicalDesigns : public ::testing::TestWithParam<Design> {};

TEST_P(CanonicalDesigns, WeighExactlyTheirTonnage) {
    testing::ShippedContext kit;
    const Design& d = GetParam();
    Mech mech(kit.ctx);
    mech.setTechLevel(1);
    mech.setTonnage(d.tonnage);
    mech.setWalking(d.walking);
    mech.setJumping(d.jumping);
    mech.setHSCount(d.heatSinks);
    setArmor(mech, d);
    addWeapons(mech, d);
    EXPECT_EQ(mech.armorPoints(), armorPoints(d));
    EXPECT_DOUBLE_EQ(mech.totalTonnage(), d.tonnage)
        << "engine " << mech.engineTonnage() << " structure " << mech.isTonnage() << " gyro "
        << mech.gyroTonnage() << " armour " << mech.armorTonnage() << " heat sinks "
        << mech.hsTonnage() << " jump jets " << mech.jumpJetTonnage() << " weapons "
        << mech.weaponTonnage();
    EXPECT_DOUBLE_EQ(mech.freeTonnage(), 0);
    EXPECT_EQ(mech.MaxHeat(), d.maxHeat);
    EXPECT_TRUE(mech.ValidAmmo());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Model, CanonicalDesigns, ::testing::Values(
    // Assault: AC/20, LRM-20, SRM-6 and four medium lasers; 19 tons of armour.
    Design{"Atlas", 100, 3, 0, 20, 9, 47, 32, 34, 41, 14, 10,
           {"AC/20", "LRM-20", "SRM-6", "Medium Laser", "Medium Laser", "Medium Laser",
            "Medium Laser", "AC/20 Ammo", "AC/20 Ammo", "LRM-20 Ammo", "LRM-20 Ammo",
            "SRM-6 Ammo"},
           2 + 7 + 6 + 4 + 4 * 3},
    // 20-ton scout: one medium laser and two machine guns.
    Design{"Locust", 20, 8, 0, 10, 8, 10, 8, 4, 8, 2, 2,
           {"Medium Laser", "Machine Gun", "Machine Gun", "Machine Gun Ammo"}, 2 + 3},
    // Jump-capable medium: AC/5, LRM-5, SRM-2, medium laser, three jump jets.
    Design{"Shadow Hawk", 55, 5, 3, 12, 9, 23, 18, 16, 17, 8, 5,
           {"AC/5", "LRM-5", "SRM-2", "Medium Laser", "AC/5 Ammo", "LRM-5 Ammo", "SRM-2 Ammo"},
           3 + 1 + 2 + 2 + 3},
    // Heavy with two PPCs.
    Design{"Warhammer", 70, 4, 0, 18, 9, 22, 17, 20, 15, 9, 8,
           {"PPC", "PPC", "Medium Laser", "Medium Laser", "Small Laser", "Small Laser",
            "Machine Gun", "Machine Gun", "SRM-6", "SRM-6 Ammo", "Machine Gun Ammo"},
           2 + 20 + 6 + 2 + 4},
    // Light scout with six jump jets.
    Design{"Wasp", 20, 6, 6, 10, 6, 5, 6, 4, 5, 3, 2,
           {"Medium Laser", "SRM-2", "SRM-2 Ammo"}, 6 + 3 + 2},
    // Fire support: two LRM-20s and four medium lasers, 13 tons of armour.
    Design{"Archer", 70, 4, 0, 10, 9, 31, 23, 22, 25, 12, 8,
           {"LRM-20", "LRM-20", "Medium Laser", "Medium Laser", "Medium Laser", "Medium Laser",
            "LRM-20 Ammo", "LRM-20 Ammo", "LRM-20 Ammo", "LRM-20 Ammo"},
           2 + 12 + 12}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase(name, ' ');
        return name;
    });
// clang-format on

} // namespace
} // namespace fpw::model
