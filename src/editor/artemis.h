// The Artemis fire control items that follow the missile launchers: one item per placed
// launcher of a family whose Artemis setting is on, in the launcher's location.
#pragma once

namespace fpw::editor {

class Editor;

// Lays the Artemis items of the whole design again: removes every Artemis item, then places
// one for each placed launcher of a family whose setting is on; a family whose items find no
// room is reset with its message.
void CheckArtemis(Editor& editor);
// The same for the launchers of one location, after a weapon was placed there.
void CheckArtemisLoc(Editor& editor, int loc);

} // namespace fpw::editor
