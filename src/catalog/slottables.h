// What a component type costs in critical slots and what an armour type yields per ton,
// by tech base. Only `TechBase` 1 counts as Clan; the mixed tech base counts as other.
#pragma once

#include <cstdint>

namespace fpw::catalog {

// Slots of one heat sink item; 0 for an unknown type.
std::int16_t heatSinkSlots(int hsType, int techBase);

// Slots the design's armour takes in all; 0 for an unknown type.
std::int16_t armorSlots(int armorType, int techBase);

// Slots the design's internal structure takes in all; 0 for an unknown type.
std::int16_t structureSlots(int isType, int techBase);

// The factor on the armour points one ton provides; 0 for an unknown type.
double armorPointsFactor(int armorType, int techBase);

} // namespace fpw::catalog
