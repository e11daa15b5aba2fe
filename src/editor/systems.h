// The handlers of the special systems: MASC, triple-strength myomer, supercharger,
// null-signature system, CASE, Artemis, targeting systems, physical weapons, arm actuators,
// turrets, the armless, limit-crits and fractional-accounting options. Each is one user action
// like the component handlers (components.h) and returns whether the design now has the value
// asked for.
#pragma once

namespace fpw::editor {

class Editor;

bool SetMASC(Editor& editor, bool on);
bool SetTSM(Editor& editor, bool on);
bool SetSupercharger(Editor& editor, bool on);
bool MoveSupercharger(Editor& editor, int location);
bool SetNullSignature(Editor& editor, bool on);
// `setting`: 0 none, 1 CASE, 2 CASE II; locations 0 to 6.
bool SetCASE(Editor& editor, int location, int setting);
// `setting`: 0 none, 1 Artemis IV, 2 Artemis V.
bool SetArtemis(Editor& editor, bool lrm, int setting);
bool ChangeTargetingSystem(Editor& editor, int targSysType);
bool ChangePhysicalType(Editor& editor, int physicalType);
bool SetPhysicalArm(Editor& editor, bool rightArm, bool on);
// `actuator`: 2 lower arm, 3 hand.
bool SetArmActuator(Editor& editor, bool rightArm, int actuator, bool on);
bool SetTurret(Editor& editor, bool rightTorso, bool on);
bool SetArmless(Editor& editor, bool on);
bool SetLimitCrits(Editor& editor, bool on);
bool SetFractionalAccounting(Editor& editor, bool on);

// ---- procedures other rules run inside their own action (no action of their own)

// The CASE choices of one location (0 to 6) for the tech base and level; a setting the
// location no longer offers is cleared with its item, and an offered setting gets its slot
// back when it lacks one. A Clan design's standard CASE is built in: no slot, kept as stored.
void CheckCASELoc(Editor& editor, int location);
// `CheckCASELoc` for locations 0 to 6.
void CheckCASE(Editor& editor);
// Every "cCASE" item out and every setting cleared.
void ResetCASE(Editor& editor);
// Places the physical weapon again in each arm whose option is on; an arm without a hand
// actuator or without room loses its option, with the message. False when an arm lost it.
bool CheckPhysicals(Editor& editor);
// The supercharger location list from the engine slots; a supercharger whose location no
// longer holds engine slots is removed.
void CheckSupercharger(Editor& editor);
// Every "cNSS" item out and the system off.
void ClearNSS(Editor& editor);
// Every "cTSM" item out (placed and unallocated) and the myomer off.
void ClearTSM(Editor& editor);
// The MASC item follows `MASCSize` (after a tonnage or accounting change).
void SyncMASCItem(Editor& editor);
// Armless: every movable item of both arms unallocated, arm armour 0, arm CASE cleared.
void MakeArmless(Editor& editor);
// Both arms back to the full actuator set. False, with the flags of the failing arm kept,
// when a locked item sits in an actuator slot.
bool RestoreArmActuators(Editor& editor);
// The same, for a design that becomes a quad or leaves the level of the actuator options.
bool ResetArmActuators(Editor& editor);

} // namespace fpw::editor
