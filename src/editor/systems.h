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

} // namespace fpw::editor
