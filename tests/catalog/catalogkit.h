// Weapon records for the catalogue tests: one with every field away from its default, so a
// field read into the wrong place or skipped shows up as a difference, and one whose strings
// and arrays are all empty.
#pragma once

#include <string>

#include "catalog/weaponrecord.h"

namespace fpw::catalog::kit {

inline WeaponRecord sampleWeapon(std::string name, std::int16_t techBase) {
    WeaponRecord r;
    r.name = std::move(name);
    r.weaponType = 2;
    r.techLevel = 2;
    r.techBase = techBase;
    r.tonnage = 10.5;
    r.unnamed6 = 77;
    r.unnamed7 = {1, 2, 3, 4, 5, 6, 7, 0xFF};
    r.heat = 6;
    r.damage = 1;
    r.minRange = 6;
    r.shortRange = 7;
    r.mediumRange = 14;
    r.longRange = 21;
    r.extremeRange = 28;
    r.rangeUnit = "Hex";
    r.critSlots = 5;
    r.unnamed17 = -300;
    r.unnamed18 = {9, 8, 7, 6, 5, 4, 3, 2};
    r.spreadable = true;
    r.cost = 250000;
    r.combatValue = 12;
    r.battleValue = 181.5;
    r.shotsPerTon = 6;
    r.damagePer = "Missile";
    r.maxDamage = 20;
    r.tcLinkable = -1;
    r.ammoWeaponType = 3;
    r.ammoCodes = {12, 13};
    r.defensiveItem = 1;
    r.hasManufacturers = true;
    r.manufacturers = {"Zeus Werke", "Doré Systems"};
    r.averageDamage = 12;
    r.toHitModifier = -1;
    r.explosive = 1;
    r.ammoTypeText = "Swarm I";
    r.ammoPrintName = "LRM-20";
    r.artemisCapable = 1;
    r.artemisClass = 1;
    r.omniArmActuatorsAllowed = 0;
    r.muxName = "LongRangeMissile-20";
    return r;
}

inline WeaponRecord bareWeapon() {
    WeaponRecord r;
    r.rangeUnit.clear();
    r.damagePer.clear();
    return r;
}

} // namespace fpw::catalog::kit
