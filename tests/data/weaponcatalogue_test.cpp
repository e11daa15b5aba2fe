// The shipped weapon database as data: the positions other rules name, ammunition that fits,
// flags that agree with the record types, and the game's standard values.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "catalog/weapondatabase.h"
#include "datafiles.h"

namespace fpw::testing {
namespace {

using catalog::WeaponRecord;
using catalog::WeaponTable;

constexpr std::int16_t kEnergy = 0, kBallistic = 1, kMissile = 2, kEquipment = 3, kAmmo = 4,
                       kArtillery = 5;
constexpr std::int16_t kIS = 0, kClan = 1;

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

bool startsWith(const std::string& text, std::string_view start) {
    return text.rfind(start, 0) == 0;
}

// The families an OmniMech may not carry in an arm with a lower arm or hand actuator.
bool isPPCGaussOrAutocannon(const WeaponRecord& r) {
    return contains(r.name, "PPC") || contains(r.name, "Gauss") || contains(r.name, "AC/") ||
           contains(r.name, "-X AC") || startsWith(r.name, "HAG-");
}

TEST(ShippedWeaponDatabase, NamedPositionsHoldTheirItems) {
    const std::tuple<std::size_t, const char*, std::int16_t, std::int16_t> positions[] = {
        {44, "Guardian ECM Suite", kIS, kEquipment},
        {64, "Anti-Missile System", kIS, kBallistic},
        {76, "Beagle Active Probe", kIS, kEquipment},
        {77, "C3 Slave Unit", kIS, kEquipment},
        {78, "C3 Master Computer", kIS, kEquipment},
        {79, "Improved C3 Computer", kIS, kEquipment},
        {185, "Anti-Missile System", kClan, kBallistic},
        {207, "Active Probe", kClan, kEquipment},
        {208, "ECM Suite", kClan, kEquipment},
        {281, "Bloodhound Active Probe", kIS, kEquipment},
        {366, "A-Pod", kIS, kEquipment},
        {367, "A-Pod", kClan, kEquipment},
        {368, "Grenade Launcher (Front)", kIS, kEquipment},
        {375, "Grenade Launcher (Right)", kClan, kEquipment},
        {376, "Cowl", kIS, kEquipment},
        {377, "Coolant Pod", kIS, kEquipment},
        {378, "Coolant Pod", kClan, kEquipment},
    };
    const WeaponTable& table = builtWeapons();
    ASSERT_GE(table.size(), 379u);
    for (const auto& [index, name, techBase, weaponType] : positions) {
        const WeaponRecord& r = table[index];
        EXPECT_EQ(std::tie(r.name, r.techBase, r.weaponType), std::tie(name, techBase, weaponType))
            << index;
    }
    // The rules that read these positions also need their kind of item to be marked so.
    for (const std::size_t defensive : {44u, 64u, 76u, 185u, 207u, 208u, 281u, 366u, 367u}) {
        EXPECT_NE(table[defensive].defensiveItem, 0) << defensive;
    }
    EXPECT_TRUE(catalog::usesAmmunition(table[64]));
    EXPECT_TRUE(catalog::usesAmmunition(table[185]));
}

TEST(ShippedWeaponDatabase, EveryAmmunitionUserHasAmmunitionAndEveryAmmunitionOneWeapon) {
    const WeaponTable& table = builtWeapons();
    std::vector<const WeaponRecord*> users;
    std::vector<const WeaponRecord*> ammo;
    for (const WeaponRecord& r : table) {
        if (r.weaponType == kAmmo) {
            ammo.push_back(&r);
        } else if (catalog::usesAmmunition(r)) {
            users.push_back(&r);
        } else {
            // A record that lists ammunition codes but is of a type the program never feeds
            // would show an add-ammunition entry that leads nowhere.
            EXPECT_TRUE(r.ammoCodes.empty() || r.ammoCodes.front() == -1) << r.name;
        }
    }
    ASSERT_FALSE(users.empty());
    for (const WeaponRecord* weapon : users) {
        int standard = 0;
        for (const WeaponRecord* a : ammo) {
            standard += catalog::takesAmmunition(*weapon, *a) && a->ammoTypeText.empty() &&
                        a->tonnage == 1 && a->techLevel <= weapon->techLevel;
        }
        // A design at the weapon's own level can always be given a plain ton of ammunition
        // (the two missile racks that load either kind have their two kinds instead).
        EXPECT_TRUE(standard == 1 || startsWith(weapon->name, "MML-"))
            << weapon->name << " (" << weapon->techBase << ")";
    }
    for (const WeaponRecord* a : ammo) {
        std::vector<const WeaponRecord*> fits;
        for (const WeaponRecord* weapon : users) {
            if (catalog::takesAmmunition(*weapon, *a)) {
                fits.push_back(weapon);
            }
        }
        // Each record feeds exactly its own weapon: same name, tech base and type.
        ASSERT_EQ(fits.size(), 1u) << a->name << " (" << a->techBase << ")";
        EXPECT_EQ(std::tie(a->ammoPrintName, a->techBase, a->ammoWeaponType),
                  std::tie(fits[0]->name, fits[0]->techBase, fits[0]->weaponType))
            << a->name;
        EXPECT_GE(a->techLevel, fits[0]->techLevel) << a->name;
    }
}

TEST(ShippedWeaponDatabase, FlagsAgreeWithTypes) {
    int ultras = 0;
    int streaks = 0;
    for (const WeaponRecord& r : builtWeapons()) {
        SCOPED_TRACE(r.name + (r.techBase == kClan ? " (Clan)" : " (IS)"));
        const bool ammo = r.weaponType == kAmmo;
        // Clan gear starts at level 2.
        EXPECT_TRUE(r.techBase == kIS ? r.techLevel >= 1 : r.techBase == kClan && r.techLevel >= 2);
        EXPECT_TRUE(r.techLevel <= 3 && r.weaponType >= kEnergy && r.weaponType <= kArtillery);
        EXPECT_TRUE(r.tonnage > 0 && r.hasManufacturers == !r.manufacturers.empty());
        // The MUX export writes a weapon line only for names of at most two blanks: ammunition
        // carries its shots and, for special kinds, the kind as the two words after the name.
        const auto blanks = std::count(r.muxName.begin(), r.muxName.end(), ' ');
        // Ammunition is one slot of a ton or half a ton, shots counted; nothing else has shots.
        if (ammo) {
            EXPECT_TRUE(r.shotsPerTon > 0 && r.critSlots == 1 && r.ammoCodes.size() == 1);
            EXPECT_TRUE(r.tonnage == 1 || (r.tonnage == 0.5 && contains(r.name, "(Half)")));
            EXPECT_TRUE(r.ammoTypeText.empty() || contains(r.name, "(" + r.ammoTypeText + ")"));
            // Everything explodes but Gauss and plasma ammunition.
            const bool inert = contains(r.ammoPrintName, "Gauss") ||
                               startsWith(r.ammoPrintName, "HAG-") ||
                               contains(r.ammoPrintName, "Plasma");
            EXPECT_EQ(r.explosive != 0, !inert);
            EXPECT_EQ(blanks, r.ammoTypeText.empty() ? 1 : 2);
            EXPECT_TRUE(startsWith(r.muxName, "Ammo_") &&
                        contains(r.muxName, " " + std::to_string(r.shotsPerTon)));
        } else {
            EXPECT_TRUE(r.shotsPerTon < 0 && r.ammoPrintName.empty() && r.critSlots > 0);
            EXPECT_EQ(blanks, 0);
        }
        const bool weapon = !ammo && r.weaponType != kEquipment;
        // Direct-fire weapons that deal damage link to a targeting computer, nothing else does.
        const bool direct = r.weaponType == kEnergy || r.weaponType == kBallistic;
        EXPECT_TRUE(r.tcLinkable == 0 || (direct && r.defensiveItem == 0));
        EXPECT_TRUE(r.tcLinkable != 0 || !direct || r.damage <= 0 || r.defensiveItem != 0);
        const bool lrm = startsWith(r.name, "LRM-") || startsWith(r.name, "MML-");
        EXPECT_TRUE(r.artemisCapable == 0 ||
                    (r.weaponType == kMissile && r.artemisClass == (lrm ? 1 : 0)));
        EXPECT_TRUE(ammo || !(startsWith(r.name, "LRM-") || startsWith(r.name, "SRM-")) ||
                    r.artemisCapable != 0);
        EXPECT_EQ(r.omniArmActuatorsAllowed == 0, weapon && isPPCGaussOrAutocannon(r));
        EXPECT_EQ(r.rangeUnit == "Hex", r.weaponType != kArtillery);
        EXPECT_TRUE(r.weaponType != kArtillery || r.longRange > 0);
        if (weapon && r.mediumRange > 0 && r.rangeUnit == "Hex") {
            EXPECT_TRUE(r.shortRange <= r.mediumRange && r.mediumRange <= r.longRange);
            EXPECT_EQ(r.extremeRange, 2 * r.mediumRange);
        }
        // Whatever cannot fit into one location must be allowed to spread; ammunition never.
        EXPECT_TRUE((r.critSlots <= 12 || r.spreadable) && !(r.spreadable && ammo));
        // Cluster weapons give the damage charts a whole volley and its expected share.
        EXPECT_TRUE(r.damagePer != "Missile" ||
                    (r.weaponType == kMissile && r.maxDamage >= r.damage && r.averageDamage > 0 &&
                     r.averageDamage <= r.maxDamage));
        // The Battle Value rules find Ultra and Streak weapons by name.
        if (!ammo && contains(r.name, "Ultra")) {
            ++ultras;
            EXPECT_EQ(r.maxDamage, 2 * r.damage);
        }
        if (!ammo && contains(r.name, "Streak")) {
            ++streaks;
            EXPECT_EQ(r.averageDamage, r.maxDamage) << "a Streak hits with all";
        }
    }
    EXPECT_EQ(ultras, 8);   // AC/2 to AC/20, both tech bases
    EXPECT_EQ(streaks, 10); // three SRM racks per tech base, four Clan LRM racks
}

// Spot checks against the published values of the standard rules: tons, slots, heat, damage,
// minimum/short/medium/long range, Battle Value and price (for ammunition tons and shots),
// and the MUX name.
TEST(ShippedWeaponDatabase, StandardItemsCarryTheGameValues) {
    using Values = std::vector<double>;
    const std::tuple<const char*, std::int16_t, Values, const char*> cases[] = {
        {"PPC", kIS, {7, 3, 10, 10, 3, 6, 12, 18, 176, 200000}, "IS.PPC"},
        {"Streak SRM-6", kClan, {3, 2, 4, 2, -1, 4, 8, 12, 118, 120000}, "CL.StreakSRM-6"},
        {"Machine Gun Ammo (Half)", kIS, {0.5, 100}, "Ammo_IS.MachineGun 100"},
    };
    for (const auto& [name, techBase, values, mux] : cases) {
        const int index = catalog::findWeapon(builtWeapons(), name, techBase);
        ASSERT_GE(index, 0) << name;
        const WeaponRecord* r = &builtWeapons()[std::size_t(index)];
        EXPECT_EQ(r->muxName, mux);
        const Values actual = r->weaponType == kAmmo ? Values{r->tonnage, double(r->shotsPerTon)}
                                                     : Values{r->tonnage,
                                                              double(r->critSlots),
                                                              double(r->heat),
                                                              double(r->damage),
                                                              double(r->minRange),
                                                              double(r->shortRange),
                                                              double(r->mediumRange),
                                                              double(r->longRange),
                                                              r->battleValue,
                                                              double(r->cost)};
        EXPECT_EQ(actual, values) << name;
    }
}

} // namespace
} // namespace fpw::testing
