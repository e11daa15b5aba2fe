// One weapon of a design's weapon list, and the same entry as the omni configuration stores
// keep it (`OmniWeapon`).
#pragma once

#include <cstdint>
#include <vector>

namespace fpw::model {

struct WeaponEntry {
    std::int16_t refID = -1;                 // weapon-database index; -1 marks a free element
    std::int16_t weaponIndex = -1;           // instance number, unique among live entries
    std::vector<std::int16_t> locations{-1}; // a single -1 while unplaced
    std::int16_t startCrit = 0;              // -1 once unplaced by AlterWeapon
    bool rearMounted = false;
    bool baseOmni = false;
    bool allocated = false;
    bool turretMounted = false;
    bool spread = false;

    bool isFree() const { return refID < 0; }

    // Replaces the single -1 of an unplaced entry, otherwise appends.
    void AddLoc(std::int16_t loc);
    // The i-th location (from 0), or -1 outside the list.
    std::int16_t GetLoc(int i) const;
    // 0 while the first location is -1, otherwise the number of locations.
    int LocCount() const;

    bool operator==(const WeaponEntry&) const = default;
};

// A free element: the only element of a design without weapons.
inline WeaponEntry freeWeaponEntry() {
    return WeaponEntry{};
}

// The configuration stores hold the same fields.
using OmniWeapon = WeaponEntry;

} // namespace fpw::model
