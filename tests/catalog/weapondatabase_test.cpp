#include "catalog/weapondatabase.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/golden.h"

namespace fpw::catalog {
namespace {

WeaponRecord named(std::string name, std::int16_t techBase) {
    WeaponRecord r;
    r.name = std::move(name);
    r.techBase = techBase;
    return r;
}

// Every value the information lists, set.
WeaponRecord informed() {
    WeaponRecord r = named("LRM-20", 1);
    r.weaponType = 2;
    r.techLevel = 2;
    r.tonnage = 10.5;
    r.heat = 6;
    r.damage = 1;
    r.damagePer = "Missile";
    r.critSlots = 5;
    r.minRange = 6;
    r.shortRange = 7;
    r.mediumRange = 14;
    r.longRange = 21;
    r.shotsPerTon = 6;
    r.spreadable = true;
    r.combatValue = 12;
    r.battleValue = 181.5;
    r.cost = 250000;
    return r;
}

TEST(WeaponLookup, FindsTheFirstExactNameOfTheTechBase) {
    const WeaponTable table{named("LRM-20", 1), named("LRM-20", 0), named("LRM-20", 0),
                            named("Medium Laser", 0)};
    const std::tuple<const char*, std::int16_t, int> cases[] = {
        {"LRM-20", 0, 1},        {"LRM-20", 1, 0},  {"Medium Laser", 0, 3},
        {"Medium Laser", 1, -1}, {"lrm-20", 0, -1}, {"LRM-20 ", 0, -1},
    };
    for (const auto& [name, techBase, index] : cases)
        EXPECT_EQ(findWeapon(table, name, techBase), index) << name << " " << techBase;
    EXPECT_EQ(findWeapon({}, "LRM-20", 0), -1);
}

struct AmmoCase {
    std::int16_t weaponType;
    std::vector<std::int16_t> weaponCodes;
    std::vector<std::int16_t> ammoCodes;
    bool uses;
    bool takes;
};

TEST(WeaponLookup, AmmunitionIsSharedByCodeForWeaponsThatFireIt) {
    const AmmoCase cases[] = {
        {1, {7}, {7}, true, true},       {2, {3, 4}, {9, 4}, true, true},
        {5, {11}, {11}, true, true},     {1, {7}, {8}, true, false},
        {1, {7}, {}, true, false},       {1, {-1}, {-1}, false, false},
        {2, {-1, 4}, {4}, false, false}, {1, {}, {7}, false, false},
        {0, {7}, {7}, false, false},     {3, {7}, {7}, false, false},
        {4, {7}, {7}, false, false},     {2, {4, -1}, {-1}, true, true},
    };
    for (const auto& c : cases) {
        WeaponRecord weapon = WeaponRecord{};
        weapon.weaponType = c.weaponType;
        weapon.ammoCodes = c.weaponCodes;
        WeaponRecord ammo = WeaponRecord{};
        ammo.weaponType = 4;
        ammo.ammoCodes = c.ammoCodes;
        EXPECT_EQ(usesAmmunition(weapon), c.uses) << c.weaponType;
        EXPECT_EQ(takesAmmunition(weapon, ammo), c.takes) << c.weaponType;
    }
}

TEST(WeaponLookup, AmmunitionHeaderFillsTheTemplateInOnePass) {
    WeaponRecord ammo = WeaponRecord{};
    ammo.ammoPrintName = "LRM-20";
    app::Settings settings;
    EXPECT_EQ(ammunitionHeader(ammo, 6, settings), "@LRM-20 (6)");
    ammo.ammoTypeText = "Swarm I";
    EXPECT_EQ(ammunitionHeader(ammo, 12, settings), "@LRM-20 [Swarm I] (12)");

    settings.ammoSpecialHeader = "%2 x %1 for %0, %0";
    EXPECT_EQ(ammunitionHeader(ammo, 12, settings), "12 x Swarm I for LRM-20, LRM-20");

    // Filled-in text is never searched again, whatever placeholders it holds.
    ammo.ammoPrintName = "Odd %1 %2 %0";
    ammo.ammoTypeText = "T%0";
    EXPECT_EQ(ammunitionHeader(ammo, 3, "@%0 [%1] (%2)", "@%0 (%2)"), "@Odd %1 %2 %0 [T%0] (3)");
    ammo.ammoTypeText.clear();
    EXPECT_EQ(ammunitionHeader(ammo, 3, "@%0 [%1] (%2)", "@%0 (%2) 100%"),
              "@Odd %1 %2 %0 (3) 100%");
}

// Three records: every value set, every value "not applicable" (zero damage, combat value,
// Battle Value and cost among them), and zeroes that apply with a damage that has no unit. Checked
// by hand: each line against the record's field beside it (the texts were asserted line by line
// before this file held them).
TEST(WeaponInformation, ListsEveryValueWithItsLabelOrADash) {
    WeaponRecord notApplicable;
    notApplicable.weaponType = 3;
    notApplicable.techBase = 2;
    notApplicable.tonnage = notApplicable.heat = notApplicable.critSlots = -1;
    notApplicable.minRange = notApplicable.shotsPerTon = -1;
    notApplicable.damagePer = "Missile";
    WeaponRecord zeroes;
    zeroes.heat = zeroes.critSlots = zeroes.minRange = zeroes.shotsPerTon = 0;
    zeroes.damage = 5;
    zeroes.battleValue = 0.25;
    zeroes.cost = 1;
    std::string all;
    for (const WeaponRecord& r : {informed(), notApplicable, zeroes})
        all += weaponInformationText(r) + "\r\n=====\r\n";
    testing::expectMatchesGolden(all,
                                 FPW_TESTS_SOURCE_DIR "/catalog/golden/weapon_information.txt");
}

} // namespace
} // namespace fpw::catalog
