#include "editor/documentskit.h"

#include <gtest/gtest.h>

#include "editor/documentcommands.h"
#include "editor/refresh.h"

namespace fpw::testing::documents {

void EditorKit::load(model::Mech mech) {
    editor.replaceDocument(editor::EditorDocument{std::move(mech), {}, false});
    editor::RefreshAllData(editor);
    editor::UpdateAllTonnages(editor);
    editor.clearHistory();
}

void EditorKit::expectRefused(const std::function<bool()>& action, std::string_view title,
                              std::string_view text) {
    const EditorState before = captureEditorState(editor);
    user.messages.clear();
    EXPECT_FALSE(action());
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, title);
    EXPECT_EQ(user.messages[0].text, text);
    EXPECT_TRUE(sameEditorState(before, captureEditorState(editor)));
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
