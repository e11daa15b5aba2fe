#include "editor/artemis.h"

namespace fpw::editor {

// The placement itself belongs to the special-systems rules; until they land, the launchers
// keep whatever Artemis items they have.
bool CheckArtemis(Editor& editor) {
    (void)editor;
    return true;
}

bool CheckArtemisLoc(Editor& editor, int loc) {
    (void)editor;
    (void)loc;
    return true;
}

void ResetArtemisLRM(Editor& editor) {
    (void)editor;
}

void ResetArtemisSRM(Editor& editor) {
    (void)editor;
}

} // namespace fpw::editor
