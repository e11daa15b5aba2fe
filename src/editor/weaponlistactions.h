// The weapon list's own actions: adding weapons from the available list, removing one, and
// clearing the list. Each is one user action.
#pragma once

#include <cstdint>
#include <vector>

namespace fpw::editor {

class Editor;

// Adds the weapons of these database records, in order, as unallocated weapons. On an
// OmniMech whose locked base fixes the targeting computer, a weapon that would make the
// computer larger is taken back with its message and the rest of the selection is not added.
// True when at least one weapon was added.
bool AddWeapons(Editor& editor, const std::vector<std::int16_t>& refIDs);
// Removes the weapon with this instance number from its slots and from the design; refused
// for a weapon of the base omni configuration.
bool RemoveWeapon(Editor& editor, std::int16_t weaponIndex);
// Asks, then removes every weapon that is not part of the base omni configuration.
bool ClearEquipment(Editor& editor);

// The available list's type filter: a weapon type code, or -1 for every type. Ammunition is
// listed under the type of the weapons that fire it, and all of it under the ammunition type.
// A code that is no weapon type is refused. Neither filter changes the design.
bool SetWeaponTypeFilter(Editor& editor, int type);
// Lists only the ammunition that the design's weapons fire.
bool SetAmmoForCurrentWeapons(Editor& editor, bool on);

} // namespace fpw::editor
