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
    if (editor.loading() || mech.jumping() == jumpMP) {
        return mech.jumping() == jumpMP;
    }
    if (jumpMP < 0 || jumpMP > editor.choices().jumpingMax) {
        return false;
    }
    const bool accepted = editor.perform("ChangeJumping", [&] {
        mech.setJumping(static_cast<std::int16_t>(jumpMP));
        CheckJJs(editor);
        return rules::finish(editor);
    });
    return accepted && mech.jumping() == jumpMP;
}

bool ChangeImprovedJumpJets(Editor& editor, bool improved) {
    model::Mech& mech = editor.mech();
    const auto wanted = improved ? catalog::jumpjet::kImproved : catalog::jumpjet::kStandard;
    if (editor.loading() || mech.jumpJetType() == wanted) {
        return mech.jumpJetType() == wanted;
    }
    if (improved && !editor.choices().improvedJumpJets.enabled) {
        return false;
    }
    const bool accepted = editor.perform("ChangeImprovedJumpJets", [&] {
        mech.setJumpJetType(wanted);
        // The items change size, so they all come back unallocated.
        ResetJJs(editor);
        rules::boundMovement(editor);
        return rules::finish(editor);
    });
    return accepted && mech.jumpJetType() == wanted;
}

} // namespace fpw::editor
