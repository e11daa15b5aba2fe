// Where weapons and items may go and how they are written into slots: the rules that a drop,
// a move, auto-allocation and multi-allocation share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fpw::catalog {
struct WeaponRecord;
}
namespace fpw::model {
class CritLocation;
class Mech;
struct WeaponEntry;
} // namespace fpw::model

namespace fpw::editor {

class Editor;

// The title of every refusal to mount a weapon in a location.
inline constexpr std::string_view kUnableToMountItem = "Unable to mount item";

// The database record of a weapon, or nullptr for an index outside the table.
const catalog::WeaponRecord* weaponRecord(const Editor& editor, int refID);
// The record of a weapon entry; nullptr for no entry.
const catalog::WeaponRecord* weaponRecord(const Editor& editor, const model::WeaponEntry* weapon);

// Why the weapon of record `refID` may not go into `loc`: the omni arm actuator rule and the
// A-Pod, grenade launcher and cowl placements. Nothing when it may.
std::optional<std::string> weaponMountRefusal(const Editor& editor, int loc, int refID);
// Whether items of `code` may go into `loc` at all: no arm of an armless design, and jump jets
// never in the arms or head of a design that is not a quad.
bool locationTakesItem(const Editor& editor, std::string_view code, int loc);
// Whether the slot list of `loc` takes anything on an armless design.
bool locationInUse(const Editor& editor, int loc);

// The run a weapon takes when placed whole: its slot need with its Artemis slots, at least one.
int weaponRunLength(const Editor& editor, int refID);

// The first slot from `from` that starts `length` free slots in a row, or -1.
int firstFreeRun(const model::CritLocation& list, int from, int length);

// Writes an unplaced weapon into `loc` from `slot`: the run of its slot need (Artemis slots
// included) is cleared first, its own slots are written, its place stored in the weapon list,
// and its location's Artemis items laid. The caller has checked the room.
void placeWeapon(Editor& editor, int loc, int slot, std::int16_t weaponIndex);
// Writes one item of an unallocated items row into `loc` from `slot` (the run cleared first)
// and takes it from its row. The caller has checked the room.
void placeListItem(Editor& editor, int loc, int slot, std::string_view code);

// Ends every accepted allocation action: the weapon lists (with the ammunition offered, when
// it follows the design's weapons) and the central refresh.
void finishAllocation(Editor& editor);

} // namespace fpw::editor
