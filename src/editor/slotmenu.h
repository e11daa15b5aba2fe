// The pop-up menu of a critical slot: which entries it offers, with their captions and
// states, and the operations behind them. Each operation is one user action.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fpw::editor {

class Editor;

enum class SlotCommand {
    Armor,     // armour or un-armour the item
    FrontRear, // mount front or rear
    Turret,    // mount in or remove from the turret
    MoveTo,    // a sub-menu of the locations
    NormalizeCenterTorso,
    AddAmmo,
    Info,
    Remove,
    RemoveAll,
    Delete,
    Duplicate,
    ClearLocation,
};

struct SlotMenuEntry {
    SlotCommand command = SlotCommand::Info;
    std::string caption;
    bool visible = true;
    bool enabled = true;
    int location = -1;                  // an entry of the move-to sub-menu: its location
    std::vector<SlotMenuEntry> submenu; // the move-to entry's locations
    bool operator==(const SlotMenuEntry&) const = default;
};

// Every entry in menu order, hidden ones included (with `visible` false).
std::vector<SlotMenuEntry> slotMenu(const Editor& editor, int loc, int slot);
// Runs an entry; `target` is the location chosen in the move-to sub-menu. True when the
// design changed (or, for the information entry, when it was shown).
bool runSlotCommand(Editor& editor, int loc, int slot, SlotCommand command, int target = -1);

// The operations one by one.
bool ToggleSlotArmor(Editor& editor, int loc, int slot);
bool ToggleRearMount(Editor& editor, int loc, int slot);
bool ToggleTurretMount(Editor& editor, int loc, int slot);
// The item leaves its slots and goes to the first run of free slots long enough in `target`;
// when there is none it stays unallocated.
bool MoveToLocation(Editor& editor, int loc, int slot, int target);
// Asks which ammunition (through the list chooser) and how many tons (a whole number from 1
// to 100; empty or 0 cancels, anything else asks again), then adds one entry per ton.
bool AddAmmunition(Editor& editor, int loc, int slot);
bool ShowSlotInfo(Editor& editor, int loc, int slot);
bool RemoveSlotItem(Editor& editor, int loc, int slot);
// Every unlocked item of the slot's kind in all locations: the same item code, or for a
// weapon the same weapon.
bool RemoveAllOfSlotItem(Editor& editor, int loc, int slot);
bool DeleteSlotWeapon(Editor& editor, int loc, int slot);
bool DuplicateSlotWeapon(Editor& editor, int loc, int slot);
bool ClearLocation(Editor& editor, int loc);

} // namespace fpw::editor
