#include "editor/documentskit.h"

#include "editor/documentcommands.h"
#include "editor/refresh.h"

namespace fpw::testing::documents {

void EditorKit::load(model::Mech mech) {
    editor.replaceDocument(editor::EditorDocument{std::move(mech), {}, false});
    editor::RefreshAllData(editor);
    editor::UpdateAllTonnages(editor);
    editor.clearHistory();
}

EditorState stateOf(const editor::Editor& editor) {
    return EditorState{editor.document(), editor.unallocatedWeapons(), editor.selectedEquipment(),
                       editor.display(),  editor.armorControls(),      editor.undoDepth()};
}

model::Mech saveableDesign(app::ProgramContext& ctx) {
    model::Mech mech = designkit::plainDesign(ctx);
    for (const model::WeaponEntry& weapon : mech.weapons()) {
        if (!weapon.isFree() && weapon.LocCount() == 0) {
            mech.RemoveWeapon(weapon.weaponIndex);
            break;
        }
    }
    // A slower engine brings it within its tonnage.
    mech.setWalking(3);
    return mech;
}

} // namespace fpw::testing::documents
