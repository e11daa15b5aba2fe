// The handlers of the basic component choices: body type, tonnage, tech base and level,
// engine, gyro, cockpit, heat sinks, jump jets, walking speed, structure and armour. Each is
// one user action: it ignores the event while the editor is loading or when the value did
// not change, checks the change, then changes the design and its slots and runs the refresh,
// or refuses with its message and leaves everything as it was. Each returns whether the
// design now has the value asked for. Codes are the catalogue's.
#pragma once

namespace fpw::editor {

class Editor;

bool ChangeMechType(Editor& editor, int mechType);
bool ChangeTonnage(Editor& editor, int tonnage);
bool ChangeTechBase(Editor& editor, int techBase);
bool ChangeTechLevel(Editor& editor, int techLevel);
bool ChangeEngine(Editor& editor, int engineType);
bool ChangeGyro(Editor& editor, int gyroType);
bool ChangeCockpit(Editor& editor, int cockpitType);
bool ChangeHeatSinkType(Editor& editor, int hsType);
bool ChangeHeatSinkCount(Editor& editor, int count);
// Improved (true) or standard jump jets.
bool ChangeImprovedJumpJets(Editor& editor, bool improved);
bool ChangeJumping(Editor& editor, int jumpMP);
bool ChangeWalking(Editor& editor, int walkingMP);
bool ChangeStructure(Editor& editor, int isType);
bool ChangeArmorType(Editor& editor, int armorType);

// ---- procedures other rules run inside their own action (no action of their own)

// Heat sink items: every movable "cHS" item leaves the slots and the list, and the heat sinks
// that need slots (`HSCount` - `HSInEngine`, less those locked in place) come back as one row.
void ResetHS(Editor& editor);
// Brings the heat sink items to the number the design needs: surplus ones leave the
// unallocated row first, then the movable placed ones from location 0; missing ones join the
// row.
void CheckCorrectHSCount(Editor& editor);
// Brings the jump jet items to `Jumping` the same way.
void CheckJJs(Editor& editor);
// Every movable "cJJ" item out, then the full count back into the unallocated row.
void ResetJJs(Editor& editor);
// Every movable "cJJ" item out and the jump MP to what stays (0 unless locked jets remain).
void ClearJJs(Editor& editor);
// Clamps each location's armour to its maximum for the tonnage and body type (the head 9,
// the others twice their structure; a torso's rear shares the front's maximum).
void CheckValidArmor(Editor& editor);
// The largest walking MP for the tonnage and engine type: the largest rating (500 for the
// large engines, 400 for the others) over the tonnage, rounded down.
int walkingBound(int engineType, int tonnage);
// Fits the slot lists to the "limit crits" option at the design's tonnage (shortened or back
// to their normal length), unallocating what the removed slots held. False, with the lists
// partly changed, when a locked entry sits in a slot that would go: the caller refuses.
bool LimitCriticalSlots(Editor& editor);
// The refusal text of a limit that cannot be applied.
inline constexpr const char* kLimitCritsRefusal =
    "Unable to limit the critical slots for this mech.";

} // namespace fpw::editor
