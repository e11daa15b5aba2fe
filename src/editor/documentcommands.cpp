#include "editor/documentcommands.h"

#include "app/programcontext.h"
#include "editor/componentchoices.h"
#include "editor/editor.h"
#include "editor/refresh.h"

namespace fpw::editor {

void ResetAllData(Editor& editor) {
    editor.replaceDocument(EditorDocument{model::Mech(editor.context()), {}, true});
    UpdateAvailableTech(editor);
    RefreshWeapons(editor);
    RefreshSelectedWeapons(editor);
    UpdateAllTonnages(editor);
    SetSaved(editor, true);
}

} // namespace fpw::editor
