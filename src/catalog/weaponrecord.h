// One entry of the weapon database: a weapon, an ammunition type or a piece of equipment.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fpw::catalog {

// Fields in file order. Integer flags stay Integers so that a record reads and writes back
// byte for byte; they are true when non-zero.
struct WeaponRecord {
    std::string name;
    // 0 energy, 1 ballistic, 2 missile, 3 equipment, 4 ammo, 5 artillery
    std::int16_t weaponType = 0;
    std::int16_t techLevel = 1;
    std::int16_t techBase = 0; // 0 Inner Sphere, 1 Clan
    double tonnage = 0;        // negative: not applicable
    std::int16_t unnamed6 = 0;
    std::array<std::uint8_t, 8> unnamed7{};
    std::int16_t heat = 0;   // negative: not applicable
    std::int16_t damage = 0; // below 1: not applicable
    std::int16_t minRange = -1;
    std::int16_t shortRange = -1;
    std::int16_t mediumRange = -1;
    std::int16_t longRange = -1;
    std::int16_t extremeRange = -1;
    std::string rangeUnit = "Hex";
    std::int16_t critSlots = 0; // negative: not applicable
    std::int16_t unnamed17 = 0;
    std::array<std::uint8_t, 8> unnamed18{};
    bool spreadable = false;
    std::int32_t cost = 0;         // below 1: not applicable
    std::int16_t combatValue = 0;  // below 1: not applicable
    double battleValue = 0;        // 0 or less: not applicable
    std::int16_t shotsPerTon = -1; // negative: not applicable
    std::string damagePer = "-1";  // "-1": none
    std::int16_t maxDamage = -1;
    std::int16_t tcLinkable = 0;
    std::int16_t ammoWeaponType = 0;
    std::vector<std::int16_t> ammoCodes;
    std::int16_t defensiveItem = 0;
    bool hasManufacturers = false;
    std::vector<std::string> manufacturers;
    std::int16_t averageDamage = -1;
    std::int16_t toHitModifier = 0;
    std::int16_t explosive = 0;
    std::string ammoTypeText;
    std::string ammoPrintName;
    std::int16_t artemisCapable = 0;
    std::int16_t artemisClass = 0;
    std::int16_t omniArmActuatorsAllowed = -1;
    std::string muxName;

    bool operator==(const WeaponRecord&) const = default;
};

// The loaded database; a weapon's index (`RefID`) is its position here.
using WeaponTable = std::vector<WeaponRecord>;

} // namespace fpw::catalog
