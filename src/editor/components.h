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

} // namespace fpw::editor
