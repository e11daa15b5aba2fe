#include "editor/components.h"

#include "editor/editor.h"

namespace fpw::editor {

// Placeholders until the rules land: every change is refused silently.
bool ChangeMechType(Editor& editor, int mechType) {
    (void)editor;
    (void)mechType;
    return false;
}

bool ChangeTonnage(Editor& editor, int tonnage) {
    (void)editor;
    (void)tonnage;
    return false;
}

bool ChangeTechBase(Editor& editor, int techBase) {
    (void)editor;
    (void)techBase;
    return false;
}

bool ChangeTechLevel(Editor& editor, int techLevel) {
    (void)editor;
    (void)techLevel;
    return false;
}

bool ChangeEngine(Editor& editor, int engineType) {
    (void)editor;
    (void)engineType;
    return false;
}

bool ChangeGyro(Editor& editor, int gyroType) {
    (void)editor;
    (void)gyroType;
    return false;
}

bool ChangeCockpit(Editor& editor, int cockpitType) {
    (void)editor;
    (void)cockpitType;
    return false;
}

bool ChangeHeatSinkType(Editor& editor, int hsType) {
    (void)editor;
    (void)hsType;
    return false;
}

bool ChangeHeatSinkCount(Editor& editor, int count) {
    (void)editor;
    (void)count;
    return false;
}

bool ChangeImprovedJumpJets(Editor& editor, bool improved) {
    (void)editor;
    (void)improved;
    return false;
}

bool ChangeJumping(Editor& editor, int jumpMP) {
    (void)editor;
    (void)jumpMP;
    return false;
}

bool ChangeWalking(Editor& editor, int walkingMP) {
    (void)editor;
    (void)walkingMP;
    return false;
}

bool ChangeStructure(Editor& editor, int isType) {
    (void)editor;
    (void)isType;
    return false;
}

bool ChangeArmorType(Editor& editor, int armorType) {
    (void)editor;
    (void)armorType;
    return false;
}

} // namespace fpw::editor
