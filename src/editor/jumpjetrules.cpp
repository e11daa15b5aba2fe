// Jump MP, the improved jump jet option and the jump jet items that follow them.
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "editor/components.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"

namespace fpw::editor {

void CheckJJs(Editor& editor) {
    rules::syncItemCount(editor, catalog::cJJ, editor.mech().jumping());
}

void ResetJJs(Editor& editor) {
    rules::resetItems(editor, catalog::cJJ, editor.mech().jumping());
}

void ClearJJs(Editor& editor) {
    rules::removePlaced(editor, catalog::cJJ, false);
    editor.items().remove(catalog::cJJ);
    editor.mech().setJumping(static_cast<std::int16_t>(rules::countPlaced(editor, catalog::cJJ)));
}

bool ChangeJumping(Editor& editor, int jumpMP) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeJumping", [&] { return mech.jumping() == jumpMP; },
        jumpMP >= editor.choices().jumpingMin && jumpMP <= editor.choices().jumpingMax,
        [&] {
            mech.setJumping(static_cast<std::int16_t>(jumpMP));
            CheckJJs(editor);
            return rules::finish(editor);
        });
}

bool ChangeImprovedJumpJets(Editor& editor, bool improved) {
    model::Mech& mech = editor.mech();
    const auto wanted = improved ? catalog::jumpjet::kImproved : catalog::jumpjet::kStandard;
    return rules::change(
        editor, "ChangeImprovedJumpJets", [&] { return mech.jumpJetType() == wanted; },
        rules::allows(editor, editor.choices().improvedJumpJets, improved),
        [&] {
            mech.setJumpJetType(wanted);
            // The items change size, so they all come back unallocated.
            ResetJJs(editor);
            rules::boundMovement(editor);
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
