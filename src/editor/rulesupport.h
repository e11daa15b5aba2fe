// Small pieces the component and system rules share: refusing with a message, finding a slot
// for a system's entry, and taking a system's items out of the design.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "editor/editor.h"

namespace fpw::model {
class CritLocation;
}

namespace fpw::editor::rules {

// Message titles several rules share.
inline constexpr const char* kInstallSystemTitle = "Unable to install system";
inline constexpr const char* kChangeCockpitTitle = "Unable to change cockpit";

// The engine refusal: there is no room for the new engine's slots.
std::string engineRoomText(int newEngine, int oldEngine);

// The frame of every handler: the event is ignored while the editor is loading or when the
// design already has the value (`has`); a value the control does not offer is refused without
// a word; otherwise `rule` runs as one action under the procedure's name. Answers whether the
// design now has the value.
bool change(Editor& editor, std::string_view procedure, const std::function<bool()>& has,
            bool offered, const std::function<Outcome()>& rule);

// Shows the critical message box of a refusal and answers `Outcome::Refused`.
Outcome refuse(Editor& editor, std::string_view title, std::string_view text);
// The same message box where the rule goes on (a system removed after a failed check).
void warn(Editor& editor, std::string_view title, std::string_view text);

// A slot of the list for a one-slot entry: the first free slot (from the top, or from the
// bottom with `fromBottom`), else the first slot that holds an item the rule may move; -1
// when every slot is locked.
int slotForEntry(const model::CritLocation& list, bool fromBottom = false);
// The first free slot from the top, -1 when there is none.
int firstFreeSlot(const model::CritLocation& list);
// The first run of `count` slots from the top: all free if there is such a run, else free or
// holding items the rule may move; -1 when there is none.
int runForEntry(const model::CritLocation& list, int count);

// Writes a system's fixed entry (locked, occupied) over one slot, unallocating what the slot
// held; returns the identifier.
std::string placeFixedEntry(Editor& editor, int loc, int slot, std::string_view code,
                            std::string_view text);

// Removes every placed item of the code that the rule may move, in all locations; with
// `lockedToo` also the locked ones (a system's own fixed entries). Returns the items removed.
int removePlaced(Editor& editor, std::string_view code, bool lockedToo);
// Placed items of the code (distinct identifiers over all locations); `lockedOnly` counts
// only those the rule may not move.
int countPlaced(const Editor& editor, std::string_view code, bool lockedOnly = false);

// Puts `count` items of the code into the unallocated list under the design's name and size
// for it (nothing for a count below 1).
void addUnallocated(Editor& editor, std::string_view code, int count);

// True when the choice list can be used and offers the entry.
bool offers(const ChoiceList& list, std::string_view name);
// Whether an option may be turned on or off: while it can be used; turned off also where it
// can no longer be used (a lower level), unless a locked omni base chassis fixes it.
bool allows(const Editor& editor, const OptionState& option, bool on);
// False once an omni base chassis is locked: its components stay as they are.
bool baseEditable(const Editor& editor);

// The end of every accepted component or system change: the central refresh.
Outcome finish(Editor& editor);
// Walking lowered to its bound for the engine and tonnage, jump MP to its bound (walking, or
// running with improved jets), the jump jet items following.
void boundMovement(Editor& editor);
// The engine's slots in the center and side torsos and the gyro's, laid again for the
// design's engine, gyro and tech base; the engine's slots below the gyro follow directly
// below it. Items in the way are unallocated. False (the lists partly changed) when an item
// the rule may not move is in the way in the center torso (`centerTorsoBlocked`) or a side
// torso.
bool layEngineAndGyro(Editor& editor, bool* centerTorsoBlocked = nullptr);

// Brings the items of a code (placed and unallocated) to `needed`: surplus ones leave the
// unallocated row first, then the movable placed ones from location 0 on; missing ones join
// the row. Items the rule may not move always stay.
void syncItemCount(Editor& editor, std::string_view code, int needed);
// Every movable item of the code out of the slots and the row, then `needed` less the locked
// ones back as one row under the design's current name and size for the code.
void resetItems(Editor& editor, std::string_view code, int needed);
// Clears the armoured flag of every slot.
void clearArmoredComponents(Editor& editor);

} // namespace fpw::editor::rules
