// Canonical designs of the game's earliest era, built from the catalogue: the weapons and
// ammunition of each published design must weigh exactly what its tonnage leaves after the
// published chassis figures, be available at the design's rules level, and fit the free
// critical slots of the locations they are mounted in.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "catalog/weapondatabase.h"
#include "datafiles.h"

namespace fpw::testing {
namespace {

constexpr std::int16_t kIS = 0, kClan = 1;
enum Loc { LA = 0, LT = 1, LL = 2, RL = 3, RT = 4, RA = 5, CT = 6, HD = 7 };

struct Mounted {
    Loc location;
    const char* item;
    int count;
};

// The published chassis: everything but weapons and ammunition, in tons.
struct Chassis {
    double engine, gyro, cockpit, structure, heatSinks, jumpJets, armor;
    double sum() const {
        return engine + gyro + cockpit + structure + heatSinks + jumpJets + armor;
    }
};

struct Design {
    const char* name;
    int tonnage;
    std::int16_t techBase;
    std::int16_t techLevel;
    Chassis chassis;
    int engineSlotsPerSideTorso; // an XL engine reaches into the side torsos
    std::vector<Mounted> items;
};

// Free slots of a standard biped with its fixed entries: head 6 less life support, sensors
// and cockpit; center torso 12 less engine and gyro; limbs 12 less four actuators.
int freeSlots(Loc location, const Design& d) {
    switch (location) {
    case HD:
        return 1;
    case CT:
        return 2;
    case LT:
    case RT:
        return 12 - d.engineSlotsPerSideTorso;
    default:
        return 8;
    }
}

// clang-format off
const std::vector<Design>& designs() {
    static const std::vector<Design> all = {
        {"Atlas AS7-D", 100, kIS, 1, {19, 3, 3, 10, 10, 0, 19}, 0,
         {{RT, "AC/20", 1}, {RT, "AC/20 Ammo", 2}, {LT, "LRM-20", 1}, {LT, "LRM-20 Ammo", 2},
          {LT, "SRM-6", 1}, {LT, "SRM-6 Ammo", 1}, {LA, "Medium Laser", 1},
          {RA, "Medium Laser", 1}, {CT, "Medium Laser", 2}}},
        {"Awesome AWS-8Q", 80, kIS, 1, {11.5, 3, 3, 8, 18, 0, 15}, 0,
         {{RA, "PPC", 1}, {LT, "PPC", 1}, {RT, "PPC", 1}, {HD, "Small Laser", 1}}},
        {"Warhammer WHM-6R", 70, kIS, 1, {16, 3, 3, 7, 8, 0, 10}, 0,
         {{LA, "PPC", 1}, {RA, "PPC", 1}, {LT, "Medium Laser", 1}, {LT, "Small Laser", 1},
          {LT, "Machine Gun", 1}, {LT, "Machine Gun Ammo", 1}, {RT, "Medium Laser", 1},
          {RT, "Small Laser", 1}, {RT, "Machine Gun", 1}, {RT, "SRM-6", 1},
          {RT, "SRM-6 Ammo", 1}}},
        {"Hunchback HBK-4G", 50, kIS, 1, {8.5, 2, 3, 5, 3, 0, 10}, 0,
         {{RT, "AC/20", 1}, {RT, "AC/20 Ammo", 2}, {LA, "Medium Laser", 1},
          {RA, "Medium Laser", 1}, {HD, "Small Laser", 1}}},
        {"Griffin GRF-1N", 55, kIS, 1, {15.5, 3, 3, 5.5, 2, 2.5, 9.5}, 0,
         {{RA, "PPC", 1}, {RT, "LRM-10", 1}, {RT, "LRM-10 Ammo", 2}}},
        {"Wasp WSP-1A", 20, kIS, 1, {4, 2, 3, 2, 0, 3, 3}, 0,
         {{RA, "Medium Laser", 1}, {LL, "SRM-2", 1}, {LT, "SRM-2 Ammo", 1}}},
        {"Stinger STG-3R", 20, kIS, 1, {4, 2, 3, 2, 0, 3, 3}, 0,
         {{RA, "Medium Laser", 1}, {LA, "Machine Gun", 1}, {RA, "Machine Gun", 1},
          {LT, "Machine Gun Ammo", 1}}},
        {"Locust LCT-1V", 20, kIS, 1, {6, 2, 3, 2, 0, 0, 4}, 0,
         {{CT, "Medium Laser", 1}, {LA, "Machine Gun", 1}, {RA, "Machine Gun", 1},
          {CT, "Machine Gun Ammo", 1}}},
        // Level 2: a Clan XL engine, endo steel, ferro-fibrous armour and double heat sinks,
        // and the half ton of machine-gun ammunition.
        {"Timber Wolf Prime", 75, kClan, 2, {19.5, 4, 3, 4, 7, 0, 12.5}, 2,
         {{LA, "ER Large Laser", 1}, {LA, "ER Medium Laser", 1}, {LA, "Machine Gun", 1},
          {RA, "ER Large Laser", 1}, {RA, "ER Medium Laser", 1}, {RA, "Machine Gun", 1},
          {LT, "LRM-20", 1}, {LT, "LRM-20 Ammo", 1}, {RT, "LRM-20", 1}, {RT, "LRM-20 Ammo", 1},
          {CT, "Medium Pulse Laser", 1}, {CT, "Machine Gun Ammo (Half)", 1}}},
    };
    return all;
}
// clang-format on

class CanonicalDesign : public ::testing::TestWithParam<Design> {};

TEST_P(CanonicalDesign, WeaponsAndAmmunitionFillItsTonnageAndFitItsSlots) {
    const Design& d = GetParam();
    const catalog::WeaponTable& table = builtWeapons();
    double weaponTons = 0;
    std::map<Loc, int> slots;
    bool usesAmmo = false;
    bool hasAmmo = false;
    for (const Mounted& m : d.items) {
        const int index = catalog::findWeapon(table, m.item, d.techBase);
        ASSERT_GE(index, 0) << m.item;
        const catalog::WeaponRecord& r = table[static_cast<std::size_t>(index)];
        EXPECT_LE(r.techLevel, d.techLevel) << m.item << " is not available at the design's level";
        weaponTons += r.tonnage * m.count;
        slots[m.location] += r.critSlots * m.count;
        usesAmmo = usesAmmo || catalog::usesAmmunition(r);
        hasAmmo = hasAmmo || r.weaponType == 4;
    }
    EXPECT_DOUBLE_EQ(weaponTons, d.tonnage - d.chassis.sum());
    for (const auto& [location, used] : slots) {
        EXPECT_LE(used, freeSlots(location, d)) << "location " << location;
    }
    EXPECT_EQ(usesAmmo, hasAmmo);
    // Every ammunition-using weapon of the design finds its ammunition among the mounted items.
    for (const Mounted& weapon : d.items) {
        const auto& w =
            table[static_cast<std::size_t>(catalog::findWeapon(table, weapon.item, d.techBase))];
        if (!catalog::usesAmmunition(w)) {
            continue;
        }
        bool fed = false;
        for (const Mounted& ammo : d.items) {
            const auto& a =
                table[static_cast<std::size_t>(catalog::findWeapon(table, ammo.item, d.techBase))];
            fed = fed || (a.weaponType == 4 && catalog::takesAmmunition(w, a));
        }
        EXPECT_TRUE(fed) << weapon.item;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedData, CanonicalDesign, ::testing::ValuesIn(designs()),
                         [](const ::testing::TestParamInfo<Design>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.name)) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += c;
                                 }
                             }
                             return name;
                         });

} // namespace
} // namespace fpw::testing
