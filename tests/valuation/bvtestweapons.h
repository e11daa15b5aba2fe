// A small weapon table, the game's Battle Value tables and a way to mount weapons on a design,
// shared by the Battle Value tests and benchmarks. Needs no test framework.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
#include "valuation/bvcalc.h"

namespace fpw::valuation::bvtest {

// Positions in the test weapon table.
enum Ref : std::int16_t {
    kMediumLaser = 0, // energy, heat 3, BV 46, links to a targeting computer
    kLargeLaser = 1,  // energy, heat 8, BV 124, links
    kSmallLaser = 2,  // energy, heat 1, BV 9, links
    kAC20Ammo = 3,    // ammunition, explosive, BV 20, flagged linkable to prove it never counts
    kLRM20 = 4,       // missile, heat 6, BV 181, Artemis-capable (LRM class)
    kSRM6 = 5,        // missile, heat 4, BV 59, Artemis-capable (SRM class)
    kLRM20Ammo = 6,   // ammunition, explosive, BV 23
    kAMS = 7,         // equipment, defensive, heat 1, BV 32
    kAMSAmmo = 8,     // ammunition, defensive, BV 11
    kUltraAC5 = 9,    // ballistic, heat 1, BV 112
    kStreakSRM4 = 10, // missile, heat 3, BV 59
    kArrowIV = 11,    // artillery, heat 10, BV 240
    kGaussAmmo = 12,  // ammunition, not explosive, BV 37
    kClanERPPC = 13,  // energy, Clan, heat 15, BV 412, links
    kC3Master = kC3MasterRefID,
    kC3Slave = kC3SlaveRefID,
    kImprovedC3 = kImprovedC3RefID,
    kHeatItem1 = kHeatDissipatingRefID1,
    kHeatItem2 = kHeatDissipatingRefID2,
};

inline catalog::WeaponRecord record(std::string name, std::int16_t type, std::int16_t heat,
                                    double bv) {
    catalog::WeaponRecord r;
    r.name = std::move(name);
    r.weaponType = type;
    r.heat = heat;
    r.battleValue = bv;
    r.tonnage = 1;
    return r;
}

inline catalog::WeaponTable testWeapons() {
    using namespace catalog::weapontype;
    catalog::WeaponTable table(kHeatItem2 + 1);
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = record("Unused " + std::to_string(i), kEquipment, 0, 0);
    table[kMediumLaser] = record("Medium Laser", kEnergy, 3, 46);
    table[kLargeLaser] = record("Large Laser", kEnergy, 8, 124);
    table[kSmallLaser] = record("Small Laser", kEnergy, 1, 9);
    table[kAC20Ammo] = record("AC/20 Ammo", kAmmunition, 0, 20);
    table[kLRM20] = record("LRM 20", kMissile, 6, 181);
    table[kSRM6] = record("SRM 6", kMissile, 4, 59);
    table[kLRM20Ammo] = record("LRM 20 Ammo", kAmmunition, 0, 23);
    table[kAMS] = record("Anti-Missile System", kEquipment, 1, 32);
    table[kAMSAmmo] = record("AMS Ammo", kAmmunition, 0, 11);
    table[kUltraAC5] = record("Ultra AC/5", kBallistic, 1, 112);
    table[kStreakSRM4] = record("Streak SRM 4", kMissile, 3, 59);
    table[kArrowIV] = record("Arrow IV", kArtillery, 10, 240);
    table[kGaussAmmo] = record("Gauss Ammo", kAmmunition, 0, 37);
    table[kClanERPPC] = record("ER PPC", kEnergy, 15, 412);
    table[kC3Master] = record("C3 Master Computer", kEquipment, 0, 0);
    table[kC3Slave] = record("C3 Slave Unit", kEquipment, 0, 0);
    table[kImprovedC3] = record("Improved C3 Computer", kEquipment, 0, 0);
    table[kHeatItem1] = record("Heat-Dissipating Item A", kEquipment, 0, 0);
    table[kHeatItem2] = record("Heat-Dissipating Item B", kEquipment, 0, 0);
    for (const auto ref :
         {kMediumLaser, kLargeLaser, kSmallLaser, kAC20Ammo, kClanERPPC, kUltraAC5})
        table[ref].tcLinkable = 1;
    table[kAC20Ammo].explosive = table[kLRM20Ammo].explosive = 1;
    table[kAMS].defensiveItem = table[kAMSAmmo].defensiveItem = 1;
    // Artemis class 1 is the LRM class, 0 the SRM class.
    table[kLRM20].artemisCapable = table[kLRM20].artemisClass = table[kSRM6].artemisCapable = 1;
    table[kClanERPPC].techBase = catalog::kClan;
    return table;
}

// The game's standard tables. The offensive speed factors are ((S - 5) / 10 + 1) ^ 1.2 to
// two decimals.
inline catalog::BVTables testTables() {
    catalog::BVTables t;
    t.engineMultiplierIS = {1.5, 0.75, 0.5, 1.5, 0.75, 0.5, 1.5};
    t.engineMultiplierClan = {1.5, 1.125, 0.75, 1.5, 1.125, 0.75, 1.5};
    t.offensiveSpeedFactor = {0.44, 0.54, 0.65, 0.77, 0.88, 1.0,  1.12, 1.24, 1.37,
                              1.5,  1.63, 1.76, 1.89, 2.02, 2.16, 2.3,  2.44, 2.58,
                              2.72, 2.86, 3.0,  3.15, 3.29, 3.44, 3.59, 3.74};
    t.defensiveMovementFactor = {1.0, 1.1, 1.2, 1.3, 1.4, 1.5};
    return t;
}

// One mounted weapon: record, location (-1 unplaced) and mounting.
struct Mount {
    std::int16_t ref = 0;
    std::int16_t location = catalog::kRightArm;
    bool rear = false;
};

// Replaces the design's weapon list by these mountings, one entry each, in order.
inline void mount(model::Mech& mech, const std::vector<Mount>& mounts) {
    std::vector<model::WeaponEntry> list;
    std::int16_t index = 0;
    for (const Mount& m : mounts) {
        model::WeaponEntry entry;
        entry.refID = m.ref;
        entry.weaponIndex = index++;
        entry.locations = {m.location};
        entry.startCrit = m.location < 0 ? -1 : 0;
        entry.allocated = m.location >= 0;
        entry.rearMounted = m.rear;
        list.push_back(entry);
    }
    mech.setWeapons(list);
}

} // namespace fpw::valuation::bvtest
