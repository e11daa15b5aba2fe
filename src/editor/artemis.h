// Artemis fire control beside the LRM and SRM launchers: one slot (Artemis IV) or two
// (Artemis V) in the launcher's location for every placed launcher of the family whose
// setting is on.
#pragma once

namespace fpw::editor {

class Editor;

// Takes every Artemis item out and lays them again beside every placed launcher. When a
// launcher's location has no room, that family's setting returns to none with its items and
// the player is told. False when a family was reset.
bool CheckArtemis(Editor& editor);
// The same for the launchers of one location (after a weapon was placed there).
bool CheckArtemisLoc(Editor& editor, int loc);
// Every Artemis item of the family out of the slots ("cA-IVL" and "cA-VL", "cA-IVS" and
// "cA-VS").
void ResetArtemisLRM(Editor& editor);
void ResetArtemisSRM(Editor& editor);

} // namespace fpw::editor
