#include "componentskit.h"

#include <algorithm>

#include "catalog/weapondatabase.h"
#include "editor/components.h"
#include "editor/slotops.h"

namespace fpw::editor::testkit {

EditorSnapshot snapshot(const Editor& editor) {
    return EditorSnapshot{editor.document(), editor.choices(), editor.display(),
                          editor.unallocatedWeapons(), editor.selectedEquipment()};
}

void RulesFixture::build(int tonnage, int walking, int techBase, int techLevel) {
    ASSERT_TRUE(ChangeTechBase(editor, techBase));
    ASSERT_TRUE(ChangeTechLevel(editor, techLevel));
    ASSERT_TRUE(ChangeTonnage(editor, tonnage));
    ASSERT_TRUE(ChangeWalking(editor, walking));
    shipped.user.messages.clear();
}

std::int16_t placeWeapon(Editor& editor, const std::string& name, int loc, int slot,
                         std::int16_t techBase) {
    const catalog::WeaponTable& table = editor.context().weapons;
    const int refID = catalog::findWeapon(table, name, techBase);
    EXPECT_GE(refID, 0) << name;
    model::Mech& mech = editor.mech();
    const std::int16_t index = mech.AddWeapon(static_cast<std::int16_t>(refID));
    model::WeaponEntry entry;
    entry.refID = static_cast<std::int16_t>(refID);
    const int slots = std::max<int>(1, table[static_cast<std::size_t>(refID)].critSlots);
    for (int s = slot; s < slot + slots; ++s) {
        mech.critLocation(loc).PlaceItem(weaponSlotText(editor, entry), s, true,
                                         std::to_string(index));
    }
    mech.AlterWeapon(index, static_cast<std::int16_t>(loc), static_cast<std::int16_t>(slot), true);
    return index;
}

void RulesFixture::expectRefusal(const std::function<bool()>& change, const std::string& title,
                                 const std::string& text) {
    const EditorSnapshot before = snapshot(editor);
    const std::size_t undo = editor.undoDepth();
    shipped.user.messages.clear();
    EXPECT_FALSE(change());
    EXPECT_TRUE(snapshot(editor) == before) << "a refused change left a trace";
    EXPECT_EQ(editor.undoDepth(), undo);
    ASSERT_EQ(shipped.user.messages.size(), 1u);
    EXPECT_EQ(shipped.user.messages[0].title, title);
    EXPECT_EQ(shipped.user.messages[0].text, text);
    EXPECT_EQ(shipped.user.messages[0].icon, app::MessageIcon::Critical);
}

std::vector<std::string> RulesFixture::texts(int loc) const {
    std::vector<std::string> out;
    for (const model::CriticalSlot& slot : editor.mech().critLocation(loc).slots()) {
        out.push_back(slot.text);
    }
    return out;
}

} // namespace fpw::editor::testkit
