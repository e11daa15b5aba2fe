#include "editor/systems.h"

#include "editor/editor.h"

namespace fpw::editor {

// Placeholders until the rules land: every change is refused silently.
bool SetMASC(Editor& editor, bool on) {
    (void)editor;
    (void)on;
    return false;
}

bool SetTSM(Editor& editor, bool on) {
    (void)editor;
    (void)on;
    return false;
}

bool SetSupercharger(Editor& editor, bool on) {
    (void)editor;
    (void)on;
    return false;
}

bool MoveSupercharger(Editor& editor, int location) {
    (void)editor;
    (void)location;
    return false;
}

bool SetNullSignature(Editor& editor, bool on) {
    (void)editor;
    (void)on;
    return false;
}

bool SetCASE(Editor& editor, int location, int setting) {
    (void)editor;
    (void)location;
    (void)setting;
    return false;
}

bool SetArtemis(Editor& editor, bool lrm, int setting) {
    (void)editor;
    (void)lrm;
    (void)setting;
    return false;
}

bool ChangeTargetingSystem(Editor& editor, int targSysType) {
    (void)editor;
    (void)targSysType;
    return false;
}

bool ChangePhysicalType(Editor& editor, int physicalType) {
    (void)editor;
    (void)physicalType;
    return false;
}

bool SetPhysicalArm(Editor& editor, bool rightArm, bool on) {
    (void)editor;
    (void)rightArm;
    (void)on;
    return false;
}

bool SetArmActuator(Editor& editor, bool rightArm, int actuator, bool on) {
    (void)editor;
    (void)rightArm;
    (void)actuator;
    (void)on;
    return false;
}

bool SetTurret(Editor& editor, bool rightTorso, bool on) {
    (void)editor;
    (void)rightTorso;
    (void)on;
    return false;
}

bool SetArmless(Editor& editor, bool on) {
    (void)editor;
    (void)on;
    return false;
}

bool SetLimitCrits(Editor& editor, bool on) {
    (void)editor;
    (void)on;
    return false;
}

bool SetFractionalAccounting(Editor& editor, bool on) {
    (void)editor;
    (void)on;
    return false;
}

} // namespace fpw::editor
