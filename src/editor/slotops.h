// The slot procedures every rule shares: what unallocating a slot means, how much room a run
// of slots offers, and writing an item over a run. Locked slots (fixed entries and the items of
// a locked omni base chassis) are never moved by these; the rule that owns a fixed entry
// removes it itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/weaponentry.h"

namespace fpw::model {
class CritLocation;
class Mech;
} // namespace fpw::model

namespace fpw::editor {

class Editor;

// The weapon instance number a slot's identifier names; nothing for a general item or "-1".
std::optional<std::int16_t> weaponIndexOf(std::string_view itemID);
// The live entry of the design's weapon list with that instance number; nullptr when none.
const model::WeaponEntry* liveWeapon(const model::Mech& mech, std::int16_t weaponIndex);

// Unallocates the item in a slot: a weapon goes back to the unallocated weapons, a general
// item to the unallocated items. A free slot is left alone.
void UnallocateSlot(Editor& editor, int loc, int slot);
// The weapon in the slot: a spread weapon leaves all eight locations, any other this one; the
// weapon becomes unplaced in the weapon list, and its launcher's Artemis item leaves with it.
void UnallocateWeaponSlot(Editor& editor, int loc, int slot);
// Takes the item with this identifier out of the location and adds one to its code's row of
// the unallocated items (a new row when there is none).
void UnallocateItemSlot(Editor& editor, int loc, std::string_view itemID);
// Removes up to `count` placed heat sink items that may move, the first location first; they
// do not go to the unallocated list (the caller lowers the count). Returns how many went.
int UnallocateHeatSinks(Editor& editor, int count);

// Slots from `slot` downwards that are free or hold unlocked items, stopping at a locked slot
// or the end of the list, counted up to `limit`.
int roomFrom(const model::CritLocation& list, int slot, int limit);
// Unallocates every occupied slot of the run of `count` slots from `slot`.
void clearRun(Editor& editor, int loc, int slot, int count);
// Clears the run and writes one general item (code plus the location's next instance) over
// it, occupied and unlocked (`locked`: as a fixed entry of a system). Returns the identifier.
std::string placeGeneralItem(Editor& editor, int loc, int slot, int count, std::string_view code,
                             std::string_view text, bool locked = false);
// The text a weapon's slots show: "(R) " when rear-mounted, "(T) " when turret-mounted, and on
// a mixed tech base design "(C) " or "(IS) " before the name.
std::string weaponSlotText(const Editor& editor, const model::WeaponEntry& weapon);
// Rewrites the text of every placed weapon's slots, after a change of what the texts show
// (the tech base turning mixed or back).
void renameWeaponSlots(Editor& editor);

} // namespace fpw::editor
