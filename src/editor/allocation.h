// Putting weapons and items into critical slots and taking them out: drops from the two
// unallocated lists, auto- and multi-allocation, clearing, compaction, the standard center
// torso and the double click. Each is one user action (see Editor::perform).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/spread.h"

namespace fpw::editor {

class Editor;
struct UnallocatedItem;

// How a weapon drop ended.
enum class DropResult {
    Placed,      // the weapon sits in the slots
    Refused,     // a message said why, or the target was locked; nothing changed
    NoRoom,      // the run was too short and the weapon cannot spread: nothing happened
    NeedsSpread, // the run was too short: ask the person with `spread`, then ApplySpread
};

struct WeaponDrop {
    DropResult result = DropResult::Refused;
    std::optional<SpreadRequest> spread; // with NeedsSpread
};

// Drops the unallocated weapon with this instance number on `slot` of `loc`. A spreadable
// weapon without room returns the spread dialog's set-up and changes nothing; when no
// neighbour has room it shows "No room to spread" instead.
WeaponDrop DropWeapon(Editor& editor, int loc, int slot, std::int16_t weaponIndex);
// Drops several selected weapons: each goes to the first run long enough from the drop slot
// onward that holds none of the others; those that find none stay unallocated. A selection
// with a spreadable weapon is refused. True when accepted.
bool DropWeapons(Editor& editor, int loc, int slot, const std::vector<std::int16_t>& weaponIndexes);
// Drops one item of an unallocated items row (by code) on `slot` of `loc`. False, silently,
// when the target is locked, the location takes no such item, or the run is too short.
bool DropItem(Editor& editor, int loc, int slot, std::string_view code);
// Whether a dragged item of `code` may be dropped on `loc` (the drag-over test).
bool acceptsItemDrop(const Editor& editor, int loc, std::string_view code);
// The hint for a shift-click in the unallocated weapons list.
void ShowControlKeyHint(Editor& editor);

// "Auto-Allocate " name " (" count ")": the caption of the unallocated items' menu entry.
std::string autoAllocateCaption(const UnallocatedItem& row);
// Places all items of a row, each in the first run of free slots, location by location.
// Items that find no room stay on the row. False when nothing could be placed.
bool AutoAllocate(Editor& editor, std::string_view code);

// The multi-allocation dialog (`frmSelAlloc`) for one unallocated items row.
struct MultiAllocateLocation {
    int location = 0;
    std::string name;
    int maximum = 0; // items that fit there, at most the row's count
    bool operator==(const MultiAllocateLocation&) const = default;
};
struct MultiAllocateRequest {
    std::string code;
    std::string itemName;
    int slotsPerItem = 0;
    int count = 0; // items to allocate
    std::vector<MultiAllocateLocation> locations;
    std::string text;
    bool operator==(const MultiAllocateRequest&) const = default;
};
// Nothing when the code has no row.
std::optional<MultiAllocateRequest> multiAllocateRequest(const Editor& editor,
                                                         std::string_view code);
// The running total under the counters: placed " of " count.
std::string multiAllocateTotal(const MultiAllocateRequest& request, int placed);
// "Done": places `counts[i]` items in `request.locations[i]` as auto-allocation does. Counts
// beyond a maximum or a total beyond the row's count beep and change nothing.
bool ApplyMultiAllocate(Editor& editor, const MultiAllocateRequest& request,
                        const std::vector<int>& counts);

// Asks, then unallocates every occupied slot that is not locked.
bool ClearAllCrits(Editor& editor);
// Moves the unlocked items of every location up; refused on an OmniMech with a locked base.
bool CompactCrits(Editor& editor);
// Rebuilds the center torso in its standard order: engine, gyro, the rest of the engine, the
// system entries it held, CASE at the bottom; the other items go back to their lists.
bool NormalizeCenterTorso(Editor& editor);
// The double click: unallocates the slot's item unless the slot is free or locked.
bool UnallocateByDoubleClick(Editor& editor, int loc, int slot);

} // namespace fpw::editor
