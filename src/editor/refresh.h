// The central refresh and the lists and texts it keeps current: after every accepted change
// the editor recomputes slots, tonnages, heat, cost and Battle Value in one fixed order and
// marks the design unsaved.
#pragma once

#include <string>

namespace fpw::editor {

class Editor;

// The central refresh after any change, in this order: the targeting computer's unallocated
// item follows its size (unless a locked omni base chassis fixes it), armoured slots are
// recounted, total and free tonnage recomputed, free slots and heat shown, the overweight
// flag set, cost and Battle Value recomputed, movement shown, the design marked unsaved, and
// the lists and bounds of the controls refilled for the design (`UpdateAvailableTech`).
// Skipped while the editor is loading.
void UpdateAllTonnages(Editor& editor);
// Recomputes cost and Battle Value and shows them.
void GenTotalCostAndBV(Editor& editor);
// Rebuilds the unallocated weapons list and the selected equipment list from the weapon list.
void RefreshSelectedWeapons(Editor& editor);
// Rebuilds the list of weapons that may be added: tech base and level, type filter and the
// ammunition-for-current-weapons option.
void RefreshWeapons(Editor& editor);
// Every text of the status bar and the labels from the design as it stands, changing nothing
// in the design (after undo, redo or opening a design).
void RefreshDisplay(Editor& editor);
// Marks the design saved or unsaved and shows it.
void SetSaved(Editor& editor, bool saved);

// Free slots over the locations in use (arms left out on an armless design), the slots that
// the unallocated weapons (with their Artemis slots) and items still need, and the
// "Crits Free: " text; stores all three in the display.
void CountFreeSlots(Editor& editor);
// A weapon of the design sits in no slot yet.
bool HasUnallocatedWeapons(const Editor& editor);
// Counts the armoured slots and stores the number and their tonnage in the design.
void CountArmoredSlots(Editor& editor);
// "Light Mech" ... "Assault Mech", or empty in the gaps between the classes.
std::string weightClassName(int tonnage);
// Slots an unallocated weapon needs: its own and, when the design's Artemis setting for its
// launcher family is on, 1 (Artemis IV) or 2 (Artemis V) more.
int weaponSlotNeed(const Editor& editor, int refID);

} // namespace fpw::editor
